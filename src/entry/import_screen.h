// FormIngest: chooses the UDDF file that "Import UDDF" reads into a new survey.
#pragma once

#include "entry/file_chooser_screen.h"

namespace survey {

class ImportScreen : public FileChooserScreen {
 public:
  static constexpr const char* kName = "FormIngest";
  explicit ImportScreen(Program& program);

 protected:
  bool listed(const std::string&) const override { return true; }
  void ok() override;
};

}  // namespace survey
