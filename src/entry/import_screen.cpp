#include "entry/import_screen.h"

#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "uddf/import/uddf_import.h"

namespace survey {

ImportScreen::ImportScreen(Program& program)
    : FileChooserScreen(program, kName, "SELECT UDDF FILE", kFrame, "Select Filename", kFileList) {
  setSizeTwips(6600, 4500);
  frame().place(120, 120, 6360, 4260);
  get(kDriveLabel).place(240, 330, 600, 255);
  drives().place(840, 300, 2280, 315);
  directory().place(240, 720, 2880, 3000);
  files().place(3360, 300, 2760, 3420);
  get(kOkButton).place(4920, 3780, 1200, 400);
}

void ImportScreen::ok() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return;
  if (!files().chosen()) {
    program.tell(std::string(uddf::kNoFileChosenMessage));
    return;
  }
  const std::filesystem::path file =
      std::filesystem::path(directory().path()) / files().chosenText();
  uddf::ImportResult result;
  {
    BusyPointer busy(program.platform);
    result = uddf::importUddfFile(program.store, file);
  }
  if (!result.ok) program.tell(result.message);
  for (const char* name : {kName, screen::kAirport, screen::kRunway, screen::kCertification,
                           screen::kObstruction, screen::kNavaid}) {
    program.screens.discard(name);
  }
  // The survey list shows the new survey; it is the screen left when an entry screen closed.
  if (!program.screens.shownScreen()) {
    showScreen(program, MainScreen::kName);
  } else if (Screen* main = program.screens.existing(MainScreen::kName)) {
    static_cast<MainScreen*>(main)->refreshSurveyList();
  }
}

}  // namespace survey
