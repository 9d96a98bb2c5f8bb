// FormSurveyType: every new survey starts with the choice of its type.
#pragma once

#include "shell/screen.h"

namespace survey {

class SurveyTypeScreen : public Screen {
 public:
  static constexpr const char* kName = "FormSurveyType";
  static constexpr const char* kCaption = "Survey Type";

  explicit SurveyTypeScreen(Program& program);

  static constexpr ControlName<Frame> kFrame{"Frame1"};
  // One option per survey type.
  static constexpr ControlName<OptionButton> kAocOption{"RadioAOC"};
  static constexpr ControlName<OptionButton> kAnapcOption{"RadioANAPC"};
  static constexpr ControlName<OptionButton> kAnalpvOption{"RadioANALPV"};
  static constexpr ControlName<OptionButton> kCombinedOption{"RadioCombined"};
  static constexpr ControlName<OptionButton> kNavaidOption{"RadioNAVAID"};
  static constexpr ControlName<OptionButton> kRunwayOption{"RadioRUNWAY"};
  static constexpr ControlName<OptionButton> kRunwayEndOption{"RadioRUNWAYEND"};
  static constexpr ControlName<OptionButton> kSpecialOption{"RadioSPECIAL"};
  static constexpr ControlName<CommandButton> kSubmitButton{"Command1"};

 private:
  void submit();
};

}  // namespace survey
