// Survey rows and tables of cases written down as text, so that reviewed files under
// tests/data can hold the surveys a test starts from, the tables an import must give and the
// cases a table-driven test runs. In a rows file a line naming a table ("airport", "runway",
// "navaid", "obstruction") starts a row, and "N value" sets field N. A value in double quotes
// keeps its outer blanks. Lines starting with "//" are notes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "store/survey_store.h"
#include "support/fields_text.h"

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

// The four tables hold exactly the rows of the reviewed file.
inline void expectSurveyRows(const SurveyStore& store, const std::string& name) {
  std::string expected;
  for (const std::string& line : reviewedLines(name)) expected += line + "\n";
  EXPECT_EQ(surveyRowsText(store), expected) << name;
}

// A value as a reviewed file writes it: in double quotes when its outer blanks count.
inline std::string unquoted(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// A table of cases in a reviewed file: a case a line, its columns separated by "|" and
// trimmed of blanks; a column in double quotes keeps its blanks and may hold a "|".
inline std::vector<std::vector<std::string>> caseTable(const std::string& name,
                                                       std::size_t columns) {
  std::vector<std::vector<std::string>> cases;
  for (const std::string& line : reviewedLines(name)) {
    std::vector<std::string> row(1);
    bool quoted = false;
    for (const char c : line) {
      quoted = quoted != (c == '"');
      if (c == '|' && !quoted) {
        row.emplace_back();
      } else {
        row.back() += c;
      }
    }
    for (std::string& column : row) {
      const auto first = column.find_first_not_of(' ');
      column = first == std::string::npos ? "" : column.substr(first);
      column = unquoted(column.substr(0, column.find_last_not_of(' ') + 1));
    }
    EXPECT_EQ(row.size(), columns) << name << ": " << line;
    if (row.size() == columns) cases.push_back(std::move(row));
  }
  EXPECT_FALSE(cases.empty()) << name << " holds no cases";
  return cases;
}

struct SurveyRow {
  TableKind kind;
  FieldValues fields;
};

// The rows of the reviewed file, in its order.
inline std::vector<SurveyRow> surveyRows(const std::string& name) {
  std::vector<SurveyRow> rows;
  for (const std::string& line : reviewedLines(name)) {
    const auto space = line.find(' ');
    if (space == std::string::npos) {
      const auto* kind = std::find_if(std::begin(kAllTables), std::end(kAllTables),
                                      [&](TableKind k) { return shapeOf(k).name == line; });
      EXPECT_NE(kind, std::end(kAllTables)) << name << ": " << line;
      if (kind != std::end(kAllTables)) rows.push_back({*kind, {}});
      continue;
    }
    const std::string value = unquoted(line.substr(space + 1));
    if (rows.empty()) ADD_FAILURE() << name << ": a field before any table: " << line;
    if (!rows.empty()) rows.back().fields.emplace_back(std::stoi(line), value);
  }
  EXPECT_FALSE(rows.empty()) << name << " holds no rows";
  return rows;
}

// Appends the rows of the reviewed file to the tables as they stand.
inline void addSurveyRows(SurveyStore& store, const std::string& name) {
  for (const SurveyRow& row : surveyRows(name)) {
    Table& table = store.table(row.kind);
    const int added = *table.appendRow();
    for (const auto& [field, value] : row.fields) table.setCell(added, field, value);
  }
}

// Changes written down as text, so that a reviewed file can list the changes a test makes:
// steps separated by "; ", each "VERB TABLE [ROW] [FIELDS]", the fields as fieldsOf reads
// them. append: a row added as the screens add one (a child to the current survey); update:
// a row changed as the screens change it; set: cells written straight into the row, which
// is then noted changed; add: a row added straight into the table, as an import adds it;
// delete: a child row marked deleted, or "delete survey KEY" a whole survey.
inline void applyChanges(SurveyStore& store, const std::string& steps) {
  for (std::size_t at = 0, end = 0; at < steps.size(); at = end + 2) {
    end = std::min(steps.find("; ", at), steps.size());
    std::istringstream step(steps.substr(at, end - at));
    std::string verb, table, fields;
    int row = 0;
    step >> verb >> table;
    if (verb == "delete" && table == "survey") {
      step >> fields;
      store.deleteSurvey(fields);
      continue;
    }
    const auto* kind = std::find_if(std::begin(kAllTables), std::end(kAllTables),
                                    [&](TableKind k) { return shapeOf(k).name == table; });
    ASSERT_NE(kind, std::end(kAllTables)) << steps;
    if (verb != "append" && verb != "add") step >> row;
    std::getline(step >> std::ws, fields);
    const FieldValues values = fields.empty() ? FieldValues{} : fieldsOf(fields);
    if (verb == "append" && *kind == TableKind::Airport) {
      store.appendAirport(values);
    } else if (verb == "append") {
      store.appendChild(*kind, values);
    } else if (verb == "update") {
      store.updateRow(*kind, row, values);
    } else if (verb == "delete") {
      store.markDeleted(*kind, row);
    } else {
      ASSERT_TRUE(verb == "set" || verb == "add") << steps;
      if (verb == "add") row = *store.table(*kind).appendRow();
      for (const auto& [field, value] : values) store.table(*kind).setCell(row, field, value);
      if (verb == "set") store.noteRowChanged(*kind, row);
    }
  }
}

}  // namespace survey::testing
