#include "store/survey_store.h"

#include <stdexcept>

#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

std::string numberCell(long value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  return (value < 0 ? "-" : " ") + digits + " ";
}

std::string booleanCell(bool value) {
  return value ? "True" : "False";
}

std::string tableFullMessage(TableKind kind) {
  switch (kind) {
    case TableKind::Airport:
      return "The survey list is full (1000 surveys). Delete a survey before adding another.";
    case TableKind::Runway:
      return "The runway table is full (1000 runways, deleted runways included). Delete a survey "
             "before adding another runway.";
    case TableKind::Navaid:
      return "The navaid table is full (10000 navaids, deleted navaids included). Delete a survey "
             "before adding another navaid.";
    case TableKind::Obstruction:
      return "The obstruction table is full (32767 obstructions, deleted obstructions included). "
             "Delete a survey before adding another obstruction.";
  }
  return {};
}

SurveyStore::SurveyStore() {
  tables_.reserve(4);
  for (auto kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    tables_.emplace_back(kind);
  }
}

void SurveyStore::clear() {
  for (auto& table : tables_) table = Table(table.shape().kind);
}

int SurveyStore::findSurveyRow(std::string_view key) const {
  const Table& apt = airports();
  int found = 0;
  for (int row = 1; row <= apt.count(); ++row) {
    if (apt.cell(row, airport::Identifier) == key) found = row;
  }
  return found;
}

AppendResult SurveyStore::appendAirport(const FieldValues& values) {
  Table& apt = airports();
  auto row = apt.appendRow();
  if (!row) return {0, tableFullMessage(TableKind::Airport)};
  for (const auto& [field, text] : values) apt.setCell(*row, field, text);
  apt.setCell(*row, airport::SurveyType, current.surveyType);
  apt.setCell(*row, airport::Status, std::string(status::kNew));
  current.surveyKey = apt.cell(*row, airport::Identifier);
  current.surveyName = apt.cell(*row, airport::Name);
  current.airportRow = static_cast<int16_t>(*row);
  noteRowChanged(TableKind::Airport, *row);
  return {*row, {}};
}

AppendResult SurveyStore::appendChild(TableKind kind, const FieldValues& values) {
  Table& t = table(kind);
  if (t.full()) return {0, tableFullMessage(kind)};
  std::vector<std::string> cells(static_cast<std::size_t>(t.shape().storageFields) + 1);
  for (const auto& [field, text] : values) {
    if (field < 0 || field > t.shape().storageFields)
      throw std::out_of_range("table field out of range");
    cells[static_cast<std::size_t>(field)] = text;
  }
  cells[static_cast<std::size_t>(t.shape().linkField)] = current.surveyKey;
  const auto row = appendWholeRow(kind, std::move(cells));
  if (kind == TableKind::Runway) current.runwayRow = static_cast<int16_t>(*row);
  return {*row, {}};
}

std::optional<int> SurveyStore::appendWholeRow(TableKind kind, std::vector<std::string> cells) {
  Table& t = table(kind);
  const auto numberField = static_cast<std::size_t>(t.shape().recordNumberField);
  if (numberField != 0) {
    if (cells.size() <= numberField) cells.resize(numberField + 1);
    cells[numberField] = numberCell(t.count() + 1);
  }
  const auto row = t.appendRecord(std::move(cells));
  if (row) noteRowChanged(kind, *row);
  return row;
}

bool SurveyStore::identifierTaken(std::string_view identifier, int row) const {
  const Table& apt = airports();
  for (int other = 1; other <= apt.count(); ++other) {
    if (other != row && apt.cell(other, airport::Identifier) == identifier) return true;
  }
  return false;
}

void SurveyStore::renameSurvey(std::string_view oldKey, const std::string& newKey) {
  for (auto kind : {TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    Table& t = table(kind);
    const int link = t.shape().linkField;
    for (int row = 1; row <= t.count(); ++row) {
      if (t.cell(row, link) != oldKey) continue;
      t.setCell(row, link, newKey);
      noteRowChanged(kind, row);
    }
  }
  current.surveyKey = newKey;
}

void SurveyStore::updateRow(TableKind kind, int row, const FieldValues& values) {
  Table& t = table(kind);
  for (const auto& [field, text] : values) t.setCell(row, field, text);
  noteRowChanged(kind, row);
}

std::vector<int> SurveyStore::childRows(TableKind kind, std::string_view key) const {
  const Table& t = table(kind);
  const int link = t.shape().linkField;
  std::vector<int> rows;
  for (int row = 1; row <= t.count(); ++row) {
    if (t.cell(row, link) == key && !t.isDeleted(row)) rows.push_back(row);
  }
  return rows;
}

void SurveyStore::markDeleted(TableKind kind, int row) {
  Table& t = table(kind);
  if (t.shape().deleteField != 0) t.setCell(row, t.shape().deleteField, "D");
  noteRowChanged(kind, row);
}

void SurveyStore::deleteSurvey(std::string_view key) {
  if (observer_ != nullptr) observer_->surveyDeleting(key);
  for (auto& t : tables_) {
    const int link = t.shape().linkField;
    int kept = 0;
    for (int row = 1; row <= t.count(); ++row) {
      if (t.cell(row, link) == key) continue;
      ++kept;
      t.copyRow(row, kept);
    }
    t.setCount(static_cast<int16_t>(kept));
  }
  if (observer_ != nullptr) observer_->surveyDeleted();
}

}  // namespace survey
