#include "uddf/export/cell_grid.h"

#include <algorithm>
#include <array>

#include "store/text_encoding.h"

namespace survey::uddf {

namespace {

// Upper case of every Windows-1252 character that has one in the code page.
constexpr std::array<unsigned char, 256> makeUpperTable() {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 32);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 32);  // not the division sign
  }
  table[0x9A] = 0x8A;  // s caron
  table[0x9C] = 0x8C;  // oe
  table[0x9E] = 0x8E;  // z caron
  table[0xFF] = 0x9F;  // y diaeresis
  return table;
}
constexpr std::array<unsigned char, 256> kUpper = makeUpperTable();

std::string blankRow() {
  return std::string(kGridColumns, ' ');
}

}  // namespace

std::string toCellText(std::string_view text) {
  // Most texts are printable ASCII and need no conversion.
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F;
  });
  if (plain) return std::string(text);
  std::string cells = utf8ToWindows1252(text);
  for (char& c : cells) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = ' ';
  }
  return cells;
}

std::string* CellGrid::rowCells(int row) {
  if (row < 0) return nullptr;
  if (row > kGridLastRow) {
    overflowed_ = true;
    return nullptr;
  }
  if (row > lastRow()) rows_.resize(static_cast<std::size_t>(row) + 1, blankRow());
  return &rows_[static_cast<std::size_t>(row)];
}

void CellGrid::placeLeft(int row, int column, std::string_view cells) {
  if (cells.empty()) return;
  std::string* line = rowCells(row);
  if (line == nullptr) return;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const long col = column + static_cast<long>(i);
    if (col < 1) continue;
    if (col > kGridColumns) break;
    (*line)[static_cast<std::size_t>(col - 1)] = cells[i];
  }
}

void CellGrid::placeRight(int row, int separatorColumn, std::string_view cells) {
  placeLeft(row, separatorColumn - static_cast<int>(cells.size()), cells);
}

void CellGrid::placeChar(int row, int column, char cell) {
  placeLeft(row, column, std::string_view(&cell, 1));
}

void CellGrid::placeEof(int row) {
  if (rowCells(row) != nullptr) eofRows_.push_back(row);
}

std::string CellGrid::lineText(int row) const {
  if (row < 0 || row > lastRow()) return blankRow();
  if (std::find(eofRows_.begin(), eofRows_.end(), row) != eofRows_.end()) {
    // The first cell holds "EOF"; the other 199 cells are empty.
    return "EOF" + std::string(kGridColumns - 1, ' ');
  }
  std::string line = rows_[static_cast<std::size_t>(row)];
  for (char& c : line) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
  return line;
}

std::string CellGrid::fileBytes(int lastRow) const {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(lastRow + 1) * (kGridColumns + 2) + 4);
  std::string line;
  for (int row = 0; row <= lastRow; ++row) {
    const bool plain = row <= this->lastRow() &&
                       std::find(eofRows_.begin(), eofRows_.end(), row) == eofRows_.end();
    if (!plain) {
      bytes += lineText(row);
    } else {
      line = rows_[static_cast<std::size_t>(row)];
      for (char& c : line) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
      bytes += line;
    }
    bytes += "\r\n";
  }
  return bytes;
}

ValueTooWide::ValueTooWide(const std::string& record, const std::string& field,
                           const std::string& value, int columns)
    : std::runtime_error("The UDDF file was not written: the " + field + " of the " + record +
                         ", \"" + value + "\", is too long for its " + std::to_string(columns) +
                         (columns == 1 ? " column." : " columns.")) {}

RecordLine::RecordLine(CellGrid& grid, int row, std::string record,
                       std::initializer_list<int> separators,
                       std::vector<ShortenedValue>& shortened)
    : grid_(grid),
      row_(row),
      record_(std::move(record)),
      separators_(separators),
      shortened_(shortened) {
  std::sort(separators_.begin(), separators_.end());
}

void RecordLine::separators(std::initializer_list<int> columns) {
  for (int column : columns) grid_.placeSeparator(row_, column);
}

int RecordLine::left(int column, std::string_view value, std::string_view field) {
  std::string cells = toCellText(value);
  const long end = column + static_cast<long>(cells.size());  // one past the last cell
  const auto stop = std::lower_bound(separators_.begin(), separators_.end(), column);
  if (stop != separators_.end() && *stop < end) {
    cells.resize(static_cast<std::size_t>(*stop - column));
    shortened_.push_back(
        {record_, std::string(field), std::string(value), windows1252ToUtf8(cells)});
  }
  grid_.placeLeft(row_, column, cells);
  return column + static_cast<int>(cells.size());
}

void RecordLine::right(int separatorColumn, std::string_view value, std::string_view field) {
  const std::string cells = toCellText(value);
  if (cells.empty()) return;
  const long start = separatorColumn - static_cast<long>(cells.size());
  const auto previous = std::lower_bound(separators_.begin(), separators_.end(), separatorColumn);
  const int boundary = previous == separators_.begin() ? 0 : *(previous - 1);
  if (start <= boundary) {
    throw ValueTooWide(record_, std::string(field), std::string(value),
                       separatorColumn - boundary - 1);
  }
  grid_.placeLeft(row_, static_cast<int>(start), cells);
}

void RecordLine::firstCharacter(int column, std::string_view value) {
  const std::string cells = toCellText(value);
  if (!cells.empty()) grid_.placeChar(row_, column, cells.front());
}

}  // namespace survey::uddf
