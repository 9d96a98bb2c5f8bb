#include "store/csv_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace survey {
namespace {

// A field as one cell of a line: left alone unless a spreadsheet would split it, merge it
// with the next or cut its blanks.
TEST(CsvText, QuotesOnlyTheFieldsThatNeedIt) {
  const struct {
    std::string field, written;
  } cases[] = {
      {"", ""},
      {"TREE", "TREE"},
      {"1100.0", "1100.0"},
      {"-45.0", "-45.0"},
      {"a b", "a b"},
      {"it's", "it's"},
      {"\tTREE", "\tTREE"},
      {"PIR, 40:1", "\"PIR, 40:1\""},
      {"SIGN \"EAST\"", "\"SIGN \"\"EAST\"\"\""},
      {"\"", "\"\"\"\""},
      {" TREE", "\" TREE\""},
      {"TREE ", "\"TREE \""},
      {" ", "\" \""},
      {"two\nlines", "\"two\nlines\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"end\r", "\"end\r\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.field));
    EXPECT_EQ(csvText({{c.field}}), c.written + "\r\n");
    EXPECT_EQ(csvText({{"x", c.field, "y"}}), "x," + c.written + ",y\r\n");
  }
}

TEST(CsvText, EachRowALineEndedByCrLf) {
  EXPECT_EQ(csvText({}), "");
  EXPECT_EQ(csvText({{}, {"a", ""}, {"", "", "b,c"}}), "\r\na,\r\n,,\"b,c\"\r\n");
}

}  // namespace
}  // namespace survey
