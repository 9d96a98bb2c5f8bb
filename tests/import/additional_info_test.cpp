// The closing block's rules line by line; a whole block as files hold it is read through the
// sample file's import.
#include "uddf/import/additional_info.h"

#include <gtest/gtest.h>

#include <string>

#include "support/survey_rows.h"

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
  for (const auto& c : survey::testing::caseTable("import/survey_lines.cases", 4)) {
    SurveyLine parsed;
    ASSERT_EQ(parseSurveyLine(c[0], parsed), c[1] != "unread") << c[0];
    if (c[1] == "unread") continue;
    EXPECT_EQ(parsed.surveyType, c[1]) << c[0];
    EXPECT_EQ(parsed.surveyor, c[2]) << c[0];
    EXPECT_EQ(parsed.licence, c[3]) << c[0];
  }
}

}  // namespace
}  // namespace survey::uddf
