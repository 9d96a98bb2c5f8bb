#include "store/table.h"

#include <array>
#include <stdexcept>

namespace survey {

namespace {
constexpr std::array<TableShape, 4> kShapes{{
    {TableKind::Airport, "airport", "survey_apt.txt", 1000, 42, 41, 3, 0},
    {TableKind::Runway, "runway", "survey_rwy.txt", 1000, 200, 200, 49, 50},
    {TableKind::Navaid, "navaid", "survey_gs.txt", 10000, 40, 27, 16, 17},
    {TableKind::Obstruction, "obstruction", "survey_obs.txt", 32767, 40, 25, 22, 24},
}};
const std::string kEmpty;
}  // namespace

const TableShape& shapeOf(TableKind kind) {
  return kShapes[static_cast<std::size_t>(kind)];
}

Table::Table(TableKind kind) : shape_(&shapeOf(kind)), rows_(1) {}

void Table::setCount(int16_t count) {
  if (count < 0 || count > shape_->capacity) throw std::out_of_range("table count out of range");
  count_ = count;
}

const std::string& Table::cell(int row, int field) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
  const auto& fields = rows_[row];
  if (field < 0 || field >= static_cast<int>(fields.size())) return kEmpty;
  return fields[field];
}

std::vector<std::string>& Table::rowStorage(int row) {
  if (row < 0 || row > shape_->capacity) throw std::out_of_range("table row out of range");
  if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1);
  auto& fields = rows_[row];
  if (fields.empty()) fields.resize(shape_->storageFields + 1);
  return fields;
}

void Table::setCell(int row, int field, std::string value) {
  if (field < 0 || field > shape_->storageFields)
    throw std::out_of_range("table field out of range");
  if (value.empty() && row >= static_cast<int>(rows_.size())) return;
  rowStorage(row)[field] = std::move(value);
}

void Table::clearRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  rows_[row].clear();
}

std::optional<int> Table::appendRow() {
  if (full()) return std::nullopt;
  ++count_;
  clearRow(count_);
  return count_;
}

bool Table::isDeleted(int row) const {
  return shape_->deleteField != 0 && cell(row, shape_->deleteField) == "D";
}

}  // namespace survey
