// A whole program on the control model: store, screens, scripted message boxes.
#pragma once

#include <gtest/gtest.h>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "support/fakes.h"

namespace survey::testing {

// The program started again on the same folders, as the next run would be.
struct NextRun {
  explicit NextRun(Platform& platform) : program(dialogs, platform) {
    registerAllScreens(program.screens);
    showScreen(program, MainScreen::kName);
  }
  ~NextRun() { program.screens.discardAll(); }
  ScriptedDialogs dialogs;
  Program program;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : platform(dir.path()), program(dialogs, platform) {
    registerAllScreens(program.screens);
  }

  // Starts the program as the windowed one does: the main screen comes first.
  MainScreen& start() {
    showScreen(program, MainScreen::kName);
    return static_cast<MainScreen&>(*program.screens.existing(MainScreen::kName));
  }
  template <class C>
  C& control(const std::string& screen, const std::string& name) {
    return program.screens.touch(screen).get<C>(name);
  }
  void click(const std::string& screen, const std::string& name) {
    control<CommandButton>(screen, name).click();
  }
  void type(const std::string& screen, const std::string& box, const std::string& text) {
    control<TextBox>(screen, box).setText(text);
  }
  // Types character by character, as a user does.
  void typeKeys(const std::string& screen, const std::string& box, const std::string& text) {
    auto& target = control<TextBox>(screen, box);
    for (char c : text) target.setText(target.text() + c);
  }
  bool shown(const std::string& screen) const { return program.screens.isShown(screen); }

  TempDir dir;
  ScriptedDialogs dialogs;
  FakePlatform platform;
  Program program;
};

}  // namespace survey::testing
