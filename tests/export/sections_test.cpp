// Profile tables, navaid groups, obstruction grouping, the closing block, and the
// line structure kept against over-long values.
#include "uddf/export/sections.h"

#include <gtest/gtest.h>

#include <sstream>

#include "export_fixture.h"
#include "store/file_io.h"
#include "support/fakes.h"
#include "support/survey_rows.h"
#include "uddf/export/uddf_export.h"

namespace survey::uddf::testing {
namespace {

using Strings = std::vector<std::string>;
using survey::testing::caseTable;
using survey::testing::fieldsOf;

// One column of the profile of one end of the runway row.
Strings profile(const SurveyStore& store, int row, RunwayEnd end, std::string ProfileRow::*field) {
  Strings out;
  for (const ProfileRow& point : buildProfileTable(store.runways(), row, end)) {
    out.push_back(point.*field);
  }
  return out;
}

// The profile's distances from one end, separated by "/".
std::string distances(const SurveyStore& store, int row, RunwayEnd end) {
  const Strings all = profile(store, row, end, &ProfileRow::distance);
  std::string text = all.empty() ? "" : all[0];
  for (std::size_t k = 1; k < all.size(); ++k) text += "/" + all[k];
  return text;
}

TEST(BuildProfileTable, BothEndsOrderedByDistance) {
  for (const auto& c : caseTable("export/profile_tables.cases", 4)) {
    SurveyStore store;
    const int row = addRunway(store, "K", fieldsOf(c[1]));
    EXPECT_EQ(distances(store, row, RunwayEnd::RwyId), c[2]) << c[0];
    EXPECT_EQ(distances(store, row, RunwayEnd::Opposite), c[3]) << c[0];
  }
}

TEST(BuildProfileTable, EqualDistancesKeepTheirCollectionOrder) {
  SurveyStore store;
  const int row = addRunway(
      store, "K",
      fieldsOf("2=09, 27=27, 5=1000, 14=1.0, 60=09, 61=0, 62=2.0, 65=27, 66=1000, 67=3.0, 36=4.0"));
  // At 0 the threshold was collected first; from the Opp. end 1000 - 1000 = 0 comes after it.
  EXPECT_EQ(profile(store, row, RunwayEnd::RwyId, &ProfileRow::orthometric),
            (Strings{"1.0", "2.0", "3.0", "4.0"}));
  EXPECT_EQ(profile(store, row, RunwayEnd::Opposite, &ProfileRow::orthometric),
            (Strings{"4.0", "3.0", "2.0", "1.0"}));
}

TEST(NavaidGroup, ByExactTypeText) {
  for (const auto& c : caseTable("export/navaid_groups.cases", 2)) {
    EXPECT_EQ(std::string(1, navaidGroup(c[0])), c[1]) << c[0];
  }
}

TEST(SurveyLine, DateAndTwelveHourTime) {
  for (const auto& c : caseTable("export/survey_line_moments.cases", 3)) {
    LocalDateTime at;
    std::istringstream(c[0]) >> at.year >> at.month >> at.day >> at.hour >> at.minute >> at.second;
    EXPECT_EQ(surveyLineDate(at), c[1]);
    EXPECT_EQ(surveyLineTime(at), c[2]);
  }
}

// The lines of a composed file, without their CR LF.
std::vector<std::string> lines(const ComposedUddf& composed) {
  std::vector<std::string> out;
  for (std::string_view line : splitLines(composed.bytes)) out.emplace_back(line);
  return out;
}

TEST(ClosingBlock, RemarksLinesRoundHalfToEven) {
  for (const auto& row : caseTable("export/remarks_lines.cases", 2)) {
    const struct { std::size_t length, lines; } c{std::stoul(row[0]), std::stoul(row[1])};
    std::string remarks;
    for (std::size_t i = 0; i < c.length; ++i) remarks += static_cast<char>('a' + i % 26);
    SurveyStore store;
    addSurvey(store, "K", "AOC", true, true, {{36, "  " + remarks + " "}});
    const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
    ASSERT_TRUE(composed.ok);
    const auto all = lines(composed);
    // rows 0-13, title, frame, survey line, remarks, EOF
    ASSERT_EQ(all.size(), 18 + c.lines) << c.length;
    std::string written;
    for (std::size_t i = 17; i + 1 < all.size(); ++i) {
      EXPECT_EQ(all[i][0], '|');
      EXPECT_EQ(all[i][121], '|');
      written += all[i].substr(1, 120);
    }
    std::string upper = remarks;
    for (char& ch : upper) ch = static_cast<char>(ch - 32);
    EXPECT_EQ(written.substr(0, c.length), upper) << c.length;
    EXPECT_EQ(written.find_first_not_of(' ', c.length), std::string::npos) << c.length;
  }
}

TEST(ClosingBlock, LongSurveyLineRunsOnUnderTheFrameAndStopsAtColumn200) {
  SurveyStore store;
  addSurvey(store, "K", "AOC", true, true, {{34, std::string(150, 'n')}, {35, "L1"}});
  const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(composed.ok);
  const std::string survey = lines(composed)[16];
  ASSERT_EQ(survey.size(), 200u);
  EXPECT_EQ(survey.substr(0, 33), "|SURVEY TYPE IS AOC.  SURVEYOR: N");
  EXPECT_EQ(survey[121], '|');  // the frame separator placed over the text
  EXPECT_EQ(survey.substr(180), "NN  LICENSE NO: L1 S");
}

TEST(ObstructionSection, SortedByRunwayAndGroupedByRunwayAndSurface) {
  SurveyStore store;
  addSurvey(store, "K", "AOC", true, true);
  survey::testing::addSurveyRows(store, "export/obstruction_groups.rows");
  const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(composed.ok);
  const auto all = lines(composed);
  std::vector<std::string> section;
  for (std::size_t i = 13; all[i][0] != '@'; ++i) section.push_back(all[i].substr(0, 14));
  const std::vector<std::string> expected{
      "|09  |PIR    |", "|B            ", "#             ", "|09  |HCT    |", "|D            ",
      "#             ", "|09  |PIR    |", "|E            ", "|G            ", "#             ",
      "|10  |       |", "|F            ", "#             ", "|18  |PIR    |", "|A            ",
      "#             ", "|27  |HCT    |", "|C            "};
  EXPECT_EQ(section, expected);
}

TEST(NavaidSection, GroupsOfMoreThanAHundredAreWrittenWhole) {
  SurveyStore store;
  addSurvey(store, "K", "NAVAID", true, true);
  for (int i = 0; i < 150; ++i) {
    addNavaid(store, "K", {{15, "LOC - Localizer"}, {2, std::to_string(i)}, {11, "NAVAID"}});
  }
  addNavaid(store, "K", {{15, "PLASI"}, {11, "NAVAID"}});
  const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(composed.ok);
  const auto all = lines(composed);
  EXPECT_EQ(all[10].substr(0, 12), "|LOC   (0)  ");
  EXPECT_EQ(all[159].substr(0, 12), "|LOC   (149)");
  EXPECT_EQ(all[160][0], '#');
  EXPECT_EQ(all[161].substr(0, 7), "|PLASI ");
  EXPECT_EQ(all[162][0], '#');
  EXPECT_EQ(all[163][0], '@');
}

TEST(NavaidSection, AlongDistanceIsNeverCarriedOverFromThePreviousNavaid) {
  SurveyStore store;
  addSurvey(store, "K", "NAVAID", true, false);
  addRunway(store, "K", fieldsOf("2=09, 27=27, 8=40, 9=38, 10=23, 11=73, 12=46, 13=44"));
  for (const char* runway : {"09", "36"}) {  // the second navaid's runway is not held
    addNavaid(store, "K",
              fieldsOf("15=LOC - Localizer, 1=" + std::string(runway) +
                       ", 11=CLPT, 20=40, 21=38, 22=21, 23=73, 24=46, 25=43.25"));
  }
  const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(composed.ok);
  const auto all = lines(composed);
  // rows 9-22: the runway; 23-26: the two navaids with their point lines
  EXPECT_EQ(all[23].substr(85, 8), "|   210|");
  EXPECT_EQ(all[24].substr(85, 8), "|   210|");
  EXPECT_EQ(all[25].substr(85, 8), "|      |");
  EXPECT_EQ(all[26].substr(85, 8), "|      |");
}

// Survey K with its airport row, or one runway or obstruction ("airport", "runway",
// "obstruction"), holding the fields.
void surveyWith(SurveyStore& store, const std::string& kind, const std::string& fields) {
  addSurvey(store, "K", "AOC", true, true);
  const FieldValues values = fieldsOf(fields);
  if (kind == "airport") {
    for (const auto& [field, value] : values) store.airports().setCell(1, field, value);
  }
  if (kind == "runway") addRunway(store, "K", values);
  if (kind == "obstruction") addObstruction(store, "K", values);
}

TEST(OverlongValue, IsCutAtItsSeparatorAndReported) {
  for (const auto& c : caseTable("export/overlong_values.cases", 7)) {
    SCOPED_TRACE(c[0]);
    SurveyStore store;
    surveyWith(store, c[1], c[2]);
    const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
    ASSERT_TRUE(composed.ok) << composed.error;
    EXPECT_EQ(lines(composed)[std::stoul(c[3])].substr(0, c[4].size()), c[4]);
    ASSERT_EQ(composed.shortened.size(), 1u);
    EXPECT_EQ(composed.shortened[0].field, c[5]);
    EXPECT_EQ(composed.shortened[0].written, c[6]);
  }
}

// A year of five digits makes an eight-character date item: each of the runway's date
// columns keeps its seven characters, and the separator after them stands.
TEST(OverlongValue, RunwaySurveyDateIsCutInEachOfItsColumns) {
  SurveyStore store;
  surveyWith(store, "runway", "1=03/05/20045, 2=09, 27=27");
  const ComposedUddf composed = composeUddf(store, "K", kExportMoment);
  ASSERT_TRUE(composed.ok) << composed.error;
  const auto all = lines(composed);
  EXPECT_EQ(all[9].substr(0, 18), "|09   | |0642004| ");
  EXPECT_EQ(all[11].substr(45, 10), "|0642004| ");  // columns 47 to 53
  EXPECT_EQ(all[14].substr(22, 10), "|0642004| ");  // the profile point at 0
  ASSERT_EQ(composed.shortened.size(), 6u);         // three lines at each end
  for (const ShortenedValue& value : composed.shortened) {
    EXPECT_EQ(value.field, "Survey Date");
    EXPECT_EQ(value.written, "0642004");
  }
}

TEST(OverlongValue, TooWideValueIsRefusedAndNoFileIsWritten) {
  for (const auto& c : caseTable("export/too_wide_values.cases", 4)) {
    SCOPED_TRACE(c[0]);
    SurveyStore store;
    surveyWith(store, c[1], c[2]);
    const survey::testing::TempDir scratch;
    const auto file = scratch.path() / "too-wide.f77";
    const ExportResult result = writeUddfFile(store, "K", file, [] { return kExportMoment; });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "The UDDF file was not written: the " + c[3]);
    EXPECT_FALSE(std::filesystem::exists(file));
  }
}

}  // namespace
}  // namespace survey::uddf::testing
