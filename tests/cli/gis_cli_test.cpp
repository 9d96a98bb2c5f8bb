// survey-tool gis: writes the survey's layers; refusals on stderr with status 2.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../map/survey_sample.h"
#include "store/file_io.h"
#include "store/store_files.h"

namespace survey {
namespace {

namespace fs = std::filesystem;

TEST(GisCommand, WritesOrRefusesWithStatusAndMessage) {
  const fs::path dir = fs::temp_directory_path() / ("survey-gis-cli-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  SurveyStore store;
  testing::addSouthernSurvey(store);
  ASSERT_TRUE(saveStore(store, dir).ok());
  struct Case {
    std::string args;
    int status;
    std::string stream;  // "out" or "err"
    std::string text;
  };
  const std::string d = "'" + dir.string() + "'";
  const Case cases[] = {
      {d + " SBB " + d + "/sbb.gpkg", 0, "out", "Wrote 12 features of survey SBB to"},
      {d + " SBB " + d + "/sbb.kml", 0, "out", "sbb.kml"},
      {"SBB", 2, "err", "usage: survey-tool gis DIR KEY FILE"},
      {d + " XYZ " + d + "/x.gpkg", 2, "err", "There is no survey XYZ in the store."},
      {d + " SBB " + d + "/sbb.xlsx", 2, "err", "the file name must end in one of"},
      {d + "/none SBB " + d + "/x.gpkg", 2, "err", "is not a directory"},
  };
  for (const auto& c : cases) {
    const std::string command = std::string("'") + SURVEY_TOOL + "' gis " + c.args + " >'" +
                                (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() +
                                "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, c.status) << c.args;
    const std::string text = readWholeFile(dir / (c.stream + ".txt")).bytes;
    EXPECT_NE(text.find(c.text), std::string::npos) << c.args << ": " << text;
  }
  EXPECT_TRUE(fs::exists(dir / "sbb.gpkg"));
  EXPECT_FALSE(fs::exists(dir / "x.gpkg"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace survey
