#include "store/table.h"

#include <array>
#include <stdexcept>

#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"

namespace survey {

namespace {
// Airports are found by identifier, runways by designators: neither is numbered.
constexpr int kNoRecordNumber = 0;

constexpr std::array<TableShape, 4> kShapes{{
    {TableKind::Airport, "airport", "survey_apt.txt", 1000, airport::kStorageFields,
     airport::kWrittenFields, airport::kLinkField, airport::kNoDeletionMark, kNoRecordNumber},
    {TableKind::Runway, "runway", "survey_rwy.txt", 1000, runway::kStorageFields,
     runway::kWrittenFields, runway::kLinkField, runway::kDeletionField, kNoRecordNumber},
    {TableKind::Navaid, "navaid", "survey_gs.txt", 10000, navaid::kStorageFields,
     navaid::kWrittenFields, navaid::kLinkField, navaid::kDeletionField,
     navaid::kRecordNumberField},
    {TableKind::Obstruction, "obstruction", "survey_obs.txt", 32767, obstruction::kStorageFields,
     obstruction::kWrittenFields, obstruction::kLinkField, obstruction::kDeletionField,
     obstruction::kRecordNumberField},
}};
}  // namespace

const TableShape& shapeOf(TableKind kind) {
  return kShapes[static_cast<std::size_t>(kind)];
}

std::string cellValue(std::string_view value) {
  std::string out(value);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (c == '\r' && i + 1 < out.size() && out[i + 1] == '\n') continue;  // the LF stands for both
    out[kept++] = (c == '\r' || c == '\n') ? ' ' : c;
  }
  out.resize(kept);
  return out;
}

Table::Table(TableKind kind) : shape_(&shapeOf(kind)), rowSource_(1, 0) {}

void Table::setCount(int16_t count) {
  if (count < 0 || count > shape_->capacity) throw std::out_of_range("table count out of range");
  count_ = count;
}

std::string_view Table::loadedCell(int32_t record, int field) const {
  const int perRecord = shape_->writtenFields;
  if (field < 1 || field > perRecord) return {};
  const std::size_t line =
      static_cast<std::size_t>(record - 1) * static_cast<std::size_t>(perRecord) +
      static_cast<std::size_t>(field - 1);
  return line < loaded_->lineCount() ? loaded_->line(line) : std::string_view();
}

CellText Table::cell(int row, int field) const {
  if (row < 0 || row >= static_cast<int>(rowSource_.size())) return {};
  const int32_t source = rowSource_[row];
  if (source > 0) return CellText(loadedCell(source, field));
  if (source == 0 || field < 0 || field > shape_->storageFields) return {};
  return CellText(edited_[static_cast<std::size_t>(-source - 1)][field]);
}

// An edited slot for the row, its cells not yet set; the row's earlier
// source is left to the caller (a loaded record's text stays where it is).
std::vector<std::string>& Table::freshSlot(int row) {
  std::size_t slot = edited_.size();
  if (freeSlots_.empty()) {
    edited_.emplace_back();
  } else {
    slot = static_cast<std::size_t>(freeSlots_.back());
    freeSlots_.pop_back();
  }
  rowSource_[row] = -static_cast<int32_t>(slot) - 1;
  return edited_[slot];
}

std::vector<std::string>& Table::editableRow(int row) {
  if (row < 0 || row > shape_->capacity) throw std::out_of_range("table row out of range");
  if (row >= static_cast<int>(rowSource_.size())) rowSource_.resize(row + 1, 0);
  const int32_t source = rowSource_[row];
  if (source < 0) return edited_[static_cast<std::size_t>(-source - 1)];

  auto& cells = freshSlot(row);
  cells.assign(static_cast<std::size_t>(shape_->storageFields) + 1, std::string());
  if (source > 0) {
    for (int field = 1; field <= shape_->writtenFields; ++field)
      cells[field] = loadedCell(source, field);
  }
  return cells;
}

void Table::releaseRow(int row) {
  const int32_t source = rowSource_[row];
  rowSource_[row] = 0;
  if (source >= 0) return;
  auto& cells = edited_[static_cast<std::size_t>(-source - 1)];
  cells.clear();
  cells.shrink_to_fit();
  freeSlots_.push_back(-source - 1);
}

void Table::setCell(int row, int field, std::string_view value) {
  if (field < 0 || field > shape_->storageFields)
    throw std::out_of_range("table field out of range");
  if (value.empty() && row >= static_cast<int>(rowSource_.size())) return;
  std::string kept = cellValue(value);  // copied first: value may view this table
  editableRow(row)[field] = std::move(kept);
}

void Table::clearRow(int row) {
  if (row < 0 || row >= static_cast<int>(rowSource_.size())) return;
  releaseRow(row);
}

void Table::copyRow(int from, int to) {
  if (from == to) return;
  if (from < 0 || from >= static_cast<int>(rowSource_.size())) {
    clearRow(to);
    return;
  }
  const int32_t source = rowSource_[from];
  if (source < 0) {
    std::vector<std::string> cells = edited_[static_cast<std::size_t>(-source - 1)];
    editableRow(to) = std::move(cells);
    return;
  }
  if (to < 0 || to > shape_->capacity) throw std::out_of_range("table row out of range");
  if (to >= static_cast<int>(rowSource_.size())) rowSource_.resize(to + 1, 0);
  releaseRow(to);
  rowSource_[to] = source;
}

std::optional<int> Table::appendRow() {
  if (full()) return std::nullopt;
  ++count_;
  clearRow(count_);
  return count_;
}

std::optional<int> Table::appendRecord(std::vector<std::string> cells) {
  const auto fields = static_cast<std::size_t>(shape_->storageFields) + 1;
  if (cells.size() > fields) throw std::out_of_range("table field out of range");
  if (full()) return std::nullopt;
  for (std::string& cell : cells) {
    if (cell.find_first_of("\r\n") != std::string::npos) cell = cellValue(cell);
  }
  cells.resize(fields);
  const int row = ++count_;
  if (row >= static_cast<int>(rowSource_.size())) rowSource_.resize(row + 1, 0);
  releaseRow(row);
  freshSlot(row) = std::move(cells);
  return row;
}

bool Table::isDeleted(int row) const {
  return shape_->deleteField != 0 && cell(row, shape_->deleteField) == "D";
}

void Table::adopt(StoreText text, int16_t count) {
  const std::size_t perRecord = static_cast<std::size_t>(shape_->writtenFields);
  const std::size_t records = (text.lineCount() + perRecord - 1) / perRecord;
  if (records > static_cast<std::size_t>(shape_->capacity))
    throw std::out_of_range("more records than the table holds");
  *this = Table(shape_->kind);
  setCount(count);
  loaded_ = std::make_shared<const StoreText>(std::move(text));
  rowSource_.resize(records + 1);
  for (std::size_t row = 1; row <= records; ++row) rowSource_[row] = static_cast<int32_t>(row);
}

std::string_view Table::unchangedRecordText(int row) const {
  if (row < 1 || row >= static_cast<int>(rowSource_.size()) || !loaded_) return {};
  const int32_t source = rowSource_[row];
  if (source <= 0 || !loaded_->crLfOnly()) return {};
  const std::size_t perRecord = static_cast<std::size_t>(shape_->writtenFields);
  const std::size_t first = static_cast<std::size_t>(source - 1) * perRecord;
  if (first + perRecord > loaded_->lineCount()) return {};
  return loaded_->lines(first, first + perRecord);
}

}  // namespace survey
