#include "store/store_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "store/store_files.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey {
namespace {
namespace fs = std::filesystem;

// The surveys are the user's business: every folder made for the store is
// its owner's alone, while a folder that was there keeps its permissions.
TEST(StoreLocation, FoldersMadeForTheStoreAreTheUsersAlone) {
  for (const bool bySave : {true, false}) {
    SCOPED_TRACE(bySave ? "the first save" : "the store folder opened");
    testing::TempDir home;
    fs::permissions(home.path(), fs::perms(0755));
    const fs::path share = home.path() / ".local" / "share";
    if (bySave) {
      SurveyStore empty;
      EXPECT_TRUE(saveStore(empty, share / kDataFolderName).ok());
    } else {
      std::error_code error;
      createStoreFolder(share / kDataFolderName, error);
      EXPECT_FALSE(error) << error.message();
    }
    for (const fs::path& made : {home.path() / ".local", share, share / kDataFolderName}) {
      EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    }
    EXPECT_EQ(fs::status(home.path()).permissions(), fs::perms(0755));
  }
}

TEST(StoreLocation, ChoosesTheFolder) {
  const std::map<std::string, ProgramFolderFacts> folders{{"portable", {false, true, false}},
                                                          {"holds files", {true, false, false}},
                                                          {"unwritable", {false, false, false}},
                                                          {"system", {true, true, true}}};
  for (const auto& c : testing::caseTable("store/store_folders.cases", 6)) {
    const std::optional<fs::path> option =
        c[1].empty() ? std::nullopt : std::optional<fs::path>(c[1]);
    const StoreLocationInput input{"/opt/survey", option, folders.at(c[2]), c[3], c[4]};
    EXPECT_EQ(chooseStoreDirectory(input), fs::path(c[5])) << c[0];
  }
}

TEST(StoreLocation, InspectsTheProgramFolderOnDisk) {
  testing::TempDir dir;
  ProgramFolderFacts facts = inspectProgramFolder(dir.path());
  EXPECT_FALSE(facts.holdsStoreFiles);
  EXPECT_TRUE(facts.writable);
  EXPECT_FALSE(facts.systemFolder);

  std::ofstream(dir.path() / "survey_obs.txt") << "0 : 3.7\r\n";
  ::chmod(dir.path().c_str(), 0555);
  facts = inspectProgramFolder(dir.path());
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_TRUE(facts.holdsStoreFiles);
  EXPECT_EQ(facts.writable, ::geteuid() == 0);  // only root writes past the mode bits

  EXPECT_FALSE(inspectProgramFolder(dir.path() / "missing").writable);
  EXPECT_TRUE(inspectProgramFolder("/usr/bin/").systemFolder);
  EXPECT_TRUE(inspectProgramFolder("/usr/local/bin").systemFolder);
  EXPECT_FALSE(inspectProgramFolder("/usr/lib").systemFolder);
}

TEST(StoreLocation, FollowsTheEnvironmentAndTheStoreOption) {
  testing::TempDir dir;
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
  // A program folder that is not there cannot be written: the data folder is used.
  EXPECT_EQ(storeDirectoryFor(dir.path() / "gone", std::nullopt), dir.path() / "airport-survey");
  EXPECT_EQ(storeDirectoryFor("/usr/bin", std::nullopt), dir.path() / "airport-survey");
  EXPECT_EQ(storeDirectoryFor(dir.path(), std::nullopt), dir.path());
  // --store with a relative folder means the folder from where the program started.
  EXPECT_EQ(storeDirectoryFor("/usr/bin", fs::path("rel")), fs::current_path() / "rel");
  if (oldXdg) {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

TEST(StoreLocation, HelpBesideTheProgramComesBeforeTheInstalledOne) {
  testing::TempDir dir;
  const fs::path bin = dir.path() / "usr" / "bin";
  const fs::path installed = dir.path() / "usr" / "share" / "doc" / "airport-survey" / "help.pdf";
  fs::create_directories(bin);
  EXPECT_EQ(findHelpDocument(bin), bin / "help.pdf");  // neither: the usual place
  fs::create_directories(installed.parent_path());
  std::ofstream(installed) << "%PDF";
  EXPECT_EQ(findHelpDocument(bin), installed);
  std::ofstream(bin / "help.pdf") << "%PDF";
  EXPECT_EQ(findHelpDocument(bin), bin / "help.pdf");
}

}  // namespace
}  // namespace survey
