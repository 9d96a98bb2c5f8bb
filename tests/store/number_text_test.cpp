#include "store/number_text.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/survey_rows.h"

namespace survey {
namespace {

TEST(NumberText, ReadsDecimalsWithAPointOnly) {
  for (const auto& c : testing::caseTable("store/decimal_texts.cases", 2)) {
    const auto value = c[1] == "none" ? std::nullopt : std::optional<double>(std::stod(c[1]));
    EXPECT_EQ(decimalValue(c[0]), value) << '"' << c[0] << '"';
  }
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
