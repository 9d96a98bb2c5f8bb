#include "store/number_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace survey {
namespace {

TEST(NumberText, ReadsDecimalsWithAPointOnly) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"12.5", 12.5}, {" -3.25 ", -3.25}, {"+7", 7.0},   {"1e3", 1000.0},
      {".5", 0.5},    {"12,5", {}},       {"", {}},      {"+", {}},
      {"+-1", {}},    {"inf", {}},        {"1e999", {}}, {"12.5 ft", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(decimalValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, WritesAsPrintfDoesInTheCLocale) {
  EXPECT_EQ(fixedText(1234.55, 1), "1234.5");  // the binary value lies just below .55
  EXPECT_EQ(fixedText(-0.04, 1), "-0.0");
  EXPECT_EQ(fixedText(30, 0), "30");
  EXPECT_EQ(significantText(4549.5, 15), "4549.5");
  EXPECT_EQ(significantText(0.1 + 0.2, 15), "0.3");
  EXPECT_EQ(significantText(1e20, 15), "1e+20");
}

}  // namespace
}  // namespace survey
