// The save question at Exit: Yes saves, No drops the changes, Cancel takes the exit back.
#include <gtest/gtest.h>

#include "shell/exit_help_print.h"
#include "store/recovery_journal.h"
#include "support/program_fixture.h"

namespace survey {
namespace {

using testing::FakePlatform;
using testing::NextRun;
using testing::TempDir;

TEST(ExitQuestionTest, EachAnswerToTheSaveQuestionSavesOrNotAndEndsOrStays) {
  const struct {
    Button answer;
    bool saved, ends;
  } cases[] = {
      {Button::Yes, true, true}, {Button::No, false, true}, {Button::Cancel, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    TempDir dir;
    FakePlatform platform(dir.path());
    NextRun run(platform);
    Program& program = run.program;
    program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
    program.tell("Airport Information Successfully Added");  // the change is in the journal
    ASSERT_TRUE(journalExists(dir.path()));

    run.dialogs.answer({Button::Yes, c.answer});
    EXPECT_EQ(exitProgram(program), c.ends);
    const Message& asked = run.dialogs.shown.back();
    EXPECT_EQ(asked, (Message{"Do you want to save changes?", "Save?", Buttons::YesNoCancel, true,
                              Button::No}));
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

}  // namespace
}  // namespace survey
