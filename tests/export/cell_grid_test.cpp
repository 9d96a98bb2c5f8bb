// The cell grid: line text, code page, upper case, and values kept inside their columns.
#include "uddf/export/cell_grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/survey_rows.h"

namespace survey::uddf {
namespace {

TEST(CellGrid, LinesAreTwoHundredUpperCaseCharacters) {
  CellGrid grid;
  grid.placeLeft(0, 2, toCellText("Zürich straße ÿ œ þ"));
  grid.placeSeparator(0, 1);
  grid.placeMarker(2, '#');
  grid.placeEof(3);
  const std::string line = grid.lineText(0);
  ASSERT_EQ(line.size(), 200u);
  // Windows-1252 upper case: ü -> Ü, ÿ -> Ÿ, œ -> Œ, þ -> Þ; ß has no capital in the code page.
  EXPECT_EQ(line.substr(0, 20),
            "|Z\xDCRICH STRA\xDF"
            "E \x9F \x8C \xDE");
  EXPECT_EQ(grid.lineText(1), std::string(200, ' '));  // a row never written is blank
  EXPECT_EQ(grid.lineText(3), "EOF" + std::string(199, ' '));
  const std::string bytes = grid.fileBytes(3);
  EXPECT_EQ(bytes.size(), 3 * 202 + 204u);
  EXPECT_EQ(bytes.substr(200, 2), "\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

// The file taken from the grid without a copy is the file the lines make, in every shape:
// the "EOF" line last, placed in the middle or beyond, rows never touched, fewer rows asked.
TEST(CellGrid, TakenFileIsTheFileOfItsLines) {
  struct Case {
    std::vector<int> eofRows;
    int touchedRows;
    int lastRow;
  };
  for (const Case& c : {Case{{4}, 5, 4}, Case{{2}, 5, 4}, Case{{}, 3, 5}, Case{{}, 5, 2},
                        Case{{6}, 5, 4}, Case{{}, 0, -1}, Case{{kGridLastRow}, 3, kGridLastRow}}) {
    CellGrid grid;
    for (int row = 0; row < c.touchedRows; ++row) grid.placeLeft(row, 1 + row, "row");
    for (int row : c.eofRows) grid.placeEof(row);
    const std::string expected = grid.fileBytes(c.lastRow);
    EXPECT_EQ(grid.takeFileBytes(c.lastRow), expected) << c.touchedRows << " " << c.lastRow;
  }
}

TEST(CellGrid, ColumnsCountCharactersAfterConversion) {
  CellGrid grid;
  // Ω is not in Windows-1252: one "?" cell. A line break in a text becomes one blank.
  grid.placeLeft(0, 1, toCellText("Ωé\r\nx"));
  grid.placeSeparator(0, 6);
  EXPECT_EQ(grid.lineText(0).substr(0, 6), "?\xC9  X|");
}

TEST(CellGrid, ContentOutsideColumns1To200IsDroppedForThatLineOnly) {
  CellGrid grid;
  grid.placeLeft(0, 195, "ABCDEFGHIJ");
  grid.placeRight(1, 4, "before");  // starts at column -2: only "ore" lands
  EXPECT_EQ(grid.lineText(0).substr(194), "ABCDEF");
  EXPECT_EQ(grid.lineText(1).substr(0, 4), "ORE ");
  EXPECT_EQ(grid.takeFileBytes(1).substr(200, 2), "\r\n");  // the line before keeps its end
}

TEST(RecordLine, LeftValueIsCutAtTheFirstSeparatorItWouldReach) {
  for (const auto& c : survey::testing::caseTable("export/left_values.cases", 4)) {
    CellGrid grid;
    std::vector<ShortenedValue> shortened;
    RecordLine line(grid, 0, "airport KTST", {1, 7, 16}, shortened);
    if (c[1] == "yes") line.separators({1, 7, 16});
    line.separator(1);
    line.left(2, c[0], "Region");
    line.separator(7);
    line.left(8, "XY", "City");
    line.separator(16);
    EXPECT_EQ(grid.lineText(0).substr(0, 16), toCellText(c[2])) << c[0];
    if (c[3] == "-") {
      EXPECT_TRUE(shortened.empty()) << c[0];
    } else {
      ASSERT_EQ(shortened.size(), 1u) << c[0];
      EXPECT_EQ(shortened[0].record, "airport KTST");
      EXPECT_EQ(shortened[0].field, "Region");
      EXPECT_EQ(shortened[0].value, c[0]);
      EXPECT_EQ(shortened[0].written, c[3]);
    }
  }
}

TEST(RecordLine, RightValueThatWouldReachASeparatorStopsTheExport) {
  const struct {
    const char* value;
    int separatorColumn;
    bool fits;
  } cases[] = {
      {"12345.6", 9, true},     // columns 2-8
      {"123456.7", 9, false},   // would cover the separator in column 1
      {"1234567.0", 9, false},  // would start before column 1
      {"1234567", 17, true},    // columns 10-16
      {"12345678", 17, false},  // would cover the separator in column 9
  };
  for (const auto& c : cases) {
    CellGrid grid;
    std::vector<ShortenedValue> shortened;
    RecordLine line(grid, 5, "airport KTST", {1, 9, 17}, shortened);
    line.separators({1, 9, 17});
    if (c.fits) {
      line.right(c.separatorColumn, c.value, "Airport Elevation");
      const std::string text = grid.lineText(5);
      EXPECT_EQ(
          text.substr(static_cast<std::size_t>(c.separatorColumn) - 1 - std::string(c.value).size(),
                      std::string(c.value).size() + 1),
          std::string(c.value) + "|");
      EXPECT_EQ(text[0], '|');
      EXPECT_EQ(text[8], '|');
    } else {
      try {
        line.right(c.separatorColumn, c.value, "Airport Elevation");
        ADD_FAILURE() << c.value << " was placed";
      } catch (const ValueTooWide& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Airport Elevation"), std::string::npos) << message;
        EXPECT_NE(message.find("airport KTST"), std::string::npos) << message;
        EXPECT_NE(message.find(c.value), std::string::npos) << message;
        EXPECT_NE(message.find("7 columns"), std::string::npos) << message;
      }
    }
  }
}

}  // namespace
}  // namespace survey::uddf
