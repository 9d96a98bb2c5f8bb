// Surveys built straight into the tables for the export tests, and the fixed moment
// their survey lines carry.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/survey_store.h"
#include "uddf/export/sections.h"

namespace survey::uddf::testing {

using Fields = std::vector<std::pair<int, std::string>>;

// 12/5/2026 7:45:58 AM
inline constexpr LocalDateTime kExportMoment{2026, 12, 5, 7, 45, 58};

inline int addRow(Table& table, const Fields& fields) {
  const int row = *table.appendRow();
  for (const auto& [field, value] : fields) table.setCell(row, field, value);
  return row;
}

// A certified survey of type `type` with the hemisphere flags given; more fields may follow.
inline int addSurvey(SurveyStore& store, const std::string& key, const std::string& type,
                     bool north, bool east, Fields fields = {}) {
  fields.insert(fields.begin(), {{3, key},
                                 {25, type},
                                 {39, north ? "True" : "False"},
                                 {40, east ? "True" : "False"},
                                 {41, "CERTIFIED"}});
  return addRow(store.airports(), fields);
}

inline int addRunway(SurveyStore& store, const std::string& key, Fields fields) {
  fields.emplace_back(49, key);
  return addRow(store.runways(), fields);
}

inline int addNavaid(SurveyStore& store, const std::string& key, Fields fields) {
  fields.emplace_back(16, key);
  return addRow(store.navaids(), fields);
}

inline int addObstruction(SurveyStore& store, const std::string& key, Fields fields) {
  fields.emplace_back(22, key);
  return addRow(store.obstructions(), fields);
}

}  // namespace survey::uddf::testing
