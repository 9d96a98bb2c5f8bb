// The exchange file, the import, the developer list import and the review give
// the same bytes in a locale with a decimal comma as in the C locale: the
// window runs in the desktop's locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "entry/obstruction_list_import.h"
#include "record_fixture.h"
#include "review/survey_review.h"
#include "store/store_files.h"
#include "support/survey_rows.h"
#include "uddf/export/formatting.h"
#include "uddf/export/uddf_export.h"
#include "uddf/import/uddf_import.h"

namespace survey::testing {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Makes the German locale available, compiling it into a folder of the test's
// own when the system does not have it.
bool commaLocaleAvailable(const std::filesystem::path& scratch) {
  if (std::setlocale(LC_ALL, kCommaLocale) != nullptr) return true;
  const std::string made = (scratch / kCommaLocale).string();
  const std::string command = "localedef -i de_DE -f UTF-8 " + made + " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  ::setenv("LOCPATH", scratch.c_str(), 1);
  return std::setlocale(LC_ALL, kCommaLocale) != nullptr;
}

std::string printedDecimal() {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", 1.5);
  return text;
}

class LocaleTest : public ObstructionTest {
 protected:
  ~LocaleTest() override {
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
  }

  // What each path writes, by name, in the locale in force.
  std::map<std::string, std::string> everythingWritten() {
    std::map<std::string, std::string> out;
    SurveyStore exported;
    addSurveyRows(exported, "export/runways.rows");
    addSurveyRows(exported, "export/navaids.rows");
    for (const std::string key : {"KRWY", "KNAV"}) {
      const uddf::ComposedUddf file = uddf::composeUddf(exported, key, {2026, 12, 5, 7, 45, 58});
      out["export " + key] = file.bytes;
      SurveyStore imported;
      out["import " + key] = uddf::importUddfText(imported, file.bytes).message;
      for (TableKind kind : kAllTables) out["import " + key] += storeFileText(imported.table(kind));
      for (const review::Finding& f : review::reviewSurvey(exported, key, {2026, 12, 5})) {
        out["review " + key] +=
            f.record + '|' + f.fieldLabel + '|' + f.message + '|' + f.computed + '\n';
      }
    }
    out["export distance"] = uddf::shortestDecimal(4549.5);  // length minus a profile distance
    program.store.clear();
    addSurvey();
    std::ofstream(dir.path() / kObstructionListFile, std::ios::binary)
        << "TOWER,401234.56,0953012.34,1234.6\r\nPOLE,395901.5,1045959.99,-20.5\r\n";
    importObstructionList(program);
    out["list import"] = storeFileText(program.store.obstructions());
    return out;
  }
};

TEST_F(LocaleTest, ADecimalCommaLocaleChangesNoByte) {
  std::setlocale(LC_ALL, "C");
  const auto inC = everythingWritten();
  ASSERT_NE(inC.at("list import").find("1235"), std::string::npos) << "1234.6 ft rounds up";
  ASSERT_NE(inC.at("review KRWY").find(".8\""), std::string::npos) << "an azimuth's tenths";
  ASSERT_EQ(inC.at("export distance"), "4549.5");

  ASSERT_TRUE(commaLocaleAvailable(dir.path())) << kCommaLocale << " could not be made";
  ASSERT_EQ(printedDecimal(), "1,5") << "the locale must write a decimal comma";
  const auto inComma = everythingWritten();
  ASSERT_EQ(inComma.size(), inC.size());
  for (const auto& [path, bytes] : inC) {
    const std::string& other = inComma.at(path);
    const auto at = static_cast<std::size_t>(
        std::mismatch(bytes.begin(), bytes.end(), other.begin(), other.end()).first -
        bytes.begin());
    EXPECT_TRUE(at == bytes.size() && other.size() == bytes.size())
        << path << ": \"" << bytes.substr(at, 40) << "\" became \"" << other.substr(at, 40) << '"';
  }
}

}  // namespace
}  // namespace survey::testing
