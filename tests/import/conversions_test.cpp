#include <gtest/gtest.h>

#include "support/survey_rows.h"
#include "uddf/import/uddf_conversions.h"
#include "uddf/import/uddf_text.h"

namespace survey::uddf {
namespace {

using survey::testing::caseTable;

TEST(UddfDate, DayOfYearBecomesMonthDayYearOrNothing) {
  for (const auto& c : caseTable("import/uddf_dates.cases", 2)) {
    const auto expected = c[1] == "nothing" ? std::nullopt : std::optional<std::string>(c[1]);
    EXPECT_EQ(convertUddfDate(c[0]), expected) << '"' << c[0] << '"';
    if (!expected) {
      EXPECT_EQ(uddfDateOrEmpty(c[0]), "") << '"' << c[0] << '"';
    }
  }
}

TEST(UddfCoordinate, CutIntoDegreesMinutesSeconds) {
  for (const auto& c : caseTable("import/coordinates.cases", 5)) {
    const auto dms = convertCoordinate(
        c[0], c[1] == "latitude" ? CoordinateAxis::Latitude : CoordinateAxis::Longitude);
    ASSERT_TRUE(dms) << c[0];
    EXPECT_EQ(dms->degrees + "|" + dms->minutes + "|" + dms->seconds,
              c[2] + "|" + c[3] + "|" + c[4])
        << c[0];
  }
  EXPECT_FALSE(convertCoordinate("", CoordinateAxis::Latitude));
  EXPECT_FALSE(convertCoordinate("  -  ", CoordinateAxis::Longitude));
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
  EXPECT_EQ(characterCount("\xE0\xA4\x85"  // three bytes, the lowest lead byte
                           "\xF0\x9F\x98\x80"
                           "A"),
            3u);
  EXPECT_EQ(characterCount("\xE2\x82"), 2u);  // a three-byte character cut short: two stray bytes
  EXPECT_EQ(decodeExchangeBytes("CAF\xC9"), "CAF\xC3\x89");
  EXPECT_EQ(decodeExchangeBytes("CAF\xC3\x89"), "CAF\xC3\x89");
  EXPECT_TRUE(isMarkerLine("  #   ", "#"));
  EXPECT_FALSE(isMarkerLine("#|", "#"));
}

}  // namespace
}  // namespace survey::uddf
