#include "survey/degrees.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace survey {
namespace {

// The three readings of the same texts. They part on signs, exponents, tabs, empty parts,
// minutes of 60, and in the last bit of the sum: the exchange file's distances add
// minutes and seconds first.
TEST(Degrees, EachReadingKeepsItsOwnRule) {
  struct Case {
    DmsTexts texts;
    double lenient;
    std::optional<double> nonNegative;
    std::string problem;  // of the checked reading; empty when it gives nonNegative
  };
  const Case cases[] = {
      {{"34", "56", "1.5"}, 34.93375, 34.933749999999996, ""},
      {{"+10", " 30 ", "0"}, 10.5, 10.5, ""},
      {{"10", "30", "x"}, 10.5, std::nullopt, "latitude seconds \"x\" is not a number of seconds"},
      {{"-10", "30", "0"},
       -9.5,
       std::nullopt,
       "latitude degrees \"-10\" is not a number of degrees"},
      {{"\t10", "15", "56.25"},
       10.265625,
       10.265625,
       "latitude degrees \"\t10\" is not a number of degrees"},
      {{"10", "1.5e1", "0"}, 10.25, 10.25, "latitude minutes \"1.5e1\" is not a number of minutes"},
      {{"10", "60", "0"}, 11, 11, "latitude minutes and seconds must be below 60"},
      {{"90", "0", "56.25"}, 90.015625, std::nullopt, "latitude beyond 90 degrees"},
      {{"10", "30", " "}, 10.5, std::nullopt, "latitude seconds not entered"},
      {{"", "", ""}, 0, std::nullopt, "latitude degrees not entered"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.texts.degrees) + "|" + std::string(c.texts.minutes) + "|" +
                 std::string(c.texts.seconds));
    EXPECT_EQ(lenientDegrees(c.texts), c.lenient);
    EXPECT_EQ(nonNegativeDegrees(c.texts, 90), c.nonNegative);
    const DegreesReading checked = checkedDegrees(c.texts, "latitude", 90);
    EXPECT_EQ(checked.problem, c.problem);
    EXPECT_EQ(checked.degrees, c.problem.empty() ? c.nonNegative : std::nullopt);
  }
}

TEST(Degrees, ReadsDddmmssAzimuths) {
  const std::pair<std::string_view, std::optional<double>> cases[] = {
      {"0901530", 90.2583333},   {"3595959", 359.9997222},   {"1", 1 / 3600.0},
      {"3600000", std::nullopt}, {"0906000", std::nullopt},  {"0900060", std::nullopt},
      {"", std::nullopt},        {"00000000", std::nullopt}, {"090 530", std::nullopt},
      {"-901530", std::nullopt}};
  for (const auto& [text, degrees] : cases) {
    SCOPED_TRACE(std::string(text));
    const std::optional<double> read = dddmmssDegrees(text);
    ASSERT_EQ(read.has_value(), degrees.has_value());
    if (read) {
      EXPECT_NEAR(*read, *degrees, 1e-7);
    }
  }
}

TEST(Degrees, WritesDegreesMinutesAndSeconds) {
  const std::pair<double, std::string_view> cases[] = {
      {0, "000\u00b000'00.0\""},          {-0.5, "359\u00b030'00.0\""},
      {1.23456, "001\u00b014'04.4\""},    {5.5 / 3600, "000\u00b000'05.5\""},
      {90.2583333, "090\u00b015'30.0\""}, {359.99999, "360\u00b000'00.0\""},  // rounds up, no wrap
  };
  for (const auto& [degrees, text] : cases) EXPECT_EQ(degreesText(degrees), text) << degrees;
  EXPECT_EQ(dmsText({" 37", "14 ", "43.2"}, 'N'), "37\u00b014'43.2\" N");
  EXPECT_EQ(dmsText({"\t1", "2", "3"}, 'W'), "\t1\u00b02'3\" W");
}

}  // namespace
}  // namespace survey
