// A whole program on the control model: store, screens, scripted message boxes.
#pragma once

#include <gtest/gtest.h>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "support/fakes.h"
#include "support/fields_text.h"

namespace survey::testing {

using FieldTexts = std::vector<std::pair<std::string, std::string>>;

// The program started again on the same folders, as the next run would be; `answers` reply
// to the questions its start asks.
struct NextRun {
  explicit NextRun(Platform& platform, std::initializer_list<Button> answers = {})
      : program(dialogs, platform) {
    registerAllScreens(program.screens);
    dialogs.answer(answers);
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
  // Chooses the item with this text, as a click on it does.
  void chooseItem(const std::string& screen, const std::string& listName, const std::string& text) {
    ListBox& target = control<ListBox>(screen, listName);
    for (int index = 0; index < target.count(); ++index) {
      if (target.item(index) == text) return target.choose(index);
    }
    ADD_FAILURE() << listName << " has no item " << text;
  }
  // A row of the current survey, or of the survey with this key.
  int addChild(TableKind kind, FieldValues values = {}, const std::string& key = "ABC") {
    const std::string chosen = program.current().surveyKey;
    program.current().surveyKey = key;
    const int row = program.store.appendChild(kind, values).row;
    program.current().surveyKey = chosen;
    return row;
  }
  // Field by field: the cells of one row of a table.
  void expectRow(TableKind kind, int row, const FieldValues& expected) {
    for (const auto& [field, text] : expected) {
      EXPECT_EQ(program.store.table(kind).cell(row, field), text) << "field " << field;
    }
  }
  // Box by box: the texts a screen shows.
  void expectBoxes(const std::string& screen, const FieldTexts& expected) {
    for (const auto& [box, text] : expected) {
      EXPECT_EQ(control<TextBox>(screen, box).text(), text) << box;
    }
  }
  // Control by control: which are enabled (or, with visible set, which are shown).
  void expectStates(const std::string& screen, const std::vector<std::string>& names, bool expected,
                    bool visible = false) {
    for (const auto& name : names) {
      const Control& target = control<Control>(screen, name);
      EXPECT_EQ(visible ? target.visible() : target.enabled(), expected) << name;
    }
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  FakePlatform platform;
  Program program;
};

}  // namespace survey::testing
