#include "shell/navigation.h"

#include "shell/exit_help_print.h"
#include "shell/screen_names.h"

namespace survey {

Screen& showScreen(Program& program, const std::string& name) {
  Screen& target = program.screens.touch(name);
  target.beforeShow();
  program.screens.show(name);
  target.afterShow();
  return target;
}

void prepareScreen(Program& program, const std::string& name, Preparation mode) {
  Screen& screen = program.screens.touch(name);
  setBoldTextBoxes(screen);
  if (mode == Preparation::Load) {
    for (const auto& control : screen.controls()) {
      if (control->name().find("Text") == std::string::npos) continue;
      if (auto* box = dynamic_cast<TextBox*>(control.get())) box->setText("");
    }
  }
  screen.prepare(mode);
}

void handleTabClick(Screen& screen) {
  Program& program = screen.program();
  if (!program.screens.isShown(screen)) return;
  const auto& tabs = screen.get(Screen::kTabStrip);
  const std::string caption = tabs.selectedCaption().substr(0, 3);
  const std::string target = caption == "Lis" ? screen::kMain : screen::kAirport;
  prepareScreen(program, target, Preparation::Tab);
  showScreen(program, target);
}

void setBoldTextBoxes(Screen& screen) {
  for (const auto& control : screen.controls()) {
    if (control->name().find("Text") == std::string::npos) continue;
    if (auto* box = dynamic_cast<TextBox*>(control.get())) box->setBold(true);
  }
}

void showSurveyInStatusBar(Screen& screen) {
  const CurrentSurvey& current = screen.program().current();
  screen.get(Screen::kStatusBar).setPanelText(current.surveyKey + ": " + current.surveyName);
}

void addStandardMenus(Screen& screen, std::vector<MenuItem> moreFileItems) {
  Program& program = screen.program();
  Menu& file = screen.addMenu("MenuFile", "File");
  file.items.push_back({"MenuPrint", "Print", [&program] { printCurrentScreen(program); }});
  for (auto& item : moreFileItems) file.items.push_back(std::move(item));
  file.items.push_back({"MenuExit", "Exit", [&program] { exitProgram(program); }});
  Menu& help = screen.addMenu("MenuHelp", "Help");
  help.items.push_back({"OnLineHelp", "On-Line Help", [&program] { openHelp(program); }});
}

}  // namespace survey
