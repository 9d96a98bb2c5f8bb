// FormPDF: names the UDDF file that "Create UDDF" writes.
#pragma once

#include "entry/file_chooser_screen.h"

namespace survey {

class OutputFileScreen : public FileChooserScreen {
 public:
  static constexpr const char* kName = "FormPDF";
  explicit OutputFileScreen(Program& program);

  static constexpr ControlName<Frame> kFrame{"Frame1"};
  static constexpr ControlName<ListBox> kFileList{"ListFiles"};
  static constexpr ControlName<Label> kFileNameLabel{"Label1"};
  static constexpr ControlName<TextBox> kFileNameBox{"Text1"};

 protected:
  bool listed(const std::string& fileName) const override;
  void ok() override;
};

// "Create UDDF" on the main screen: refuses a survey not chosen or not certified,
// picks the extension, and opens the output-file screen.
void startCreateUddf(Program& program);

}  // namespace survey
