// FormSurveyType: every new survey starts with the choice of its type.
#pragma once

#include "shell/screen.h"

namespace survey {

class SurveyTypeScreen : public Screen {
 public:
  static constexpr const char* kName = "FormSurveyType";
  static constexpr const char* kCaption = "Survey Type";

  explicit SurveyTypeScreen(Program& program);

 private:
  void submit();
};

}  // namespace survey
