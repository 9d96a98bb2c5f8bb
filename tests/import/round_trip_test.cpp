// Export, import into an empty store, export again.
#include <gtest/gtest.h>

#include <set>

#include "import/import_test_support.h"
#include "store/file_io.h"
#include "uddf/export/uddf_export.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace survey::uddf {
namespace {

using namespace survey::uddf::testing;

const LocalDateTime kFirstExport{2026, 12, 5, 7, 45, 58};
const LocalDateTime kSecondExport{2027, 1, 2, 15, 0, 1};

void addRow(SurveyStore& store, TableKind kind, const FieldValues& values) {
  const auto added =
      kind == TableKind::Airport ? store.appendAirport(values) : store.appendChild(kind, values);
  ASSERT_TRUE(added) << added.error;
  const int numberField = kind == TableKind::Navaid ? 19 : kind == TableKind::Obstruction ? 25 : 0;
  if (numberField) store.table(kind).setCell(added.row, numberField, numberCell(added.row));
}

// A certified survey entered as the screens store it, of what the format carries back.
void enterSurvey(SurveyStore& store, const std::string& key) {
  store.current.surveyType = "COMBINE";
  addRow(store, TableKind::Airport,
         {{1, "Round Trip Field"},
          {2, "00123.A"},
          {3, key},
          {4, "SW"},
          {5, "02/14/2006"},
          {6, "Bend"},
          {7, "44"},
          {8, "5"},
          {9, "7.25"},
          {10, "121"},
          {11, "18"},
          {12, "30"},
          {13, "3450.5"},
          {14, "3400"},
          {15, "RWY 16"},
          {16, "15"},
          {17, "0.05"},
          {18, "0.1"},
          {19, "0.2"},
          {20, "Oregon"},
          {22, "NAVD88"},
          {23, "3500"},
          {24, "3460"},
          {34, "Jo Surveyor"},
          {35, "L-42"},
          {36, "Crane on the approach to 16, to be removed"},
          {39, "True"},
          {40, "False"}});
  store.airports().setCell(1, 41, "CERTIFIED");
  addRow(store, TableKind::Runway,
         {{1, "02/14/2006"},
          {2, "16"},
          {3, "Not Verified"},
          {4, "160.5"},
          {5, "5000"},
          {6, "100"},
          {7, "P - Paved Hard Surface"},
          {8, "44"},
          {9, "05"},
          {10, "10.1234"},
          {11, "121"},
          {12, "18"},
          {13, "20"},
          {14, "3440.0"},
          {15, "3400.5"},
          {16, "3441"},
          {17, "3401"},
          {27, "34"},
          {28, "Yes"},
          {29, "340.5"},
          {30, "44"},
          {31, "4"},
          {32, "20"},
          {33, "121"},
          {34, "18"},
          {35, "0"},
          {36, "3450.0"},
          {37, "3410.0"},
          {38, "3451"},
          {39, "3411"},
          {60, "16"},
          {61, "1200"},
          {62, "3442.5"},
          {63, "3402.5"},
          {65, "16"},
          {66, "2500"},
          {67, "3445"},
          {68, "3405"}});
  addRow(store, TableKind::Runway,
         {{1, "07/31/2005"},
          {2, "09"},
          {3, "No"},
          {5, "3000"},
          {7, "U - Unpaved Surface"},
          {8, "44"},
          {9, "6"},
          {10, "1"},
          {11, "15"},
          {12, "1"},
          {13, "2.5"},
          {27, "27"}});
  for (const FieldValues& navaid : std::vector<FieldValues>{
           {{2, "IBND"},        {3, "44"},  {4, "5"},   {5, "11"},
            {6, "121"},         {7, "18"},  {8, "21"},  {9, "3441.5"},
            {10, "3401.5"},     {11, "PP"}, {13, "L"},  {15, "GS - Glide Slope"},
            {18, "02/14/2006"}, {20, "44"}, {21, "5"},  {22, "12"},
            {23, "121"},        {24, "18"}, {25, "22"}, {26, "3442"},
            {27, "3402"}},
           {{2, "VTX"},
            {3, "44"},
            {4, "6"},
            {5, "0"},
            {11, "NAVAID"},
            {15, "VORTAC - VOR + TACAN"},
            {18, "02/14/2006"}},
           {{2, "NDX"}, {11, "NAVAID"}, {15, "NDB/DME"}, {18, "02/14/2006"}},
           {{2, "P16"},
            {3, "44"},
            {4, "6"},
            {5, "30"},
            {6, "121"},
            {7, "18"},
            {8, "0"},
            {11, "NAVAID"},
            {15, "PAPI - Precision Approach Path Indicator"},
            {18, "02/14/2006"}},
           {{11, "NAVAID"}, {15, "WIND CONE"}, {18, "02/14/2006"}, {9, "3439"}}}) {
    addRow(store, TableKind::Navaid, navaid);
  }
  const std::string pir =
      "PIR: Precision Instrument Approach, includes approach and primary "
      "surfaces only";
  const std::string hct =
      "HCT: FAR77 Horizontal, Conical, and Transistions includes FAR77 "
      "horizontal, conical, and transistion surfaces only";
  for (const FieldValues& obstruction : std::vector<FieldValues>{
           {{2, "Crane"}, {3, "44"}, {4, "3"}, {5, "0"}, {23, "12/31/2005"}},
           {{1, "09"}, {2, "Antenna"}, {21, pir}, {19, "3 (100')"}, {20, "E (Estimated max elv)"}},
           {{1, "16"},
            {2, "Tree"},
            {3, "44"},
            {4, "4"},
            {5, "1.5"},
            {6, "121"},
            {7, "19"},
            {8, "2.25"},
            {9, "3460"},
            {10, "3420"},
            {12, "40"},
            {19, "2 (50')"},
            {20, "C (20')"},
            {21, pir},
            {23, "02/14/2006"}},
           {{1, "16"},
            {2, "Pole"},
            {3, "44"},
            {4, "4"},
            {5, "0"},
            {6, "121"},
            {7, "19"},
            {8, "0"},
            {9, "3461"},
            {19, "1 (20')"},
            {20, "A (3')"},
            {21, hct},
            {23, "01/01/2006"}}}) {
    addRow(store, TableKind::Obstruction, obstruction);
  }
}

std::vector<std::string> linesOf(const std::string& file) {
  std::vector<std::string> lines;
  for (auto line : splitLines(file)) lines.emplace_back(line);
  return lines;
}

TEST(RoundTrip, ExportImportExportGivesTheSameFile) {
  SurveyStore original;
  enterSurvey(original, "RTF");
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
  enterSurvey(original, "RTF");
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
                             std::to_string(field) + " " + a.cell(row, field) + " -> " +
                             b.cell(row, field));
        }
      }
    }
  }
  const std::set<std::string> expected{
      // Status: an imported survey has none.
      "airport 1.41 CERTIFIED -> ",
      // Seconds come back with the record kind's decimals.
      "airport 1.9 7.25 -> 07.3",  // the airport reference point keeps one decimal
      "airport 1.12 30 -> 30.0",
      "runway 1.13 20 -> 20.0000",
      "runway 1.31 4 -> 04",
      "runway 1.32 20 -> 20.0000",
      "runway 1.35 0 -> 00.0000",
      "runway 2.9 6 -> 06",
      "runway 2.10 1 -> 01.0000",
      "runway 2.12 1 -> 01",
      "runway 2.13 2.5 -> 02.5000",
      "navaid 1.4 5 -> 05",
      "navaid 1.21 5 -> 05",
      "navaid 1.5 11 -> 11.0000",
      "navaid 1.8 21 -> 21.0000",
      "navaid 1.22 12 -> 12.0000",
      "navaid 1.25 22 -> 22.0000",
      "navaid 2.4 6 -> 06",
      "navaid 2.5 0 -> 00.0000",
      "navaid 4.8 0 -> 00.0000",
      "airport 1.8 5 -> 05",
      "obstruction 3.4 4 -> 04",
      "obstruction 3.5 1.5 -> 01.50",
      "obstruction 3.8 2.25 -> 02.25",
      "obstruction 4.4 4 -> 04",
      "obstruction 1.4 3 -> 03",
      "obstruction 1.5 0 -> 00.00",
      // Elevations are written with at least one decimal.
      "airport 1.16 15 -> 15.0",
      "airport 1.14 3400 -> 3400.0",
      "runway 1.16 3441 -> 3441.0",
      "runway 1.17 3401 -> 3401.0",
      "runway 1.38 3451 -> 3451.0",
      "runway 1.39 3411 -> 3411.0",
      "runway 1.67 3445 -> 3445.0",
      "runway 1.68 3405 -> 3405.0",
      "navaid 1.26 3442 -> 3442.0",
      "navaid 1.27 3402 -> 3402.0",
      "navaid 5.9 3439 -> 3439.0",
      // Coordinates without minutes or seconds come back cut differently.
      "navaid 4.4  -> .0",
      "navaid 4.5  -> 000",
      "obstruction 4.5  -> .00",
      "obstruction 4.8  -> .00",
      // Dates lose the day's leading zero.
      "obstruction 4.23 01/01/2006 -> 01/1/2006",
      // The navaid's runway is joined to its identifier; its distance box is not written.
      "navaid 1.1 16 -> ",
      "navaid 1.2 IBND -> 16_IBND",
      "navaid 1.14 -250 -> ",
      // Obstruction fields the screen does not fill are not read back.
      "obstruction 1.11 7 -> ",
      // Remarks come back with the blanks of their lines.
      "airport 1.36 " + std::string(150, 'R') + " and the rest -> " + " " + std::string(120, 'R') +
          " " + std::string(30, 'R') + " AND THE REST ",
      // Everything is upper case in the file.
      "airport 1.1 Round Trip Field -> ROUND TRIP FIELD",
      "airport 1.6 Bend -> BEND",
      "airport 1.20 Oregon -> OREGON",
      "airport 1.34 Jo Surveyor -> JO SURVEYOR",
      "obstruction 3.2 Tree -> TREE",
      "obstruction 4.2 Pole -> POLE",
      "obstruction 1.2 Crane -> CRANE",
      "obstruction 2.2 Antenna -> ANTENNA",
  };
  std::set<std::string> unexpected, missing;
  for (const auto& d : differences) {
    if (!expected.count(d)) unexpected.insert(d);
  }
  for (const auto& e : expected) {
    if (!differences.count(e)) missing.insert(e);
  }
  for (const auto& d : unexpected) ADD_FAILURE() << "unexpected difference: " << d;
  for (const auto& e : missing) ADD_FAILURE() << "expected difference not seen: " << e;
}

}  // namespace
}  // namespace survey::uddf
