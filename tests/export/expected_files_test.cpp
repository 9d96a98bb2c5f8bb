// Whole exchange files compared byte for byte with reviewed expected files.
#include <gtest/gtest.h>

#include <string>

#include "export_fixture.h"
#include "store/file_io.h"
#include "support/survey_rows.h"
#include "uddf/export/uddf_export.h"

namespace survey::uddf::testing {
namespace {

TEST(ExpectedFile, MatchesTheReviewedFile) {
  for (const auto& c : survey::testing::caseTable("export/expected_files.cases", 3)) {
    SCOPED_TRACE(c[0]);
    SurveyStore store;
    survey::testing::addSurveyRows(store, "export/" + c[0] + ".rows");
    const ComposedUddf composed = composeUddf(store, c[1], kExportMoment);
    ASSERT_TRUE(composed.ok) << composed.error;
    EXPECT_TRUE(composed.shortened.empty());
    const ReadResult file =
        readWholeFile(std::string(SURVEY_TEST_DATA) + "/export/" + c[0] + ".uddf");
    ASSERT_TRUE(file.ok) << file.error;
    EXPECT_EQ(composed.bytes, file.bytes);  // a failure shows the lines that differ
    EXPECT_EQ(composed.lines, std::stoi(c[2]));
  }
}

}  // namespace
}  // namespace survey::uddf::testing
