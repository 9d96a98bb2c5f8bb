#include "shell/exit_help_print.h"

#include <filesystem>
#include <system_error>

#include "shell/screen_names.h"

namespace survey {

bool exitProgram(Program& program) {
  if (!program.askYesNo("Do you really want to exit program?", "Exit?")) return false;
  // A copy opened read-only saves nothing: another copy is the store's writer.
  const Button save =
      program.session.readOnly
          ? Button::No
          : program.dialogs.show(questionWithCancel("Do you want to save changes?", "Save?"));
  // Cancel, Escape or the close control: the way back, with nothing saved and nothing lost.
  if (save == Button::Cancel) return false;
  if (save == Button::Yes) {
    StoreSaveReport report;
    {
      BusyPointer busy(program.platform);
      report = saveAtExit(program);
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
    // Backups made, or a foreign commit record set aside: worth a word before the program ends.
    if (!report.backups.empty() || !report.notice.empty()) program.tell(report.message());
  }
  closeStore(program);
  program.screens.discardAll({screen::kAirport, screen::kNavaid, screen::kRunway, screen::kMain,
                              screen::kObstruction, screen::kCertification, screen::kRunwayPP});
  program.platform.quit();
  return true;
}

void openHelp(Program& program) {
  const std::filesystem::path help = program.platform.helpDocument();
  std::error_code error;
  if (!std::filesystem::is_regular_file(help, error)) {
    program.tell("The help file " + help.string() + " was not found.");
    return;
  }
  if (!program.platform.openDocument(help.string())) {
    program.tell("No program on this computer could open the help. It is the PDF file " +
                 help.string() + "; open it with any PDF viewer.");
  }
}

void printCurrentScreen(Program& program) {
  if (Screen* screen = program.screens.shownScreen()) program.platform.printScreen(*screen);
}

}  // namespace survey
