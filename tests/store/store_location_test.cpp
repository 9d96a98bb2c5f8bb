#include "store/store_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "store/store_files.h"
#include "support/fakes.h"

namespace survey {
namespace {
namespace fs = std::filesystem;

struct LocationCase {
  const char* name;
  std::optional<fs::path> option;
  ProgramFolderFacts folder;
  std::string xdg;
  std::string home;
  fs::path expected;
};

class StoreLocationRule : public ::testing::TestWithParam<LocationCase> {};

TEST_P(StoreLocationRule, ChoosesTheFolder) {
  const LocationCase& c = GetParam();
  StoreLocationInput input{"/opt/survey", c.option, c.folder, c.xdg, c.home};
  EXPECT_EQ(chooseStoreDirectory(input), c.expected);
}

constexpr ProgramFolderFacts kPortable{false, true, false};
constexpr ProgramFolderFacts kHoldsFiles{true, false, false};
constexpr ProgramFolderFacts kUnwritable{false, false, false};
constexpr ProgramFolderFacts kSystem{true, true, true};  // root in /usr/bin

void PrintTo(const LocationCase& c, std::ostream* out) {
  *out << c.name;
}
INSTANTIATE_TEST_SUITE_P(
    Cases, StoreLocationRule,
    ::testing::Values(
        LocationCase{"OptionWinsOverAPortableFolder", "/srv/st", kPortable, "/x", "/h", "/srv/st"},
        LocationCase{"WritableFolder", {}, kPortable, "/x", "/h", "/opt/survey"},
        LocationCase{"ReadOnlyFolderWithStoreFiles", {}, kHoldsFiles, "/x", "/h", "/opt/survey"},
        LocationCase{"UnwritableUsesXdgDataHome", {}, kUnwritable, "/x", "/h", "/x/airport-survey"},
        LocationCase{
            "UnsetXdgUsesHome", {}, kUnwritable, "", "/h", "/h/.local/share/airport-survey"},
        LocationCase{
            "RelativeXdgIsIgnored", {}, kUnwritable, "rel", "/h", "/h/.local/share/airport-survey"},
        LocationCase{"SystemFolderNeverHoldsTheStore",
                     {},
                     kSystem,
                     "",
                     "/root",
                     "/root/.local/share/airport-survey"},
        LocationCase{"NoHomeAtAllStaysBesideTheProgram", {}, kUnwritable, "", "", "/opt/survey"}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(StoreLocation, FirstSaveCreatesTheDataFolder) {
  testing::TempDir dir;
  const fs::path folder = dir.path() / "share" / "airport-survey";
  SurveyStore store;
  ASSERT_TRUE(saveStore(store, folder).ok());
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
    EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
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
