// Dates, coordinates and decimals as the exchange file writes them.
#include "uddf/export/formatting.h"

#include <gtest/gtest.h>

#include <map>

#include "support/survey_rows.h"

namespace survey::uddf {
namespace {

using survey::testing::caseTable;

TEST(FormatUddfDate, DayOfYearWithoutLeapDay) {
  for (const auto& c : caseTable("export/uddf_dates.cases", 2)) {
    EXPECT_EQ(formatUddfDate(c[0]), c[1]) << c[0];
  }
}

TEST(FormatCoordinate, DigitsSignAndSeconds) {
  const std::map<std::string, TableKind> records{{"airport", TableKind::Airport},
                                                 {"runway", TableKind::Runway},
                                                 {"navaid", TableKind::Navaid},
                                                 {"obstruction", TableKind::Obstruction}};
  for (const auto& c : caseTable("export/coordinates.cases", 7)) {
    const auto axis = c[3] == "latitude" ? CoordinateAxis::Latitude : CoordinateAxis::Longitude;
    const Hemispheres hemispheres{c[5].starts_with("south"), c[5].ends_with("west")};
    EXPECT_EQ(formatCoordinate(c[0], c[1], c[2], axis, records.at(c[4]), hemispheres), c[6])
        << c[0] << " " << c[1] << " " << c[2] << " " << c[3] << " " << c[4] << " " << c[5];
  }
}

TEST(FillDecimals, AddsButNeverRemoves) {
  for (const auto& c : caseTable("export/fill_decimals.cases", 3)) {
    EXPECT_EQ(fillDecimals(c[0], std::stoi(c[1])), c[2]) << c[0];
  }
}

}  // namespace
}  // namespace survey::uddf
