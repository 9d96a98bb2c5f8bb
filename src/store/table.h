// A survey table: a fixed-capacity grid of text cells addressed by (row, field),
// both counted from 1. Row 0 and field 0 exist but hold no data of a record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace survey {

enum class TableKind { Airport, Runway, Navaid, Obstruction };

struct TableShape {
  TableKind kind;
  std::string_view name;      // for messages: "airport", "runway", ...
  std::string_view fileName;  // store file beside the program
  int capacity;               // highest record row
  int storageFields;          // fields 1..storageFields exist in memory
  int writtenFields;          // fields 1..writtenFields reach the store file
  int linkField;              // survey key (airport: its own identifier)
  int deleteField;            // "D" marks a deleted row; 0 for none
};

const TableShape& shapeOf(TableKind kind);

class Table {
 public:
  explicit Table(TableKind kind);

  const TableShape& shape() const { return *shape_; }
  int16_t count() const { return count_; }
  void setCount(int16_t count);
  bool full() const { return count_ >= shape_->capacity; }

  // Cells of rows that were never written read as empty text.
  const std::string& cell(int row, int field) const;
  void setCell(int row, int field, std::string value);
  void clearRow(int row);
  // Makes room for rows 1..rows at once (a load knows how many are coming).
  void reserveRows(int rows) { rows_.reserve(static_cast<std::size_t>(rows) + 1); }
  // Rows that hold storage (may exceed the count after a compaction or a load).
  int storedRows() const { return static_cast<int>(rows_.size()) - 1; }

  // Adds an empty record at count + 1; nothing when the table is full.
  std::optional<int> appendRow();

  bool isDeleted(int row) const;

 private:
  std::vector<std::string>& rowStorage(int row);

  const TableShape* shape_;
  int16_t count_ = 0;
  std::vector<std::vector<std::string>> rows_;  // index = row number
};

}  // namespace survey
