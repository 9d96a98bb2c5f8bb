// Whole exchange files compared byte for byte with reviewed expected files.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "export_fixture.h"
#include "store/file_io.h"
#include "uddf/export/uddf_export.h"

namespace survey::uddf::testing {
namespace {

void emptySurvey(SurveyStore& store) {
  addSurvey(store, "KEMP", "AOC", true, false,
            {{1, "Empty Field Municipal"},
             {2, "03407.A"},
             {4, "AEA"},
             {5, "03/05/2004"},
             {6, "smallville"},
             {7, "44"},
             {8, "3"},
             {9, "7.2"},
             {10, "70"},
             {11, "15"},
             {12, "30.2"},
             {13, "1234.5"},
             {16, "14"},
             {17, "5 CM"},
             {18, "15 CM"},
             {19, "25 CM"},
             {20, "MAINE"},
             {22, "NAVD88"},
             {23, "1250"},
             {34, "Jane Q. Surveyor"},
             {35, "LS-1234"}});
  // Rows of another survey are not written.
  addSurvey(store, "KOTH", "AOC", true, true);
  addRunway(store, "KOTH", {{2, "01"}, {27, "19"}});
  addNavaid(store, "KOTH", {{15, "GS - Glide Slope"}, {11, "NAVAID"}});
  addObstruction(store, "KOTH", {{1, "01"}, {2, "Tree"}});
}

void runwaysSurvey(SurveyStore& store) {
  addSurvey(store, "KRWY", "RUNWAY", false, true,
            {{1, "Twin Runways"},
             {4, "ASO"},
             {5, "01/01/2005"},
             {7, "33"},
             {8, "56"},
             {9, "46"},
             {10, "151"},
             {11, "10"},
             {12, "38"},
             {34, "Sam Level"},
             {35, "99"},
             {36, "  Checked twice.  "}});
  addRunway(store, "KRWY",
            {{1, "06/15/2010"},
             {2, " 09 "},
             {3, "Yes"},
             {4, "0894530"},
             {5, "5000"},
             {6, "150"},
             {7, "P - Paved Hard Surface"},
             {8, "33"},
             {9, "56"},
             {10, "46.1234"},
             {11, "151"},
             {12, "10"},
             {13, "38.5"},
             {14, "20.5"},
             {15, "45.3"},
             {16, "22"},
             {18, "33"},
             {19, "56"},
             {20, "46.5"},
             {21, "151"},
             {22, "10"},
             {23, "41.0"},
             {24, "300"},
             {25, "21.0"},
             {26, "45.8"},
             {27, "27"},
             {28, "Not Verified"},
             {29, "2694530"},
             {30, "33"},
             {31, "56"},
             {32, "47"},
             {33, "151"},
             {34, "11"},
             {35, "37.25"},
             {36, "25.0"},
             {37, "49.9"},
             {40, "33"},
             {41, "56"},
             {42, "46.9"},
             {43, "151"},
             {44, "11"},
             {45, "34.0"},
             {46, "450"},
             {47, "24.5"},
             {48, "49.0"},
             // profile points (holding the designators as typed): one per end, a designator of
             // neither end, one without ellipsoidal elevation
             {60, " 09 "},
             {61, "1200"},
             {62, "22.1"},
             {63, "46.9"},
             {65, "27"},
             {66, "800"},
             {67, "23.7"},
             {68, "48.2"},
             {75, "13"},
             {76, "100"},
             {77, "1"},
             {78, "1"},
             {80, " 09 "},
             {81, "3000"},
             {82, "24.0"}});
  const int deleted = addRunway(store, "KRWY", {{2, "04"}, {27, "22"}, {5, "3000"}});
  store.runways().setCell(deleted, 50, "D");
  addRunway(store, "KRWY",
            {{1, "1/5/2011"},
             {2, "18L"},
             {3, "No"},
             {5, "7001"},
             {6, "75"},
             {7, "U - Unpaved Surface"},
             {8, "33"},
             {9, "57"},
             {10, "1"},
             {11, "151"},
             {12, "10"},
             {13, "0"},
             {14, "30"},
             {27, "36R"},
             {30, "33"},
             {31, "58"},
             {32, "10.5"},
             {33, "151"},
             {34, "10"},
             {35, "2.25"},
             {36, "31.5"},
             {40, "33"},
             {41, "58"},
             {42, "9"},
             {43, "151"},
             {44, "10"},
             {45, "2.1"},
             {46, "120"},
             {47, "31.0"},
             {60, "36R"},
             {61, "6500"},
             {62, "30.9"},
             {63, "55.1"},
             // a point stored with an empty distance
             {65, "18L"},
             {67, "30.2"}});
}

void navaidsSurvey(SurveyStore& store) {
  addSurvey(store, "KNAV", "NAVAID", true, false,
            {{1, "Beacon Hill"}, {34, "Nav Person"}, {35, "N-7"}});
  addRunway(store, "KNAV",
            {{1, "04/10/2012"},
             {2, "09"},
             {27, "27"},
             {5, "8000"},
             {8, "40"},
             {9, "38"},
             {10, "23"},
             {11, "73"},
             {12, "46"},
             {13, "44"},
             {30, "40"},
             {31, "38"},
             {32, "30.5"},
             {33, "73"},
             {34, "45"},
             {35, "0"}});
  const std::string date = "05/01/2012";
  addNavaid(store, "KNAV",
            {{15, "GS - Glide Slope"},
             {1, "09"},
             {2, "IABC"},
             {3, "40"},
             {4, "38"},
             {5, "20.1234"},
             {6, "73"},
             {7, "46"},
             {8, "40.5"},
             {9, "12.5"},
             {10, "-20.1"},
             {11, "PP"},
             {13, "L"},
             {18, date},
             {20, "40"},
             {21, "38"},
             {22, "21"},
             {23, "73"},
             {24, "46"},
             {25, "43.25"},
             {26, "13"}});
  addNavaid(store, "KNAV",
            {{15, "VASI - Visual Approach Slope Indicator"},
             {1, "27"},
             {3, "40"},
             {4, "38"},
             {5, "29"},
             {6, "73"},
             {7, "45"},
             {8, "5"},
             {9, "15.25"},
             {11, "NAVAID"},
             {18, date}});
  addNavaid(store, "KNAV",
            {{15, "NDB/DME"},
             {2, "NDB1"},
             {3, "40"},
             {4, "40"},
             {5, "0"},
             {6, "73"},
             {7, "50"},
             {8, "0"},
             {11, "NAVAID"}});
  addNavaid(store, "KNAV",
            {{15, "LOC - Localizer"},
             {1, "27"},
             {2, "IXYZ"},
             {3, "40"},
             {4, "38"},
             {5, "32"},
             {6, "73"},
             {7, "44"},
             {8, "50"},
             {11, "CLPT"},
             {18, date},
             {20, "40"},
             {21, "38"},
             {22, "31"},
             {23, "73"},
             {24, "44"},
             {25, "55.5"}});
  addNavaid(store, "KNAV",
            {{15, "My Custom Beacon"},
             {1, "99"},
             {3, "40"},
             {4, "39"},
             {5, "0"},
             {6, "73"},
             {7, "47"},
             {8, "0"},
             {11, "CLPT"},
             {13, "R"},
             {18, date},
             {20, "40"},
             {21, "39"},
             {22, "1"},
             {23, "73"},
             {24, "47"},
             {25, "1"}});
  addNavaid(store, "KNAV",
            {{15, "REIL - Runway End Identifier Lights"},
             {1, "09"},
             {3, "40"},
             {4, "38"},
             {5, "23.5"},
             {6, "73"},
             {7, "46"},
             {8, "44.5"},
             {13, "R"},
             {18, date}});
  const int deleted = addNavaid(store, "KNAV", {{15, "GS - Glide Slope"}, {11, "NAVAID"}});
  store.navaids().setCell(deleted, 17, "D");
}

constexpr const char* kRemarks =
    "Runway 09 lights were checked at night; the crane north of taxiway B was removed after "
    "the survey. Runway 09 lights were checked at night; the crane north of taxiway B was "
    "removed after the survey. Runway 09 lights were checked at night; the crane north of "
    "taxiway B was removed after the survey. Run";

void obstructionsSurvey(SurveyStore& store) {
  addSurvey(store, "KOBS", "COMBINE", true, false, {{1, "Obstacle Field"}, {36, kRemarks}});
  const std::string date = "07/04/2015";
  const std::string pir =
      "PIR: Precision Instrument Approach, includes approach and primary "
      "surfaces only";
  const std::string hct =
      "HCT: FAR77 Horizontal, Conical, and Transistions includes FAR77 "
      "horizontal, conical, and transistion surfaces only";
  addObstruction(store, "KOBS",
                 {{1, "18"},
                  {2, "Tree"},
                  {3, "34"},
                  {4, "5"},
                  {5, "7.25"},
                  {6, "118"},
                  {7, "15"},
                  {8, "30.2"},
                  {9, "250"},
                  {10, "215"},
                  {12, "45"},
                  {19, "2 (50')"},
                  {20, "B (10')"},
                  {21, pir},
                  {23, date}});
  addObstruction(store, "KOBS",
                 {{1, "09"},
                  {2, "Antenna"},
                  {3, "34"},
                  {4, "6"},
                  {5, "0"},
                  {6, "118"},
                  {7, "16"},
                  {8, "1"},
                  {9, "300"},
                  {10, "265"},
                  {11, "11"},
                  {12, "60"},
                  {13, "13"},
                  {14, "14"},
                  {15, "15"},
                  {19, "1 (20')"},
                  {20, "A (3')"},
                  {21, hct},
                  {23, date}});
  addObstruction(
      store, "KOBS",
      {{1, "09"}, {2, "Pole"}, {3, "34"}, {4, "6"}, {6, "118"}, {7, "16"}, {21, hct}, {23, date}});
  addObstruction(store, "KOBS",
                 {{1, "27"},
                  {2, "Building"},
                  {3, "34"},
                  {4, "4"},
                  {6, "118"},
                  {7, "14"},
                  {8, "5"},
                  {11, "1"},
                  {13, "3"},
                  {14, "4"},
                  {15, "5"},
                  {16, "6"},
                  {17, "7"},
                  {18, "8"},
                  {21,
                   "C: FAR77 Nonprecision Approach: Visibility minimums > 3/4 mile includes "
                   "approach and primary surfaces only"},
                  {23, date}});
  addObstruction(
      store, "KOBS",
      {{2, "Fence"}, {3, "34"}, {4, "5"}, {5, "1"}, {6, "118"}, {7, "15"}, {8, "2"}, {23, date}});
  addObstruction(store, "KOBS",
                 {{1, "09"},
                  {2, "Crane"},
                  {3, "34"},
                  {4, "6"},
                  {5, "2.5"},
                  {6, "118"},
                  {7, "16"},
                  {8, "3"},
                  {9, "410"},
                  {12, "200"},
                  {19, "3 (100')"},
                  {20, "E (Estimated max elv)"},
                  {21, pir},
                  {23, date}});
  addObstruction(store, "KOBS",
                 {{1, "10"},
                  {2, "Mast"},
                  {3, "34"},
                  {4, "7"},
                  {5, "0"},
                  {6, "118"},
                  {7, "17"},
                  {8, "0"},
                  {21, "NUL: OIS not applicable"}});
  const int deleted = addObstruction(store, "KOBS", {{1, "01"}, {2, "Gone"}});
  store.obstructions().setCell(deleted, 24, "D");
}

struct ExpectedFile {
  const char* name;
  const char* key;
  std::function<void(SurveyStore&)> build;
  int lines;
};

class ExpectedFileTest : public ::testing::TestWithParam<ExpectedFile> {};

TEST_P(ExpectedFileTest, MatchesTheReviewedFile) {
  const ExpectedFile& expected = GetParam();
  SurveyStore store;
  expected.build(store);
  const ComposedUddf composed = composeUddf(store, expected.key, kExportMoment);
  ASSERT_TRUE(composed.ok) << composed.error;
  EXPECT_TRUE(composed.shortened.empty());

  const ReadResult file = readWholeFile(std::string(SURVEY_TEST_DATA) + "/export/" + expected.name);
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

INSTANTIATE_TEST_SUITE_P(
    Surveys, ExpectedFileTest,
    ::testing::Values(ExpectedFile{"empty_survey.uddf", "KEMP", emptySurvey, 18},
                      ExpectedFile{"runways.uddf", "KRWY", runwaysSurvey, 66},
                      ExpectedFile{"navaids.uddf", "KNAV", navaidsSurvey, 43},
                      ExpectedFile{"obstructions.uddf", "KOBS", obstructionsSurvey, 38}),
    [](const auto& info) {
      std::string name = info.param.key;
      return name;
    });

}  // namespace
}  // namespace survey::uddf::testing
