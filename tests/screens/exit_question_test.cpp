// Exit from the survey list's menu asks whether to exit, then the save question: Yes saves,
// No drops the changes, Cancel (or No to the first question) takes the exit back.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/exit_help_print.h"
#include "store/recovery_journal.h"
#include "support/program_fixture.h"

namespace survey {
namespace {

using testing::FakePlatform;
using testing::NextRun;
using testing::TempDir;

TEST(ExitQuestionTest, EachAnswerToTheTwoQuestionsSavesOrNotAndEndsOrStays) {
  const struct {
    std::initializer_list<Button> answers;
    bool saved, ends;
  } cases[] = {{{Button::No}, false, false},
               {{Button::Yes, Button::Yes}, true, true},
               {{Button::Yes, Button::No}, false, true},
               {{Button::Yes, Button::Cancel}, false, false}};
  for (const auto& c : cases) {
    std::string answered;
    for (Button b : c.answers) answered += std::to_string(static_cast<int>(b)) + " ";
    SCOPED_TRACE("answers " + answered);
    TempDir dir;
    FakePlatform platform(dir.path());
    NextRun run(platform);
    Program& program = run.program;
    program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
    program.tell("Airport Information Successfully Added");  // the change is in the journal
    ASSERT_TRUE(journalExists(dir.path()));

    run.dialogs.answer(c.answers);
    run.dialogs.shown.clear();
    program.screens.existing(MainScreen::kName)->menuItem("MenuExit").click();
    std::vector<Message> asked{question("Do you really want to exit program?", "Exit?")};
    if (c.answers.size() > 1) {
      asked.push_back(
          Message{"Do you want to save changes?", "Save?", Buttons::YesNoCancel, true, Button::No});
    }
    EXPECT_EQ(run.dialogs.shown, asked);
    EXPECT_EQ(std::filesystem::exists(dir.path() / "survey_apt.txt"), c.saved);
    EXPECT_EQ(journalExists(dir.path()), !c.ends) << "kept only while the program stays";
    EXPECT_EQ(platform.quitCalled, c.ends);
    EXPECT_EQ(program.screens.isShown(MainScreen::kName), !c.ends);
    LockHolder holder;
    std::string error;
    EXPECT_EQ(StoreLock::acquire(dir.path(), holder, error) == nullptr, !c.ends)
        << "the lock is kept while the program stays";
    if (c.ends) continue;
    // Taken back: the changes are still there, and the next Exit asks again.
    EXPECT_EQ(program.store.airports().cell(1, 3), "ABC");
    run.dialogs.answer({Button::Yes, Button::Yes});
    EXPECT_TRUE(exitProgram(program));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "survey_apt.txt"));
  }
}

// A commit record someone put beside the store during the run is set aside by the save at
// Exit, and the user hears of it.
TEST(ExitQuestionTest, ASaveThatSetsAForeignCommitRecordAsideSaysSo) {
  TempDir dir;
  FakePlatform platform(dir.path());
  NextRun run(platform);
  std::ofstream(dir.path() / "survey_store.commit") << "survey store commit\n/etc/x\t/etc/y\nend\n";
  run.dialogs.answer({Button::Yes, Button::Yes});
  ASSERT_TRUE(exitProgram(run.program));
  EXPECT_NE(run.dialogs.last().find("set aside as survey_store.commit.set-aside1"),
            std::string::npos)
      << run.dialogs.last();
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "survey_store.commit.set-aside1"));
}

}  // namespace
}  // namespace survey
