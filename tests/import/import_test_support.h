// Small exchange files for the import tests, written item by item.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "store/file_io.h"
#include "store/survey_store.h"
#include "support/survey_rows.h"

namespace survey::uddf::testing {

inline std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// Airport lines 0 to 7 and the "@" line of a survey with the identifier.
inline std::vector<std::string> airportSection(const std::string& id,
                                               const std::string& version = "1.07") {
  return {"|" + id + "|SITE|SW|" + version + "|",
          "|NAME OF " + id + "|0452006|",
          "|CITY|STATE|",
          "|NAD83|0.1|0.2|NAVD88|0.3|",
          "|5.5|0452006|",
          "|100.0|90.0|LOC|0452006|",
          "|110|100|0452006|",
          "|341205.3|-1181530.2|",
          "@"};
}

// The runway, navaid, obstruction and closing sections of a survey without any.
inline std::vector<std::string> emptyRest(const std::string& remark = "") {
  std::vector<std::string> lines{
      "@",    "#",
      "#",    "@",
      "@",    "|ADDITIONAL INFORMATION|",
      "|  |", "|SURVEY TYPE IS AOC.  SURVEYOR: A  LICENSE NO: 1 SUBMITTED: X|"};
  if (!remark.empty()) lines.push_back("|" + remark + "|");
  lines.push_back("EOF");
  return lines;
}

inline std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline std::string sampleFile() {
  const auto read =
      readWholeFile(std::filesystem::path(SURVEY_TEST_DATA) / "import" / "two_runways.uddf");
  EXPECT_TRUE(read.ok) << read.error;
  return read.bytes;
}

// Everything of the tables and the current survey that an import may change.
inline std::string stateOf(const SurveyStore& store) {
  return survey::testing::surveyRowsText(store) + "current: " + store.current.surveyKey + "|" +
         store.current.surveyName + "|" + store.current.runwayEnd;
}

}  // namespace survey::uddf::testing
