// The store kept apart from the program: loaded from, saved to and shown from its own folder.
#include "shell/store_folder.h"

#include <fstream>
#include <sstream>

#include "shell/exit_help_print.h"
#include "shell/program_options.h"
#include "store/store_files.h"
#include "support/program_fixture.h"
#include "support/survey_rows.h"

namespace survey {
namespace {

class StoreFolderTest : public testing::ProgramTest {
 protected:
  StoreFolderTest() { platform.store = dir.path() / "data" / "airport-survey"; }
};

TEST_F(StoreFolderTest, ListComesFromTheStoreFolderAndExitSavesThereCreatingIt) {
  start();
  EXPECT_EQ(program.store.airports().count(), 0);
  program.store.appendAirport({{1, "Abc Field"}, {3, "ABC"}});
  dialogs.answer({Button::Yes, Button::Yes});
  ASSERT_TRUE(exitProgram(program));
  EXPECT_TRUE(std::filesystem::exists(platform.store / "survey_apt.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "survey_apt.txt"));

  // The next run reads it back from there.
  testing::NextRun next(platform);
  ASSERT_EQ(next.program.store.airports().count(), 1);
  EXPECT_EQ(next.program.store.airports().cell(1, 3), "ABC");
}

struct OpenFolderCase {
  const char* name;
  bool blockWithFile;  // a plain file where the folder should be
  bool openSucceeds;
  std::string message;  // part of the message shown; empty: none
  bool opened;
  friend void PrintTo(const OpenFolderCase& c, std::ostream* os) { *os << c.name; }
};

class OpenStoreFolderTest : public StoreFolderTest,
                            public ::testing::WithParamInterface<OpenFolderCase> {};

TEST_P(OpenStoreFolderTest, OpensTheFolderOrSaysWhyNot) {
  const OpenFolderCase& c = GetParam();
  if (c.blockWithFile) {
    std::ofstream(dir.path() / "data") << "x";
    dialogs.answer({Button::Yes});  // the store cannot be locked either: open it read-only
  }
  platform.openSucceeds = c.openSucceeds;
  MainScreen& mainScreen = start();
  const std::size_t shownAtStart = dialogs.shown.size();
  mainScreen.menuItem("MenuOpenStore").click();
  EXPECT_EQ(!platform.opened.empty(), c.opened);
  if (c.opened) {
    EXPECT_EQ(platform.opened.back(), platform.store.string());
  }
  if (c.message.empty()) {
    EXPECT_EQ(dialogs.shown.size(), shownAtStart);
    EXPECT_TRUE(std::filesystem::is_directory(platform.store));
  } else {
    ASSERT_EQ(dialogs.shown.size(), shownAtStart + 1);
    EXPECT_NE(dialogs.last().find(platform.store.string()), std::string::npos);
    EXPECT_NE(dialogs.last().find(c.message), std::string::npos) << dialogs.last();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenStoreFolderTest,
    ::testing::Values(OpenFolderCase{"NotYetSavedIsCreatedAndShown", false, true, "", true},
                      OpenFolderCase{"NoFileManager", false, false, "could not be shown", true},
                      OpenFolderCase{"CannotBeCreated", true, true, "cannot be created", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreFolderTest, OpenStoreFolderSitsInTheMainScreensFileMenuBeforeExit) {
  const auto& menus = start().menus();
  const auto file =
      std::find_if(menus.begin(), menus.end(), [](const Menu& m) { return m.name == "MenuFile"; });
  ASSERT_NE(file, menus.end());
  std::vector<std::string> captions;
  for (const auto& item : file->items) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Print", "Open Store Folder", "Exit"}));
}

TEST_F(StoreFolderTest, HelpIsFoundWhereThePackageInstallsIt) {
  platform.directory = dir.path() / "usr" / "bin";
  const auto installed = dir.path() / "usr" / "share" / "doc" / "airport-survey" / "help.pdf";
  std::filesystem::create_directories(installed.parent_path());
  std::filesystem::create_directories(platform.directory);
  std::ofstream(installed) << "%PDF";
  openHelp(program);
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], installed.string());
}

// Words of a command line, split at single spaces; "" is no word at all.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> result;
  std::istringstream in(line);
  for (std::string word; std::getline(in, word, ' ');) result.push_back(word);
  return result;
}

// Each command line read as the reviewed table says.
TEST(ProgramOptions, ReadsTheOptionsAndLeavesTheRest) {
  for (const auto& c : testing::caseTable("screens/program_options.cases", 6)) {
    const std::string &args = c[1], &store = c[2], &asked = c[3], &refusal = c[5];
    SCOPED_TRACE(c[0]);
    const ProgramOptions options = parseProgramOptions(words(args));
    if (!refusal.empty()) {
      EXPECT_NE(options.error.find(refusal), std::string::npos) << options.error;
      continue;
    }
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.store, store == "-" ? std::nullopt : std::optional<std::string>(store));
    EXPECT_EQ(options.showVersion, asked.find("version") != std::string::npos);
    EXPECT_EQ(options.showHelp, asked.find("help") != std::string::npos);
    EXPECT_EQ(options.rest, words(c[4]));
  }
}

}  // namespace
}  // namespace survey
