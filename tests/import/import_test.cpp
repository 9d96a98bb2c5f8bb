#include <gtest/gtest.h>

#include "import/import_test_support.h"
#include "support/survey_rows.h"
#include "uddf/import/section_walker.h"
#include "uddf/import/uddf_import.h"

namespace survey::uddf {
namespace {

using namespace survey::uddf::testing;

TEST(SectionWalker, TwoRunwaysAndEverySection) {
  // The routes in their order of declaration.
  const std::string routes[] = {"AirportLine", "AirportEnd", "RunwayFirstEnd", "RunwaySecondEnd",
                                "Electronic",  "Visual",     "Other",          "Obstruction",
                                "Comments",    "Marker"};
  SectionWalker walker;
  int step = 0;
  for (const auto& c : survey::testing::caseTable("import/section_walk.cases", 3)) {
    SCOPED_TRACE("step " + std::to_string(++step) + ": " + c[0]);
    const RoutedLine routed = walker.next(c[0]);
    EXPECT_EQ(routes[static_cast<int>(routed.route)], c[1]);
    EXPECT_EQ(routed.lineNumber, std::stoi(c[2]));
  }
  EXPECT_EQ(step, 30);
  EXPECT_EQ(walker.section(), Section::Comments);
}

TEST(Import, SampleFileFillsEveryTable) {
  SurveyStore store;
  store.current.surveyKey = "OLD";
  const ImportResult result = importUddfText(store, sampleFile());
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(result.airportRow, 1);
  EXPECT_EQ(store.current.surveyKey, "ABC");
  EXPECT_EQ(store.current.surveyName, "TEST FIELD");
  EXPECT_EQ(store.current.runwayEnd, "18");

  survey::testing::expectSurveyRows(store, "import/two_runways.rows");
}

TEST(Import, RefusalsLeaveTablesAndCurrentSurveyAlone) {
  const struct {
    const char* why;
    std::string file;
    std::string message;
  } cases[] = {
      {"version", joinLines(concat({airportSection("NEW", "1.06"), emptyRest()})),
       std::string(kWrongVersionMessage)},
      {"version with blanks", joinLines(concat({airportSection("NEW", " 1.070 "), emptyRest()})),
       std::string(kWrongVersionMessage)},
      {"no separators", "UDDF 1.07\r\n", std::string(kWrongVersionMessage)},
      {"duplicate", joinLines(concat({airportSection(" HELD "), emptyRest()})),
       "An airport with Location Identifier HELD already exists."},
      {"empty", "", std::string(kEmptyFileMessage)},
  };
  for (const auto& c : cases) {
    SurveyStore store;
    store.airports().appendRow();
    store.airports().setCell(1, 3, "HELD");
    store.current.surveyKey = "HELD";
    const std::string before = stateOf(store);
    const ImportResult result = importUddfText(store, c.file);
    EXPECT_FALSE(result.ok) << c.why;
    EXPECT_EQ(result.message, c.message) << c.why;
    EXPECT_EQ(stateOf(store), before) << c.why;
  }
}

TEST(Import, FullTablesRefuseTheWholeFile) {
  SurveyStore full;
  full.airports().setCount(1000);
  EXPECT_EQ(importUddfText(full, sampleFile()).message, kSurveyListFullMessage);
  EXPECT_EQ(full.airports().count(), 1000);

  // Room for one runway, but the file holds two: nothing of the file is kept.
  for (auto [kind, room] : {std::pair{TableKind::Runway, 1}, std::pair{TableKind::Navaid, 4},
                            std::pair{TableKind::Obstruction, 2}}) {
    SurveyStore store;
    Table& table = store.table(kind);
    table.setCount(static_cast<int16_t>(table.shape().capacity - room));
    const std::string before = stateOf(store);
    const ImportResult result = importUddfText(store, sampleFile());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, tableOverflowMessage(kind, room));
    EXPECT_NE(result.message.find(std::string(table.shape().name) + " table is full"),
              std::string::npos);
    EXPECT_EQ(stateOf(store), before);
    EXPECT_EQ(store.airports().cell(1, 3), "");
  }
  // Exactly enough room is enough.
  SurveyStore exact;
  exact.runways().setCount(998);
  exact.navaids().setCount(9995);
  exact.obstructions().setCount(32764);
  const ImportResult result = importUddfText(exact, sampleFile());
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(exact.obstructions().count(), 32767);
  EXPECT_EQ(exact.obstructions().cell(32767, 25), " 32767 ");
  EXPECT_EQ(exact.navaids().cell(10000, 19), " 10000 ");
}

TEST(Import, DeletedSurveyDoesNotCountAsHeldAndRowsAppendAfterOthers) {
  SurveyStore store;
  ASSERT_TRUE(importUddfText(store, sampleFile()).ok);
  EXPECT_EQ(importUddfText(store, sampleFile()).message, duplicateSurveyMessage("ABC"));
  store.deleteSurvey("ABC");
  const std::string other = joinLines(concat({airportSection("XYZ"), emptyRest()}));
  ASSERT_TRUE(importUddfText(store, other).ok);
  ASSERT_TRUE(importUddfText(store, sampleFile()).ok);
  EXPECT_EQ(store.airports().count(), 2);
  EXPECT_EQ(store.findSurveyRow("ABC"), 2);
  EXPECT_EQ(store.childRows(TableKind::Navaid, "ABC"), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(Import, TwoImportsKeepTheirRemarksApart) {
  SurveyStore store;
  ASSERT_TRUE(
      importUddfText(store, joinLines(concat({airportSection("A1"), emptyRest("FIRST")}))).ok);
  ASSERT_TRUE(
      importUddfText(store, joinLines(concat({airportSection("B2"), emptyRest("SECOND")}))).ok);
  ASSERT_TRUE(importUddfText(store, joinLines(concat({airportSection("C3"), emptyRest()}))).ok);
  EXPECT_EQ(store.airports().cell(1, 36), " FIRST");
  EXPECT_EQ(store.airports().cell(2, 36), " SECOND");
  EXPECT_EQ(store.airports().cell(3, 36), "");
  EXPECT_EQ(store.current.surveyKey, "C3");
}

TEST(Import, ShortFilesStillGiveASurvey) {
  SurveyStore store;
  auto lines = airportSection("TOP");
  ASSERT_TRUE(importUddfText(store, joinLines(lines)).ok);  // ends right after line 9
  EXPECT_EQ(store.airports().count(), 1);
  EXPECT_EQ(store.runways().count(), 0);
  EXPECT_EQ(store.airports().cell(1, 7), "34");
  EXPECT_EQ(store.airports().cell(1, 39), "True");

  SurveyStore onlyFirst;
  ASSERT_TRUE(importUddfText(onlyFirst, "|ONE| | |1.07|").ok);  // no line end, no name
  EXPECT_EQ(onlyFirst.current.surveyKey, "ONE");
  EXPECT_EQ(onlyFirst.current.surveyName, "");
}

std::vector<std::string> runwayEnd(const std::string& id, const std::string& length,
                                   const std::vector<std::string>& profile) {
  std::vector<std::string> lines{"|" + id + "|P|0452006|",
                                 "|N|0452006|",
                                 "|340507.2500|-1181530.2000|90|" + length + "|150|0452006|",
                                 "|100.0|80.0|0452006|",
                                 "| | | |",
                                 "|    0|  100.0|   80.0|"};
  lines.insert(lines.end(), profile.begin(), profile.end());
  return lines;
}

TEST(Import, ProfilePointsOfTheFirstEnd) {
  std::vector<std::string> thirty;
  for (int d = 1; d <= 30; ++d) thirty.push_back("|" + std::to_string(d * 10) + "|1.0|2.0|");
  const std::vector<std::string> secondEnd = {"|27|",  "|Y|",           "|||270|",     "|1|2|",
                                              "|||7|", "|  0|9.0|9.0|", "|30|5.0|5.0|"};
  SurveyStore store;
  const auto file =
      joinLines(concat({airportSection("P"),
                        runwayEnd("09", "5000", thirty),
                        {"#"},
                        secondEnd,
                        {"#"},
                        runwayEnd("18", "300", {"||4|4|", "| 300 |7.5|8.5|", "|  150|6|6|"}),
                        {"#"},
                        secondEnd,
                        {"@"},
                        emptyRest()}));
  ASSERT_TRUE(importUddfText(store, file).ok);
  survey::testing::expectSurveyRows(store, "import/profile_points.rows");
  EXPECT_EQ(store.current.runwayEnd, "18");
}

TEST(Import, LinesThatCannotBeReadAreSkippedWithoutHarm) {
  SurveyStore store;
  const auto file = joinLines(
      concat({airportSection("S"),
              runwayEnd("09", "100", {}),
              {"#", "|27|", "#"},
              // A first end whose line 10 lost its separators: its lines fill no runway.
              {"09 P 0452006", "|Y|", "|010101.0000|0101010.0000|45|||", "#", "|27|", "@"},
              // A point line at the start of the visual group has no navaid.
              {"|GS    (09)|340000.0000|1180000.0000|1|2||||0452006|", "#",
               "|PAPI  (09)   PP|350000.0000|1190000.0000|3|4|5L|||0452006|",
               "a line without separators", "|PAPI  (09)|350000.0000|1190000.0000|3|4|||||",
               "no bars", "|PAPI  (09)   PP|360000.0000|1190000.0000|3|4|5L|||0452006|", "#", "@"},
              // An obstruction before any group line: no runway, no surface.
              {"|CRANE|340000.00|1180000.00|2B|1|2|3||||||||0452006|", "#", "@"},
              emptyRest()}));
  const ImportResult result = importUddfText(store, file);
  ASSERT_TRUE(result.ok) << result.message;
  survey::testing::expectSurveyRows(store, "import/skipped_lines.rows");
}

TEST(Import, OpensFilesAndSaysWhyItCannot) {
  SurveyStore store;
  EXPECT_EQ(importUddfFile(store, {}).message, kNoFileChosenMessage);
  const auto missing = std::filesystem::path(SURVEY_TEST_DATA) / "import" / "no-such-file.uddf";
  const ImportResult result = importUddfFile(store, missing);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message.rfind("The file could not be opened (", 0), 0u);
  EXPECT_NE(result.message.find("no-such-file.uddf"), std::string::npos);
  EXPECT_FALSE(importUddfFile(store, SURVEY_TEST_DATA).ok);  // a directory
  EXPECT_EQ(store.airports().count(), 0);
  ASSERT_TRUE(
      importUddfFile(store, std::filesystem::path(SURVEY_TEST_DATA) / "import" / "two_runways.uddf")
          .ok);
  EXPECT_EQ(store.airports().count(), 1);
}

}  // namespace
}  // namespace survey::uddf
