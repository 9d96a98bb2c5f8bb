// The closing block's rules line by line; a whole block as files hold it is read through the
// sample file's import.
#include "uddf/import/additional_info.h"

#include <gtest/gtest.h>

#include <string>

namespace survey::uddf {
namespace {

TEST(AdditionalInformation, LinesThatAddNothing) {
  for (const std::string line : {"", "   ", "| | |  |", "EOF", "EOF and more", "EOFX",
                                 "  |ADDITIONAL INFORMATION  |", "TEXT |ADDITIONAL INFORMATION"}) {
    AdditionalInformation info;
    info.readLine(line);
    EXPECT_FALSE(info.hasRemarks()) << line;
    EXPECT_FALSE(info.hasSurveyLine()) << line;
  }
  AdditionalInformation lower;
  lower.readLine("|survey type is aoc. surveyor: x license no: 1 submitted: now");
  EXPECT_FALSE(lower.hasSurveyLine());  // markers are matched in upper case only
  EXPECT_EQ(lower.remarks(), " survey type is aoc. surveyor: x license no: 1 submitted: now");
}

TEST(AdditionalInformation, BlankRunsCollapseTenPassesPerLine) {
  AdditionalInformation info;
  info.readLine("A" + std::string(1024, ' ') + "B");
  EXPECT_EQ(info.remarks(), " A B");
  // A run longer than 1024 blanks needs the next line's passes too.
  AdditionalInformation longRun;
  longRun.readLine("A" + std::string(2000, ' ') + "B");
  EXPECT_EQ(longRun.remarks(), " A  B");
  longRun.readLine("C");
  EXPECT_EQ(longRun.remarks(), " A B C");
  // The blanks at the end of one line join those before the next.
  AdditionalInformation joined;
  joined.readLine("|WORD" + std::string(300, ' ') + "|");
  joined.readLine("|" + std::string(300, ' ') + "NEXT");
  EXPECT_EQ(joined.remarks(), " WORD NEXT");
  // A word the export cut at a piece boundary keeps the blank between its pieces.
  AdditionalInformation cut;
  cut.readLine("|ABCDEF");
  cut.readLine("|GHI");
  EXPECT_EQ(cut.remarks(), " ABCDEF GHI");
}

TEST(SurveyLine, PartsAndTheirMissingMarkers) {
  const struct {
    const char* line;
    const char *type, *surveyor, *licence;
  } cases[] = {
      {"|SURVEY TYPE IS ANAPC.  SURVEYOR: J. DOE  LICENSE NO: L-9 SUBMITTED: 1/2/2007  9:00:00 "
       "AM  (V3.7)|",
       "ANAPC", "J. DOE", "L-9"},
      // Empty certification texts.
      {"|SURVEY TYPE IS AOC.  SURVEYOR:   LICENSE NO:  SUBMITTED: 1/2/2007", "AOC", "", ""},
      // No "." after the type: the type ends where the surveyor starts.
      {"|SURVEY TYPE IS AOC  SURVEYOR: X  LICENSE NO: 7 SUBMITTED: 1", "AOC", "X", "7"},
      // No surveyor marker at all.
      {"|SURVEY TYPE IS NAVAID. LICENSE NO: 7 SUBMITTED: 1", "NAVAID", "", "7"},
      // No "SUBMITTED:": the licence runs to the end of the line.
      {"|SURVEY TYPE IS AOC.  SURVEYOR: X  LICENSE NO: 7   ", "AOC", "X", "7"},
      // The type before a prefix other than "|SURVEY TYPE IS " keeps the prefix.
      {"SURVEY TYPE IS AOC. SURVEYOR: X LICENSE NO: 7 SUBMITTED:", "SURVEY TYPE IS AOC", "X", "7"},
  };
  for (const auto& c : cases) {
    SurveyLine parsed;
    ASSERT_TRUE(parseSurveyLine(c.line, parsed)) << c.line;
    EXPECT_EQ(parsed.surveyType, c.type) << c.line;
    EXPECT_EQ(parsed.surveyor, c.surveyor) << c.line;
    EXPECT_EQ(parsed.licence, c.licence) << c.line;
  }
  SurveyLine none;
  EXPECT_FALSE(parseSurveyLine("|SURVEY TYPE IS AOC. SURVEYOR: X", none));
  EXPECT_FALSE(parseSurveyLine("|LICENSE NO: 5", none));
}

}  // namespace
}  // namespace survey::uddf
