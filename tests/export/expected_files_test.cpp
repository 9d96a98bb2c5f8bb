// Whole exchange files compared byte for byte with reviewed expected files.
#include <gtest/gtest.h>

#include <string>

#include "export_fixture.h"
#include "store/file_io.h"
#include "support/survey_rows.h"
#include "uddf/export/uddf_export.h"

namespace survey::uddf::testing {
namespace {

// The survey in <name>.rows is written as <name>.uddf.
struct ExpectedFile {
  const char* name;
  const char* key;
  int lines;
};

class ExpectedFileTest : public ::testing::TestWithParam<ExpectedFile> {};

TEST_P(ExpectedFileTest, MatchesTheReviewedFile) {
  const ExpectedFile& expected = GetParam();
  SurveyStore store;
  survey::testing::addSurveyRows(store, "export/" + std::string(expected.name) + ".rows");
  const ComposedUddf composed = composeUddf(store, expected.key, kExportMoment);
  ASSERT_TRUE(composed.ok) << composed.error;
  EXPECT_TRUE(composed.shortened.empty());

  const ReadResult file =
      readWholeFile(std::string(SURVEY_TEST_DATA) + "/export/" + expected.name + ".uddf");
  ASSERT_TRUE(file.ok) << file.error;
  EXPECT_EQ(composed.bytes, file.bytes);  // a failure shows the lines that differ
  EXPECT_EQ(composed.lines, expected.lines);
}

void PrintTo(const ExpectedFile& c, std::ostream* out) {
  *out << c.name;
}
INSTANTIATE_TEST_SUITE_P(Surveys, ExpectedFileTest,
                         ::testing::Values(ExpectedFile{"empty_survey", "KEMP", 18},
                                           ExpectedFile{"runways", "KRWY", 66},
                                           ExpectedFile{"navaids", "KNAV", 43},
                                           ExpectedFile{"obstructions", "KOBS", 38}),
                         [](const auto& info) { return std::string(info.param.key); });

}  // namespace
}  // namespace survey::uddf::testing
