// The store across runs: restoring what a killed run changed, and a second
// copy of the program beside the one that holds the store.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "shell/exit_help_print.h"
#include "store/file_io.h"
#include "support/program_fixture.h"

namespace survey {
namespace {

using testing::FakePlatform;
using testing::NextRun;
using testing::ProgramTest;

class StoreSessionTest : public ProgramTest {
 protected:
  // A run on the same store in a child process that makes three changes, as
  // the screens make them, and is then killed.
  void runAndKill() {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      NextRun next(platform);  // on the child's copy of the fixture's platform
      Program& run = next.program;
      run.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
      run.tell("Airport Information Successfully Added");
      run.store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}});
      run.store.updateRow(TableKind::Airport, 1, {{41, "CERTIFIED"}});  // no message follows
      const char done = 'y';
      if (::write(ready[1], &done, 1) != 1) ::_exit(1);
      ::pause();
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
  }
};

TEST_F(StoreSessionTest, AKilledRunsChangesAreRestoredOnYesAndSetAsideOnNo) {
  for (Button answer : {Button::No, Button::Yes}) {
    SCOPED_TRACE(answer == Button::Yes ? "Yes" : "No");
    runAndKill();
    NextRun next(platform, {answer});
    Program& restarted = next.program;
    ASSERT_FALSE(next.dialogs.shown.empty());
    EXPECT_EQ(next.dialogs.shown.back().text,
              "The program was not closed properly. Restore the 3 changes made in that session?");
    if (answer == Button::No) {
      EXPECT_EQ(restarted.store.airports().count(), 0);
      EXPECT_TRUE(std::filesystem::exists(dir.path() / "survey_store.journal.set-aside1"));
      continue;  // the next run starts from the same empty store
    }
    EXPECT_EQ(restarted.store.airports().cell(1, 3), "ABC");
    EXPECT_EQ(restarted.store.airports().cell(1, 41), "CERTIFIED");
    EXPECT_EQ(restarted.store.childRows(TableKind::Runway, "ABC"), std::vector<int>{1})
        << "linked to its survey";
    next.dialogs.answer({Button::Yes, Button::Yes});
    ASSERT_TRUE(exitProgram(restarted));
    EXPECT_FALSE(journalExists(dir.path())) << "Exit ends the journal";
    SurveyStore saved;
    loadStore(saved, dir.path());
    EXPECT_EQ(saved.airports().cell(1, 41), "CERTIFIED");
    EXPECT_EQ(saved.runways().count(), 1);
  }
}

// A second copy, while the first holds the store: read-only (Yes) or quit (No).
TEST_F(StoreSessionTest, ASecondCopyIsToldWhoHoldsTheStoreAndSavesNothing) {
  start();  // this copy holds the store
  for (Button answer : {Button::Yes, Button::No}) {
    FakePlatform otherPlatform(dir.path());
    NextRun second(otherPlatform, {answer});
    Program& other = second.program;
    auto& otherDialogs = second.dialogs;
    ASSERT_FALSE(otherDialogs.shown.empty());
    EXPECT_NE(otherDialogs.shown[0].text.find("is in use by process " + std::to_string(::getpid())),
              std::string::npos)
        << otherDialogs.shown[0].text;
    EXPECT_EQ(otherPlatform.quitCalled, answer == Button::No);
    if (answer == Button::No) continue;
    other.store.appendAirport({{3, "RO"}});
    otherDialogs.answer({Button::Yes});  // exit; no save question follows
    EXPECT_TRUE(exitProgram(other));
    EXPECT_EQ(otherDialogs.shown.back().text, "Do you really want to exit program?");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "survey_apt.txt"));
  }
}

// A journal with nothing whole in it asks nothing, and what follows stays readable.
TEST_F(StoreSessionTest, AJournalTornBeforeItsFirstEntryIsStartedAfresh) {
  std::ofstream(dir.path() / kJournalName) << "J0000";
  start();
  EXPECT_TRUE(dialogs.shown.empty());
  program.store.appendAirport({{3, "ABC"}});
  program.tell("Airport Information Successfully Added");
  EXPECT_EQ(inspectJournal(dir.path()).entries, 1);
}

}  // namespace
}  // namespace survey
