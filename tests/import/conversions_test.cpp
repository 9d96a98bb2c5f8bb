#include <gtest/gtest.h>

#include "uddf/import/uddf_conversions.h"
#include "uddf/import/uddf_text.h"

namespace survey::uddf {
namespace {

TEST(UddfDate, DayOfYearBecomesMonthDayYear) {
  const struct {
    const char* item;
    const char* date;
  } cases[] = {
      {"0452006", "02/14/2006"}, {"0362006", "02/5/2006"},    {"0152006", "01/15/2006"},
      {"0012005", "01/1/2005"},  {"0592005", "02/28/2005"},   {"0602004", "03/1/2004"},
      {"3652003", "12/31/2003"}, {"3662003", "//2003"},       {"9992003", "//2003"},
      {"0002003", "//2003"},     {"2122001", "07/31/2001"},   {"2132001", "08/1/2001"},
      {"3352001", "12/1/2001"},  {" 0452006 ", "02/14/2006"}, {"1202001", "04/30/2001"},
      {"1212001", "05/1/2001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(convertUddfDate(c.item), std::optional<std::string>(c.date)) << c.item;
  }
}

TEST(UddfDate, UnreadableDatesGiveNothing) {
  for (const char* item : {"", "       ", "045200", "04520066", "12A4567", "-452006", "045 006"}) {
    EXPECT_EQ(convertUddfDate(item), std::nullopt) << '"' << item << '"';
    EXPECT_EQ(uddfDateOrEmpty(item), "") << '"' << item << '"';
  }
}

TEST(UddfCoordinate, CutIntoDegreesMinutesSeconds) {
  using enum CoordinateAxis;
  const struct {
    const char* item;
    CoordinateAxis axis;
    const char *degrees, *minutes, *seconds;
  } cases[] = {
      {"051234.5678", Latitude, "05", "12", "34.5678"},
      {"-451234.5", Latitude, "45", "12", "34.5"},
      {"  341205.3  ", Latitude, "34", "12", "05.3"},
      {"3412.0", Latitude, "34", "12", ".0"},
      {"1174523.1234", Longitude, "117", "45", "23.1234"},
      {"0981000.5", Longitude, "098", "10", "00.5"},
      {"-0090300.00", Longitude, "009", "03", "00.00"},
      {"-1181530.2", Longitude, "118", "15", "30.2"},
      {"773000.1234", Longitude, "77", "30", "00.1234"},
      // 10 to 19 degrees come with two degree digits, whatever the decimals.
      {"153000.1234", Longitude, "15", "30", "00.1234"},
      {"-103000.5", Longitude, "10", "30", "00.5"},
      {"195959.99", Longitude, "19", "59", "59.99"},
      {"1530.00", Longitude, "15", "30", ".00"},
      {"11830.00", Longitude, "118", "30", ".00"},
      {"1000000.0000", Longitude, "100", "00", "00.0000"},
      // Seconds take at most eight characters.
      {"34120512345678999", Latitude, "34", "12", "05123456"},
  };
  for (const auto& c : cases) {
    const auto dms = convertCoordinate(c.item, c.axis);
    ASSERT_TRUE(dms) << c.item;
    EXPECT_EQ(dms->degrees, c.degrees) << c.item;
    EXPECT_EQ(dms->minutes, c.minutes) << c.item;
    EXPECT_EQ(dms->seconds, c.seconds) << c.item;
  }
  EXPECT_FALSE(convertCoordinate("", CoordinateAxis::Latitude));
  EXPECT_FALSE(convertCoordinate("  -  ", CoordinateAxis::Longitude));
  const auto shortText = convertCoordinate("3", CoordinateAxis::Latitude);
  ASSERT_TRUE(shortText);
  EXPECT_EQ(shortText->degrees, "3");
  EXPECT_EQ(shortText->minutes, "");
  EXPECT_EQ(shortText->seconds, "");
}

// The texts of the codes a file may hold are proven by the sample file's rows; here the
// codes without a text.
TEST(UddfCodes, LookupsGiveTheScreensTextsOrNothing) {
  EXPECT_EQ(surfaceText("N"), "N - Not a specially prepared surface");
  for (const std::string& text :
       {surfaceText("X"), surfaceText(""), blastPadText("P"), horizontalAccuracyText(""),
        horizontalAccuracyText(" "), verticalAccuracyText("F"), surfaceItemForCode("PI"),
        surfaceItemForCode("")}) {
    EXPECT_EQ(text, "");
  }
  EXPECT_EQ(surfaceItemForCode("NUL"), "NUL: OIS not applicable");
  for (std::string_view item : surfaceItems()) {
    EXPECT_EQ(surfaceItemForCode(item.substr(0, item.find(':'))), item);
  }
}

TEST(UddfCodes, NavaidTypeByCode) {
  EXPECT_EQ(navaidTypeForCode(electronicNavaidTypes(), "VOR"), "VOR - VHF Omni Directional Range");
  EXPECT_EQ(navaidTypeForCode(visualNavaidTypes(), "GS"), std::nullopt);
  EXPECT_EQ(navaidTypeForCode(electronicNavaidTypes(), "G"), std::nullopt);
}

TEST(UddfText, ItemsAndCharacters) {
  const LineItems none("no separators here");
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.raw(0), "");
  const LineItems items("|ABC   |SITE|  |1.07|");
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items.raw(0), "");
  EXPECT_EQ(items.raw(1), "ABC   ");
  EXPECT_EQ(items.trimmed(1), "ABC");
  EXPECT_EQ(items.trimmed(4), "1.07");
  EXPECT_EQ(items.raw(9), "");
  EXPECT_EQ(items.column(1), 2);
  EXPECT_EQ(items.column(4), 17);
  // Columns and cuts count characters, not bytes.
  const LineItems accented("|CAF\xC3\x89|X");
  EXPECT_EQ(accented.column(2), 7);
  EXPECT_EQ(characters("\xC3\x89T\xC3\x89", 2, 2), "T\xC3\x89");
  EXPECT_EQ(characterAt("AB", 3), "");
  EXPECT_EQ(lastCharacter("A\xC3\x89"), "\xC3\x89");
  EXPECT_EQ(lastCharacter("A\x80"), "\x80");
  EXPECT_EQ(characterCount("\xC3\x89\xFF"), 2u);
  EXPECT_EQ(decodeExchangeBytes("CAF\xC9"), "CAF\xC3\x89");
  EXPECT_EQ(decodeExchangeBytes("CAF\xC3\x89"), "CAF\xC3\x89");
  EXPECT_TRUE(isMarkerLine("  #   ", "#"));
  EXPECT_FALSE(isMarkerLine("#|", "#"));
}

}  // namespace
}  // namespace survey::uddf
