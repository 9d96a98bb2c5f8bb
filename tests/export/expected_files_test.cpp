// Whole exchange files compared byte for byte with reviewed expected files.
#include <gtest/gtest.h>

#include <algorithm>
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
  const std::vector<std::string_view> want = splitLines(file.bytes);
  const std::vector<std::string_view> got = splitLines(composed.bytes);
  EXPECT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
    EXPECT_EQ(got[i], want[i]) << "line " << i;
  }
  EXPECT_EQ(composed.bytes, file.bytes);
  EXPECT_EQ(composed.lines, expected.lines);

  // Every line is 200 characters and ends in CR LF; the last is "EOF" and 199 blanks.
  std::size_t at = 0;
  for (int line = 0; line < composed.lines; ++line) {
    const std::size_t end = composed.bytes.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(end - at, line + 1 == composed.lines ? 202u : 200u) << "line " << line;
    at = end + 2;
  }
  EXPECT_EQ(at, composed.bytes.size());
  EXPECT_EQ(got.back(), "EOF" + std::string(199, ' '));
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
