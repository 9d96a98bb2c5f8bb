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
  expectAnswers("gis");
  EXPECT_TRUE(fs::exists(dir() / "sbb.gpkg"));
  EXPECT_FALSE(fs::exists(dir() / "x.gpkg"));
  EXPECT_TRUE(fs::is_fifo(dir() / "pipe.geojson"));
}

}  // namespace
}  // namespace survey::testing
