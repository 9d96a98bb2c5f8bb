#include "store/text_trim.h"

#include <gtest/gtest.h>

#include <string_view>

namespace survey {
namespace {

using namespace std::string_view_literals;

// Each text cut by the three trims; where they part is where a caller would notice.
TEST(TextTrim, EachTrimCutsItsOwnBlanksOnly) {
  struct Case {
    std::string_view text, spaces, blanks, whitespace;
  };
  const Case cases[] = {
      {"", "", "", ""},
      {"   ", "", "", ""},
      {"  a b  ", "a b", "a b", "a b"},
      {"\t 7 \t", "\t 7 \t", "7", "7"},
      {" \t7", "\t7", "7", "7"},
      {"7\r\n", "7\r\n", "7\r\n", "7"},
      {" \r 7 \n ", "\r 7 \n", "\r 7 \n", "7"},
      {"\t\r\n ", "\t\r\n", "\r\n", ""},
      {"\0 7 \0"sv, "\0 7 \0"sv, "\0 7 \0"sv, "\0 7 \0"sv},
      {" \v7\f ", "\v7\f", "\v7\f", "\v7\f"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(trimSpaces(c.text), c.spaces);
    EXPECT_EQ(trimBlanks(c.text), c.blanks);
    EXPECT_EQ(trimWhitespace(c.text), c.whitespace);
  }
}

}  // namespace
}  // namespace survey
