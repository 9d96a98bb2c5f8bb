#include "entry/output_file_screen.h"

#include "shell/program.h"
#include "store/text_forms.h"
#include "uddf/export/uddf_export.h"

namespace survey {

OutputFileScreen::OutputFileScreen(Program& program)
    : FileChooserScreen(program, kName, std::string(uddf::kOutputScreenCaption), kFrame,
                        "Create Filename", kFileList) {
  setSizeTwips(6600, 5100);
  auto& label = add(kFileNameLabel, &frame());
  label.setCaption("Enter Filename");
  auto& name = add(kFileNameBox, &frame());
  name.setCaption("Enter Filename");
  frame().place(120, 120, 6360, 4860);
  label.place(240, 300, 1500, 255);
  name.place(1800, 270, 4320, 315);
  get(kDriveLabel).place(240, 810, 600, 255);
  drives().place(840, 780, 2280, 315);
  directory().place(240, 1200, 2880, 3000);
  files().place(3360, 780, 2760, 3420);
  get(kOkButton).place(4920, 4320, 1200, 400);
}

bool OutputFileScreen::listed(const std::string& fileName) const {
  if (fileName.size() < 4) return false;
  return lowered(std::string_view(fileName).substr(fileName.size() - 4)) == ".pdf";
}

void OutputFileScreen::ok() {
  Program& program = this->program();
  // The survey may have changed since the window opened: the rule holds for the one written.
  const auto check =
      uddf::checkCreateUddf(program.store, program.current().surveyKey, program.exportExtension);
  if (!check) {
    program.screens.discard(kName);
    program.tell(check.refusal);
    return;
  }
  const std::string key = program.current().surveyKey;
  uddf::ComposedUddf composed;
  {
    BusyPointer busy(program.platform);
    composed = uddf::composeUddf(program.store, key, program.exportClock());
  }
  // Asked before anything is written; the screen stays open for another choice.
  if (!composed.shortened.empty()) {
    if (!program.askYesNo(uddf::shortenedValuesQuestion(composed.shortened),
                          "Values would be shortened")) {
      return;
    }
    // The answer took its time: the file bears the moment it is written.
    composed = uddf::composeUddf(program.store, key, program.exportClock());
  }
  uddf::ExportResult result;
  {
    BusyPointer busy(program.platform);
    const auto path =
        uddf::uddfOutputPath(directory().path(), get(kFileNameBox).text(), program.exportExtension);
    program.screens.discard(kName);
    result = uddf::writeComposedUddf(program.store, key, std::move(composed), path,
                                     program.platform.storeDirectory());
  }
  program.tell(result.message);
}

void startCreateUddf(Program& program) {
  const auto check =
      uddf::checkCreateUddf(program.store, program.current().surveyKey, program.exportExtension);
  program.exportExtension = check.extension;
  if (!check) {
    program.tell(check.refusal);
    return;
  }
  program.screens.show(OutputFileScreen::kName);
}

}  // namespace survey
