// The store across runs: restoring what a killed run changed, and a second
// copy of the program beside the one that holds the store.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>

#include "entry/import_screen.h"
#include "entry/obstruction_list_import.h"
#include "shell/exit_help_print.h"
#include "store/file_io.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"
#include "survey/profile_point_groups.h"

namespace survey {
namespace {

using testing::FakePlatform;
using testing::NextRun;
using testing::ProgramTest;

// The platform of a run in a child process, which stops there (to be killed)
// once the Exit's save is over, before the journal is removed.
class ChildPlatform : public FakePlatform {
 public:
  using FakePlatform::FakePlatform;
  void setBusy(bool busy) override {
    FakePlatform::setBusy(busy);
    if (!busy && busyDepth == 0 && stopAfterSave) stop();
  }
  bool stopAfterSave = false;
  std::function<void()> stop;
};

// A run of the program on the store in directory, in a child process: it does
// `work`, answering `answers`, and is killed right after it (or, when the work
// exits with a save, right after the save). Returns the tables as the child
// held them then.
std::string runAndKill(const std::filesystem::path& directory,
                       const std::function<void(Program&, ChildPlatform&)>& work,
                       std::initializer_list<Button> answers = {}) {
  int ready[2];
  if (::pipe(ready) != 0) return "no pipe";
  const std::filesystem::path tables = directory.string() + "-child-tables";
  const pid_t child = ::fork();
  if (child == 0) {
    ChildPlatform platform(directory);
    NextRun next(platform);
    next.dialogs.answer(answers);
    platform.stop = [&] {
      std::ofstream(tables, std::ios::binary) << testing::surveyRowsText(next.program.store);
      if (::write(ready[1], "y", 1) != 1) ::_exit(1);
      ::pause();
    };
    work(next.program, platform);
    platform.stop();
  }
  char done = 0;
  const bool stopped = ::read(ready[0], &done, 1) == 1;
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  const std::string held = stopped ? readWholeFile(tables).bytes : "(the child ended early)";
  std::filesystem::remove(tables);
  return held;
}

// The store the next run finds, as loaded.
std::string savedTables(const std::filesystem::path& directory) {
  SurveyStore saved;
  loadStore(saved, directory, StoreAccess::Reader);
  return testing::surveyRowsText(saved);
}

class StoreSessionTest : public ProgramTest {
 protected:
  // A run that makes three changes, as the screens make them, and is killed.
  void runAndKill() {
    survey::runAndKill(dir.path(), [](Program& run, ChildPlatform&) {
      run.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
      run.tell("Airport Information Successfully Added");
      run.store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}});
      run.store.updateRow(TableKind::Airport, 1, {{41, "CERTIFIED"}});  // no message follows
    });
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

// Three surveys saved as the store, each with a runway: what the runs below start from.
void saveThreeSurveys(const std::filesystem::path& directory) {
  SurveyStore store;
  for (const char* key : {"MB1", "MB2", "HF3"}) {
    store.appendAirport({{1, std::string(key) + " Field"}, {3, key}});
    store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}});
  }
  ASSERT_TRUE(saveStore(store, directory).ok());
}

// Deletes the first survey (the rows after it move up) and certifies the last.
void deleteAndCertify(Program& run, ChildPlatform&) {
  run.store.deleteSurvey("MB1");
  run.store.updateRow(TableKind::Airport, run.store.findSurveyRow("HF3"), {{41, "CERTIFIED"}});
}

// Writes a file of `size` bytes, holes mostly; its first bytes are "precious".
void writeOtherFile(const std::filesystem::path& path, std::uintmax_t size = 8) {
  std::ofstream(path) << "precious";
  std::filesystem::resize_file(path, size);
}

TEST(StoreGenerations, AJournalIsAppliedOnlyToTheStoreItWasWrittenFor) {
  namespace fs = std::filesystem;
  // Leaves the store and journal as the interrupted run did; returns the tables the
  // restarted program must show.
  const std::map<std::string, std::function<std::string(const fs::path&)>> leave = {
      {"store unchanged since the journal began",
       [](const fs::path& d) { return runAndKill(d, deleteAndCertify); }},
      {"one change",
       [](const fs::path& d) {
         return runAndKill(d, [](Program& run, ChildPlatform&) {
           run.store.updateRow(TableKind::Airport, 2, {{41, "CERTIFIED"}});
         });
       }},
      {"cut after its own Exit saved, before the journal was removed",
       [](const fs::path& d) {
         return runAndKill(d,
                           [](Program& run, ChildPlatform& platform) {
                             deleteAndCertify(run, platform);
                             platform.stopAfterSave = true;
                             exitProgram(run);
                           },
                           {Button::Yes, Button::Yes});
       }},
      {"store saved by another writer since",
       [](const fs::path& d) {
         runAndKill(d, deleteAndCertify);
         SurveyStore other;  // as survey-tool import does
         loadStore(other, d);
         other.appendAirport({{1, "Imported Field"}, {3, "IMP"}});
         EXPECT_TRUE(saveStore(other, d).ok());
         return savedTables(d);
       }},
      {"journal of an older version, naming no store",
       [](const fs::path& d) {
         runAndKill(d, deleteAndCertify);
         // Without its first entry, when that names the store.
         std::string bytes = readWholeFile(d / kJournalName).bytes;
         if (bytes.find("1:G16:") == 26) {
           bytes.erase(0, 26 + std::stoul(bytes.substr(1, 8), nullptr, 16));
         }
         EXPECT_EQ(writeFileAtomically(d / kJournalName, bytes), "");
         return savedTables(d);
       }},
      {"journal a symbolic link",
       [](const fs::path& d) {
         writeOtherFile(d / "other.txt");
         fs::create_symlink(d / "other.txt", d / kJournalName);
         return savedTables(d);
       }},
      {"journal a hard link",
       [](const fs::path& d) {
         writeOtherFile(d / "other.txt");
         fs::create_hard_link(d / "other.txt", d / kJournalName);
         return savedTables(d);
       }},
      {"journal too large",
       [](const fs::path& d) {
         writeOtherFile(d / kJournalName, std::uintmax_t{300} << 20);
         return savedTables(d);
       }},
  };
  for (const auto& situation : testing::caseTable("screens/journal_situations.cases", 4)) {
    SCOPED_TRACE(situation[0]);
    // Each situation on its own: an unexpected question fails it alone.
    const auto check = [&] {
      testing::TempDir dir;
      saveThreeSurveys(dir.path());
      const std::string expected = leave.at(situation[0])(dir.path());
      const fs::path journal = dir.path() / kJournalName;
      const bool refused = situation[2].find("cannot be used") != std::string::npos;
      const std::uintmax_t refusedSize = refused ? fs::file_size(journal) : 0;
      FakePlatform platform(dir.path());
      NextRun next(platform, situation[1] == "Yes" ? std::initializer_list{Button::Yes}
                                                   : std::initializer_list<Button>{});
      const std::vector<std::string> told = next.dialogs.texts();
      if (situation[2].empty()) {
        EXPECT_TRUE(told.empty()) << told.front();
      } else {
        ASSERT_EQ(told.size(), 1u);
        EXPECT_NE(told[0].find(situation[2]), std::string::npos) << told[0];
      }
      EXPECT_EQ(testing::surveyRowsText(next.program.store), expected);
      EXPECT_EQ(fs::exists(dir.path() / "survey_store.journal.set-aside1"), situation[3] == "yes");
      if (refused) {  // left as it was, and the file it names too
        EXPECT_EQ(fs::file_size(journal), refusedSize);
        EXPECT_EQ(readWholeFile(journal, refusedSize).bytes.substr(0, 8), "precious");
      }
      // What the store keeps at the next Exit: each survey once, none lost.
      next.dialogs.answer({Button::Yes, Button::Yes});
      ASSERT_TRUE(exitProgram(next.program));
      EXPECT_EQ(savedTables(dir.path()), expected);
    };
    try {
      check();
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
    }
  }
}

// The store each change below is made to: a survey with a row of each table, and another.
void saveTwoSurveys(const std::filesystem::path& directory) {
  SurveyStore store;
  testing::applyChanges(store,
                        "append airport 1=Abc Field, 3=ABC; append runway 2=09, 27=27; append "
                        "navaid 1=VOR; append obstruction 1=Tree; append airport 1=Def Field, "
                        "3=DEF; append navaid 1=NDB");
  ASSERT_TRUE(saveStore(store, directory).ok());
}

void clickOn(Program& run, const std::string& screen, const std::string& button) {
  run.screens.touch(screen).get<CommandButton>(button).click();
}

TEST(StoreCompleteness, EveryKindOfChangeAloneIsRestoredAfterAKill) {
  for (const auto& c : testing::caseTable("screens/killed_changes.cases", 3)) {
    SCOPED_TRACE(c[0]);
    const auto change = [&c](Program& run) {
      testing::applyChanges(run.store, c[1]);
      if (c[2] == "tell it was added") run.tell("Airport Information Successfully Added");
      if (c[2] == "store a profile point") {  // as the profile screen stores one
        storeProfilePoint(run.store.runways(), 1, {"09", "1200", "10.5", "11.5"});
        run.store.noteRowChanged(TableKind::Runway, 1);
      }
      if (c[2] == "import krwy.f77") {
        clickOn(run, MainScreen::kName, "Command2");
        auto& files = run.screens.touch(ImportScreen::kName).get<ListBox>("List1");
        for (int index = 0; index < files.count(); ++index) {
          if (files.item(index) == "krwy.f77") files.choose(index);
        }
        clickOn(run, ImportScreen::kName, "Command3");
      }
      if (c[2] == "import the obstruction list") importObstructionList(run);
    };
    testing::TempDir dir;
    saveTwoSurveys(dir.path());
    std::filesystem::copy_file(std::string(SURVEY_TEST_DATA) + "/export/runways.uddf",
                               dir.path() / "krwy.f77");
    std::ofstream(dir.path() / kObstructionListFile) << "STREET LIGHT,401234.56,0953012.34,12\r\n";
    const std::string before = savedTables(dir.path());
    const std::string child = runAndKill(dir.path(), [&change](Program& run, ChildPlatform&) {
      run.current().surveyKey = "ABC";
      change(run);
    });
    EXPECT_NE(child, before) << "the change was made";
    FakePlatform platform(dir.path());
    NextRun next(platform, {Button::Yes});
    EXPECT_EQ(next.dialogs.texts().size(), 1u);
    EXPECT_EQ(testing::surveyRowsText(next.program.store), child);
  }
}

}  // namespace
}  // namespace survey
