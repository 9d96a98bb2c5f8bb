// survey-tool gis: writes the survey's layers; refusals on stderr with status 2.
#include <sys/stat.h>

#include "../map/survey_sample.h"
#include "cli/tool_run.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

namespace fs = std::filesystem;

class GisCommand : public ToolTest {};

TEST_F(GisCommand, WritesOrRefusesWithStatusAndMessage) {
  SurveyStore store;
  addSouthernSurvey(store);
  ASSERT_TRUE(saveStore(store, dir()).ok());
  ASSERT_EQ(::mkfifo((dir() / "pipe.geojson").c_str(), 0600), 0);
  const std::string d = quoted(dir());
  const struct {
    std::string args;
    int status;
    bool onStdout;
    std::string text;
  } cases[] = {
      {d + " SBB " + d + "/sbb.gpkg", 0, true, "Wrote 12 features of survey SBB to"},
      {d + " SBB " + d + "/sbb.kml", 0, true, "sbb.kml"},
      {"SBB", 2, false, "usage: survey-tool gis DIR KEY FILE"},
      {d + " XYZ " + d + "/x.gpkg", 2, false, "There is no survey XYZ in the store."},
      {d + " SBB " + d + "/sbb.xlsx", 2, false, "the file name must end in one of"},
      {d + "/none SBB " + d + "/x.gpkg", 2, false, "is not a directory"},
      {d + " SBB " + d + "/pipe.geojson", 2, false,
       "it is a FIFO (named pipe), not a regular file"},
  };
  for (const auto& c : cases) {
    const ToolRun run = tool("gis " + c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    const std::string& text = c.onStdout ? run.out : run.err;
    EXPECT_NE(text.find(c.text), std::string::npos) << c.args << ": " << text;
  }
  EXPECT_TRUE(fs::exists(dir() / "sbb.gpkg"));
  EXPECT_FALSE(fs::exists(dir() / "x.gpkg"));
  EXPECT_TRUE(fs::is_fifo(dir() / "pipe.geojson"));
}

}  // namespace
}  // namespace survey::testing
