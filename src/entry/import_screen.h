// FormIngest: chooses the UDDF file that "Import UDDF" reads into a new survey.
#pragma once

#include "entry/file_chooser_screen.h"

namespace survey {

class ImportScreen : public FileChooserScreen {
 public:
  static constexpr const char* kName = "FormIngest";
  explicit ImportScreen(Program& program);

  static constexpr ControlName<Frame> kFrame{"FrameLOAD"};
  static constexpr ControlName<ListBox> kFileList{"List1"};

 protected:
  bool listed(const std::string&) const override { return true; }
  void ok() override;
};

}  // namespace survey
