// A survey table: a fixed-capacity grid of text cells addressed by (row, field),
// both counted from 1. Row 0 and field 0 exist but hold no data of a record.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/store_text.h"

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
  int recordNumberField;      // the row number a record received when added; 0 for none
};

const TableShape& shapeOf(TableKind kind);

// A cell's text, viewed where the table keeps it: valid until that cell is
// set, its row is cleared or overwritten, or the table is loaded or cleared.
// Converts to std::string where a caller keeps a copy.
class CellText : public std::string_view {
 public:
  constexpr CellText() = default;
  constexpr explicit CellText(std::string_view text) : std::string_view(text) {}
  operator std::string() const { return std::string(data(), size()); }
};
// Joining a cell to text gives text, as it did when cells were strings.
inline std::string operator+(std::string text, CellText cell) {
  return text.append(cell);
}
inline std::string operator+(const char* text, CellText cell) {
  return std::string(text).append(cell);
}
inline std::string operator+(CellText cell, std::string_view text) {
  return std::string(cell).append(text);
}
inline std::string operator+(CellText cell, const char* text) {
  return std::string(cell).append(text);
}
inline std::string operator+(CellText cell, const std::string& text) {
  return std::string(cell).append(text);
}
inline std::string operator+(CellText cell, CellText other) {
  return std::string(cell).append(other);
}

// A value as a cell holds it: each line break (CR LF, lone CR, lone LF) becomes
// one blank, since a store file keeps one cell per line.
std::string cellValue(std::string_view value);

class Table {
 public:
  explicit Table(TableKind kind);

  const TableShape& shape() const { return *shape_; }
  int16_t count() const { return count_; }
  void setCount(int16_t count);
  bool full() const { return count_ >= shape_->capacity; }

  // Cells of rows that were never written read as empty text.
  CellText cell(int row, int field) const;
  // Every value entering the table passes here, so none keeps a line break.
  void setCell(int row, int field, std::string_view value);
  void clearRow(int row);
  // Makes row `to` a copy of row `from` (a compaction moves rows this way).
  void copyRow(int from, int to);
  // Rows that hold storage (may exceed the count after a compaction or a load).
  int storedRows() const { return static_cast<int>(rowSource_.size()) - 1; }

  // Adds an empty record at count + 1; nothing when the table is full.
  std::optional<int> appendRow();
  // Adds a whole record at count + 1 in one step, taking over its cells
  // (index = field number, field 0 held but not a record's data; missing
  // fields are empty). Nothing when the table is full.
  std::optional<int> appendRecord(std::vector<std::string> cells);

  bool isDeleted(int row) const;

  // Takes a loaded file's lines as rows 1, 2, ... (writtenFields lines per
  // row, the last row possibly partial), with the header's count.
  void adopt(StoreText text, int16_t count);
  // The loaded lines of row `row`, with terminators, when the row is as it was
  // loaded, complete and CR LF throughout; empty otherwise.
  std::string_view unchangedRecordText(int row) const;

 private:
  // Row sources: 0 = empty, n > 0 = loaded record n, n < 0 = edited slot -n-1.
  std::vector<std::string>& editableRow(int row);
  std::vector<std::string>& freshSlot(int row);
  void releaseRow(int row);
  std::string_view loadedCell(int32_t record, int field) const;

  const TableShape* shape_;
  int16_t count_ = 0;
  std::shared_ptr<const StoreText> loaded_;
  std::vector<int32_t> rowSource_;
  std::deque<std::vector<std::string>> edited_;  // a deque never moves its rows
  std::vector<int32_t> freeSlots_;
};

}  // namespace survey
