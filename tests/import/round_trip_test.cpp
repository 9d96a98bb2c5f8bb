// Export, import into an empty store, export again.
#include <gtest/gtest.h>

#include <set>

#include "import/import_test_support.h"
#include "store/file_io.h"
#include "support/survey_rows.h"
#include "uddf/export/uddf_export.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace survey::uddf {
namespace {

using namespace survey::uddf::testing;

const LocalDateTime kFirstExport{2026, 12, 5, 7, 45, 58};
const LocalDateTime kSecondExport{2027, 1, 2, 15, 0, 1};

// A certified survey as the screens store it, of what the format carries back.
const char* const kRoundTripSurvey = "import/round_trip.rows";

std::vector<std::string> linesOf(const std::string& file) {
  std::vector<std::string> lines;
  for (auto line : splitLines(file)) lines.emplace_back(line);
  return lines;
}

TEST(RoundTrip, ExportImportExportGivesTheSameFile) {
  SurveyStore original;
  survey::testing::addSurveyRows(original, kRoundTripSurvey);
  const ComposedUddf first = composeUddf(original, "RTF", kFirstExport);
  ASSERT_TRUE(first.ok) << first.error;
  // What the export writes is what the check accepts.
  for (const auto& problem : checkUddfText(first.bytes).problems)
    ADD_FAILURE() << describe(problem);

  SurveyStore imported;
  const ImportResult result = importUddfText(imported, first.bytes);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.runways, 2);
  EXPECT_EQ(result.navaids, 5);
  EXPECT_EQ(result.obstructions, 4);
  const ComposedUddf second = composeUddf(imported, "RTF", kSecondExport);
  ASSERT_TRUE(second.ok) << second.error;

  const auto before = linesOf(first.bytes);
  const auto after = linesOf(second.bytes);
  ASSERT_EQ(before.size(), after.size());
  int surveyLines = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i].find("|SURVEY TYPE IS") == 0) {
      ++surveyLines;  // only the time of writing differs
      EXPECT_EQ(before[i].substr(0, 70), after[i].substr(0, 70));
      EXPECT_NE(before[i], after[i]);
      continue;
    }
    EXPECT_EQ(before[i], after[i]) << "line " << i + 1;
  }
  EXPECT_EQ(surveyLines, 1);
  EXPECT_EQ(first.bytes.size(), second.bytes.size());
}

// Fields that come back different from what the screens stored, and why.
TEST(RoundTrip, FieldsTheFormatCannotCarryBack) {
  SurveyStore original;
  survey::testing::addSurveyRows(original, kRoundTripSurvey);
  Table& navaids = original.navaids();
  navaids.setCell(1, 1, "16");     // runway of the glide slope
  navaids.setCell(1, 14, "-250");  // the screen's distance box
  original.obstructions().setCell(1, 11, "7");
  // Remarks longer than one remarks line, and coordinates without minutes or seconds.
  original.airports().setCell(1, 36, std::string(150, 'R') + " and the rest");
  navaids.setCell(4, 4, "");
  navaids.setCell(4, 5, "");
  original.obstructions().setCell(4, 5, "");
  original.obstructions().setCell(4, 8, "");
  const ComposedUddf file = composeUddf(original, "RTF", kFirstExport);
  ASSERT_TRUE(file.ok);
  SurveyStore imported;
  ASSERT_TRUE(importUddfText(imported, file.bytes).ok);

  std::set<std::string> differences;
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    const Table& a = original.table(kind);
    const Table& b = imported.table(kind);
    ASSERT_EQ(a.count(), b.count()) << a.shape().name;
    for (int row = 1; row <= a.count(); ++row) {
      for (int field = 1; field <= a.shape().writtenFields; ++field) {
        if (a.cell(row, field) != b.cell(row, field)) {
          differences.insert(std::string(a.shape().name) + " " + std::to_string(row) + "." +
                             std::to_string(field) + " \"" + a.cell(row, field) + "\" -> \"" +
                             b.cell(row, field) + "\"");
        }
      }
    }
  }
  // The reviewed list says why each field differs.
  const auto listed = survey::testing::reviewedLines("import/round_trip_differences.txt");
  const std::set<std::string> expected(listed.begin(), listed.end());
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(differences, expected);
}

}  // namespace
}  // namespace survey::uddf
