#include "shell/exit_help_print.h"

#include "shell/screen_names.h"

namespace survey {

bool exitProgram(Program& program) {
  if (!program.askYesNo("Do you really want to exit program?", "Exit?")) return false;
  // A copy opened read-only saves nothing: another copy is the store's writer.
  if (!program.session.readOnly && program.askYesNo("Do you want to save changes?", "Save?")) {
    StoreSaveReport report;
    {
      BusyPointer busy(program.platform);
      report = saveStore(program.store, program.platform.storeDirectory(),
                         program.loadReport.unreadTables);
    }
    // A backup already made holds the unread file, which this save did not replace.
    auto& unread = program.loadReport.unreadTables;
    for (TableKind kind : report.backedUpTables) std::erase(unread, kind);
    if (!report.ok()) {
      program.tell(report.message() +
                   "\nThe program stays open, so that nothing is lost: free some space or "
                   "correct the permissions, then exit again.");
      return false;
    }
    if (!report.backups.empty()) program.tell(report.message());
  }
  closeStore(program);
  program.screens.discardAll({screen::kAirport, screen::kNavaid, screen::kRunway, screen::kMain,
                              screen::kObstruction, screen::kCertification, screen::kRunwayPP});
  program.platform.quit();
  return true;
}

void openHelp(Program& program) {
  // A missing document or viewer is not reported: the program simply carries on.
  program.platform.openDocument(program.platform.helpDocument().string());
}

void printCurrentScreen(Program& program) {
  if (Screen* screen = program.screens.shownScreen()) program.platform.printScreen(*screen);
}

}  // namespace survey
