// Survey rows written down as text, so that reviewed files under tests/data can hold the
// surveys a test starts from and the tables an import must give. A line naming a table
// ("airport", "runway", "navaid", "obstruction") starts a row; "N value" sets field N, and a
// value in double quotes keeps its outer blanks. Lines starting with "//" are notes.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "store/survey_store.h"

namespace survey::testing {

inline constexpr TableKind kAllTables[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                                           TableKind::Obstruction};

// Every row of the four tables with its non-empty fields, in the text above.
inline std::string surveyRowsText(const SurveyStore& store) {
  std::string text;
  for (TableKind kind : kAllTables) {
    const Table& table = store.table(kind);
    for (int row = 1; row <= table.count(); ++row) {
      text += std::string(table.shape().name) + "\n";
      for (int field = 1; field <= table.shape().storageFields; ++field) {
        const std::string value = table.cell(row, field);
        if (value.empty()) continue;
        const bool blanks = value.front() == ' ' || value.back() == ' ' || value.front() == '"';
        text += std::to_string(field) + " " + (blanks ? '"' + value + '"' : value) + "\n";
      }
    }
  }
  return text;
}

// The lines of a reviewed file under the test data folder, without its notes.
inline std::vector<std::string> reviewedLines(const std::string& name) {
  const ReadResult file = readWholeFile(std::string(SURVEY_TEST_DATA) + "/" + name);
  EXPECT_TRUE(file.ok) << file.error;
  std::vector<std::string> lines;
  std::istringstream text(file.bytes);
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && !line.starts_with("//")) lines.push_back(line);
  }
  return lines;
}

// Appends the rows of the reviewed file to the tables.
inline void addSurveyRows(SurveyStore& store, const std::string& name) {
  Table* table = nullptr;
  int row = 0;
  for (const std::string& line : reviewedLines(name)) {
    if (line.find(' ') == std::string::npos) {
      table = nullptr;
      for (TableKind kind : kAllTables) {
        if (store.table(kind).shape().name == line) table = &store.table(kind);
      }
      ASSERT_NE(table, nullptr) << name << ": " << line;
      row = *table->appendRow();
      continue;
    }
    ASSERT_NE(table, nullptr) << name << ": a field before any table: " << line;
    std::string value = line.substr(line.find(' ') + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    table->setCell(row, std::stoi(line), value);
  }
  ASSERT_NE(table, nullptr) << name << " holds no rows";
}

}  // namespace survey::testing
