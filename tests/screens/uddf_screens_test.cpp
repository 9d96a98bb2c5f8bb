#include <fstream>

#include "entry/import_screen.h"
#include "entry/output_file_screen.h"
#include "store/file_io.h"
#include "store/store_files.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

class UddfScreensTest : public ProgramTest {
 protected:
  UddfScreensTest() {
    program.exportClock = [] { return uddf::LocalDateTime{2026, 12, 5, 7, 45, 58}; };
  }
  void addSurvey(const std::string& key, const std::string& type, const std::string& status) {
    program.current().surveyType = type;
    program.store.appendAirport({{1, key + " Field"}, {3, key}, {5, "05/14/2026"}});
    program.store.airports().setCell(program.store.findSurveyRow(key), 41, status);
    program.current().storeLoaded = true;
  }
  void touchFile(const std::string& name) { std::ofstream(dir.path() / name) << "x"; }
  void createUddf() { click(MainScreen::kName, "Command1"); }
  FileChooserScreen& chooser(const char* name) {
    return static_cast<FileChooserScreen&>(program.screens.touch(name));
  }
};

TEST_F(UddfScreensTest, CreateUddfRefusesWithoutSurveyOrCertification) {
  addSurvey("ABC", "AOC", "NEW");
  start();
  program.current().surveyKey.clear();
  createUddf();
  EXPECT_EQ(dialogs.last(), "You must first select an airport.");
  program.current().surveyKey = "ABC";
  createUddf();
  EXPECT_EQ(dialogs.last(),
            "You must first certify this survey (Finalize Input on Airport Screen).");
  EXPECT_FALSE(shown(OutputFileScreen::kName));
}

TEST_F(UddfScreensTest, OkRefusesASurveyNoLongerCertifiedOrChosen) {
  addSurvey("ABC", "AOC", "CERTIFIED");
  start();
  for (const auto& c : caseTable("screens/uddf_late_refusals.cases", 3)) {
    program.store.airports().setCell(1, 41, "CERTIFIED");
    program.current().surveyKey = "ABC";
    createUddf();
    ASSERT_TRUE(shown(OutputFileScreen::kName));
    program.store.airports().setCell(1, 41, c[0]);
    program.current().surveyKey = c[1];
    type(OutputFileScreen::kName, "Text1", "late");
    click(OutputFileScreen::kName, "Command3");
    EXPECT_EQ(dialogs.last(), c[2]);
    EXPECT_FALSE(shown(OutputFileScreen::kName));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "late.f77"));
  }
}

TEST_F(UddfScreensTest, OkWritesTheFileWithTheTypesExtensionOnce) {
  // The file is composed once: one reading of the clock for each file written.
  int clockReadings = 0;
  const uddf::Clock clock = program.exportClock;
  program.exportClock = [&] { return ++clockReadings, clock(); };
  int n = 0;
  for (const auto& c : caseTable("screens/uddf_file_names.cases", 3)) {
    const std::string key = "K" + std::to_string(++n) + "X";
    addSurvey(key, c[0], "CERTIFIED");
    if (!program.screens.existing(MainScreen::kName)) start();
    program.current().surveyKey = key;
    createUddf();
    ASSERT_TRUE(shown(OutputFileScreen::kName)) << c[0];
    EXPECT_TRUE(shown(MainScreen::kName));  // the output-file screen stands beside it
    type(OutputFileScreen::kName, "Text1", c[1]);
    click(OutputFileScreen::kName, "Command3");
    const auto path = dir.path() / c[2];
    EXPECT_EQ(dialogs.last(), path.string() + " Successfully created");
    EXPECT_FALSE(shown(OutputFileScreen::kName));
    const std::string bytes = readWholeFile(path).bytes;
    ASSERT_FALSE(bytes.empty()) << c[2];
    EXPECT_EQ(bytes.substr(bytes.size() - 204), "EOF" + std::string(199, ' ') + "\r\n");
  }
  EXPECT_EQ(clockReadings, n);
  EXPECT_EQ(platform.busyDepth, 0);
  EXPECT_GE(platform.busyCount, 4);
}

TEST_F(UddfScreensTest, AFileThatCannotBeWrittenIsReportedNotAnnouncedAsCreated) {
  addSurvey("ABC", "AOC", "CERTIFIED");
  start();
  program.current().surveyKey = "ABC";
  createUddf();
  std::filesystem::create_directory(dir.path() / "taken.f77");
  type(OutputFileScreen::kName, "Text1", "taken");
  click(OutputFileScreen::kName, "Command3");
  EXPECT_EQ(dialogs.last().find("Successfully created"), std::string::npos);
  EXPECT_NE(dialogs.last().find("taken.f77"), std::string::npos);
}

// A name in the chosen folder that leads to one of the store's own files (a
// link planted there) is refused: the store file keeps its bytes.
TEST_F(UddfScreensTest, AnOutputFileThatIsAStoreFileIsRefused) {
  addSurvey("ABC", "AOC", "CERTIFIED");
  start();
  ASSERT_TRUE(saveStore(program.store, dir.path()).ok());
  const std::string airports = readWholeFile(dir.path() / "survey_apt.txt").bytes;
  std::filesystem::create_symlink(dir.path() / "survey_apt.txt", dir.path() / "link.f77");
  std::filesystem::create_hard_link(dir.path() / "survey_rwy.txt", dir.path() / "hard.f77");
  const struct {
    const char* typed;
    const char* storeFile;
  } cases[] = {{"link", "survey_apt.txt"}, {"hard", "survey_rwy.txt"}};
  for (const auto& c : cases) {
    program.current().surveyKey = "ABC";
    createUddf();
    type(OutputFileScreen::kName, "Text1", c.typed);
    click(OutputFileScreen::kName, "Command3");
    EXPECT_NE(dialogs.last().find(std::string("it is the store's own file ") + c.storeFile),
              std::string::npos)
        << dialogs.last();
    EXPECT_EQ(readWholeFile(dir.path() / "survey_apt.txt").bytes, airports);
  }
}

TEST_F(UddfScreensTest, FileListsShowAtMostAHundredNamesOfTheirKind) {
  for (int i = 0; i < 120; ++i) touchFile("f" + std::to_string(i) + ".txt");
  touchFile("plan.PDF");
  touchFile("notes.pdf");
  touchFile(".pdf");  // "*.pdf" matches a name that is all ending
  std::filesystem::create_directory(dir.path() / "folder.pdf");
  auto& output = chooser(OutputFileScreen::kName);
  EXPECT_EQ(output.directory().path(), dir.path().string());
  std::vector<std::string> pdfs = output.files().items();
  std::sort(pdfs.begin(), pdfs.end());
  EXPECT_EQ(pdfs, (std::vector<std::string>{".pdf", "notes.pdf", "plan.PDF"}));
  EXPECT_EQ(chooser(ImportScreen::kName).files().count(), 100);
}

// Opening a folder (what Enter does in its list) shows its folders and files, and nothing else.
TEST_F(UddfScreensTest, OpeningAFolderShowsItsContentAndWritesNothing) {
  std::filesystem::create_directories(dir.path() / "sub" / "deeper");
  touchFile("sub/plan.pdf");
  for (const char* name : {OutputFileScreen::kName, ImportScreen::kName}) {
    auto& folders = chooser(name).directory();
    folders.open("sub");
    EXPECT_EQ(folders.entries(), (std::vector<std::string>{"..", "deeper"}));
    EXPECT_EQ(chooser(name).files().items(), std::vector<std::string>{"plan.pdf"});
    folders.open("..");
    EXPECT_EQ(folders.path(), dir.path().string());
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(UddfScreensTest, ADriveThatCannotBeReadKeepsTheDirectory) {
  auto& output = chooser(OutputFileScreen::kName);
  output.drives().setDrive("/no/such/drive");
  EXPECT_EQ(dialogs.last(), "Invalid Drive");
  EXPECT_EQ(output.directory().path(), dir.path().string());
  output.drives().setDrive("/");
  EXPECT_EQ(output.directory().path(), "/");
}

TEST_F(UddfScreensTest, ImportAddsTheSurveyClosesTheEntryScreensAndRefreshesTheList) {
  addSurvey("ABC", "AOC", "CERTIFIED");
  ASSERT_TRUE(
      uddf::writeUddfFile(program.store, "ABC", dir.path() / "abc.f77", program.exportClock).ok);
  program.store.deleteSurvey("ABC");
  start();
  program.current().surveyKey.clear();
  click(MainScreen::kName, "Command2");
  ASSERT_TRUE(shown(ImportScreen::kName));
  click(ImportScreen::kName, "Command3");
  EXPECT_EQ(dialogs.last(), "Choose a UDDF file in the file list before pressing OK.");
  chooseItem(ImportScreen::kName, "List1", "abc.f77");
  click(ImportScreen::kName, "Command3");
  EXPECT_FALSE(shown(ImportScreen::kName));
  EXPECT_TRUE(shown(MainScreen::kName));
  auto& list = control<Grid>(MainScreen::kName, "GridAirport");
  ASSERT_EQ(list.rows(), 2);
  EXPECT_EQ(list.cell(1, 0), "ABC");
  EXPECT_EQ(program.current().surveyKey, "ABC");
  EXPECT_EQ(list.selectedRow(), 1);

  // The same file again is refused: the identifier is held now.
  click(MainScreen::kName, "Command2");
  chooseItem(ImportScreen::kName, "List1", "abc.f77");
  click(ImportScreen::kName, "Command3");
  EXPECT_EQ(dialogs.last(), "An airport with Location Identifier ABC already exists.");
  EXPECT_EQ(program.store.airports().count(), 1);
}

}  // namespace
}  // namespace survey::testing
