// Dates, coordinates and decimals as the exchange file writes them.
#include "uddf/export/formatting.h"

#include <gtest/gtest.h>

namespace survey::uddf {
namespace {

TEST(FormatUddfDate, DayOfYearWithoutLeapDay) {
  const struct {
    const char* date;
    const char* expected;
  } cases[] = {
      {"03/05/2004", "0642004"},
      {"12/31/2003", "3652003"},
      {"01/01/2005", "0012005"},
      {"02/29/2004", "0602004"},  // no leap day: 29 February and 1 March agree
      {"03/01/2004", "0602004"},
      {"04/09/2012", "0992012"},
      {"04/10/2012", "1002012"},
      {"1/05/2004", "0052004"},  // a month not written with two digits counts no days before it
      {"03/5/04", "06404"},      // the year is kept as written
      {"", ""},
      {"2004-03-05", ""},
      {"03/05", ""},
      {"03/05/2004/1", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(formatUddfDate(c.date), c.expected) << c.date;
}

TEST(FormatCoordinate, DigitsSignAndSeconds) {
  const Hemispheres northWest{false, true};
  const Hemispheres southEast{true, false};
  using C = CoordinateKind;
  using R = RecordKind;
  const struct {
    const char *d, *m, *s;
    CoordinateKind kind;
    RecordKind record;
    Hemispheres hemispheres;
    const char* expected;
  } cases[] = {
      {"34", "5", "7.25", C::Latitude, R::Runway, northWest, "340507.2500"},
      {"118", "15", "30.2", C::Longitude, R::Airport, northWest, "-1181530.2"},
      {"9", "3", "0", C::Longitude, R::Obstruction, northWest, "-0090300.00"},
      {"77", "3", "0", C::Longitude, R::Navaid, northWest, "-770300.0000"},  // not widened
      {"5", "3", "0", C::Latitude, R::Navaid, southEast, "-050300.0000"},
      {"5", "3", "0", C::Longitude, R::Navaid, southEast, "0050300.0000"},
      {"34", "12", "", C::Latitude, R::Airport, northWest, "3412"},
      {"", "12", "7.2", C::Latitude, R::Airport, northWest, "1207.2"},
      {"", "12", "7.2", C::Latitude, R::Airport, southEast, ""},
      {"", "", "", C::Longitude, R::Runway, northWest, ""},
      {"34", "5", "59.99996", C::Latitude, R::Runway, northWest, "340560.0000"},  // not carried
      {"34", "5", "7.25", C::Latitude, R::Airport, northWest, "340507.3"},  // half away from zero
      {"34", "5", "7.24", C::Latitude, R::Airport, northWest, "340507.2"},
      {"34", "5", "x", C::Latitude, R::Airport, northWest, "34050x"},  // not a number: kept
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatCoordinate(c.d, c.m, c.s, c.kind, c.record, c.hemispheres), c.expected)
        << c.d << " " << c.m << " " << c.s;
  }
}

TEST(FillDecimals, AddsButNeverRemoves) {
  const struct {
    const char* text;
    int decimals;
    const char* expected;
  } cases[] = {
      {"12", 1, "12.0"},     {"5.12345", 4, "5.12345"}, {"-341205.3", 4, "-341205.3000"},
      {"", 2, ""},           {"1.", 2, "1.00"},         {"3412", 1, "3412.0"},
      {"1.2.3", 2, "1.2.3"},  // "2.3" already follows the first point
  };
  for (const auto& c : cases) EXPECT_EQ(fillDecimals(c.text, c.decimals), c.expected) << c.text;
}

}  // namespace
}  // namespace survey::uddf
