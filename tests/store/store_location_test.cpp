#include "store/store_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "store/store_files.h"
#include "support/fakes.h"

namespace survey {
namespace {
namespace fs = std::filesystem;

// The surveys are the user's business: every folder made for the store is
// its owner's alone, while a folder that was there keeps its permissions.
TEST(StoreLocation, FoldersMadeForTheStoreAreTheUsersAlone) {
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
  } cases[] = {
      {"the first save",
       [](const fs::path& store) {
         SurveyStore empty;
         EXPECT_TRUE(saveStore(empty, store).ok());
       }},
      {"the store folder opened",
       [](const fs::path& store) {
         std::error_code error;
         createStoreFolder(store, error);
         EXPECT_FALSE(error) << error.message();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir home;
    fs::permissions(home.path(), fs::perms(0755));
    const fs::path share = home.path() / ".local" / "share";
    c.make(share / kDataFolderName);
    for (const fs::path& made : {home.path() / ".local", share, share / kDataFolderName}) {
      EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    }
    EXPECT_EQ(fs::status(home.path()).permissions(), fs::perms(0755));
  }
}

TEST(StoreLocation, ChoosesTheFolder) {
  constexpr ProgramFolderFacts kPortable{false, true, false};
  constexpr ProgramFolderFacts kHoldsFiles{true, false, false};
  constexpr ProgramFolderFacts kUnwritable{false, false, false};
  constexpr ProgramFolderFacts kSystem{true, true, true};  // root in /usr/bin
  const struct {
    const char* what;
    std::optional<fs::path> option;
    ProgramFolderFacts folder;
    std::string xdg, home;
    fs::path expected;
  } cases[] = {
      {"option wins over a portable folder", "/srv/st", kPortable, "/x", "/h", "/srv/st"},
      {"writable folder", {}, kPortable, "/x", "/h", "/opt/survey"},
      {"read-only folder with store files", {}, kHoldsFiles, "/x", "/h", "/opt/survey"},
      {"unwritable: XDG data home", {}, kUnwritable, "/x", "/h", "/x/airport-survey"},
      {"XDG unset: home", {}, kUnwritable, "", "/h", "/h/.local/share/airport-survey"},
      {"relative XDG is ignored", {}, kUnwritable, "rel", "/h", "/h/.local/share/airport-survey"},
      {"system folder is never used", {}, kSystem, "", "/h", "/h/.local/share/airport-survey"},
      {"no home at all: beside the program", {}, kUnwritable, "", "", "/opt/survey"},
  };
  for (const auto& c : cases) {
    const StoreLocationInput input{"/opt/survey", c.option, c.folder, c.xdg, c.home};
    EXPECT_EQ(chooseStoreDirectory(input), c.expected) << c.what;
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
