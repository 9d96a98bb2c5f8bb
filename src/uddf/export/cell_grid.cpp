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

namespace {
// Printable ASCII: its own cell text.
bool isPlain(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F;
  });
}

// The value as cell text; converted into `storage` only when it needs it (most values
// do not, and a line places up to a dozen of them).
std::string_view cellTextOf(std::string_view value, std::string& storage) {
  if (isPlain(value)) return value;
  storage = toCellText(value);
  return storage;
}
}  // namespace

std::string toCellText(std::string_view text) {
  if (isPlain(text)) return std::string(text);
  std::string cells = utf8ToWindows1252(text);
  for (char& c : cells) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = ' ';
  }
  return cells;
}

constexpr std::size_t kLineBytes = kGridColumns + 2;  // CR LF

char* CellGrid::rowCells(int row) {
  if (row < 0) return nullptr;
  if (row > kGridLastRow) {
    overflowed_ = true;
    return nullptr;
  }
  // The largest file at once: growing step by step would copy and touch it twice over.
  if (rowCount_ == 0) lines_.reserve(kLineBytes * (kGridLastRow + 1) + 2);
  for (; rowCount_ <= row; ++rowCount_) {
    lines_.append(kGridColumns, ' ');
    lines_.append("\r\n");
  }
  return lines_.data() + static_cast<std::size_t>(row) * kLineBytes;
}

const char* CellGrid::touchedRow(int row) const {
  return lines_.data() + static_cast<std::size_t>(row) * kLineBytes;
}

bool CellGrid::isEofRow(int row) const {
  return std::find(eofRows_.begin(), eofRows_.end(), row) != eofRows_.end();
}

void CellGrid::placeLeft(int row, int column, std::string_view cells) {
  if (cells.empty()) return;
  char* line = rowCells(row);
  if (line == nullptr) return;
  // Upper case now rather than when the line is written: a placed cell is written as it
  // is, and far fewer cells are placed than written.
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const long col = column + static_cast<long>(i);
    if (col < 1) continue;
    if (col > kGridColumns) break;
    line[col - 1] = static_cast<char>(kUpper[static_cast<unsigned char>(cells[i])]);
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
  // The first cell holds "EOF"; the other 199 cells are empty.
  if (isEofRow(row)) return "EOF" + std::string(kGridColumns - 1, ' ');
  return std::string(touchedRow(row), kGridColumns);
}

std::string CellGrid::fileBytes(int lastRow) const {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(lastRow + 1) * kLineBytes + 4);
  for (int row = 0; row <= lastRow; ++row) {
    bytes += lineText(row);
    bytes += "\r\n";
  }
  return bytes;
}

std::string CellGrid::takeFileBytes(int lastRow) {
  // Taken whole in the usual shape only: the "EOF" line, two cells longer, comes last.
  const bool eofLast =
      std::all_of(eofRows_.begin(), eofRows_.end(), [lastRow](int row) { return row >= lastRow; });
  if (lastRow < 0 || !eofLast || rowCells(lastRow) == nullptr) return fileBytes(lastRow);
  lines_.resize(static_cast<std::size_t>(lastRow + 1) * kLineBytes);
  if (isEofRow(lastRow)) {
    const std::string eof = lineText(lastRow);
    lines_.resize(static_cast<std::size_t>(lastRow) * kLineBytes);
    lines_ += eof;
    lines_ += "\r\n";
  }
  std::string bytes = std::move(lines_);
  lines_.clear();
  rowCount_ = 0;
  eofRows_.clear();
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
    : RecordLine(grid, row, RecordName(), separators, shortened) {
  record_ = std::move(record);
}

RecordLine::RecordLine(CellGrid& grid, int row, RecordName name,
                       std::initializer_list<int> separators,
                       std::vector<ShortenedValue>& shortened)
    : grid_(grid), row_(row), name_(std::move(name)), shortened_(shortened) {
  if (separators.size() > separators_.size()) throw std::logic_error("too many separators");
  separatorCount_ =
      std::copy(separators.begin(), separators.end(), separators_.begin()) - separators_.begin();
  std::sort(separators_.begin(), separators_.begin() + separatorCount_);
}

std::string RecordLine::record() const {
  return name_ ? name_() : record_;
}

void RecordLine::separators(std::initializer_list<int> columns) {
  for (int column : columns) grid_.placeSeparator(row_, column);
}

int RecordLine::left(int column, std::string_view value, std::string_view field) {
  std::string storage;
  std::string_view cells = cellTextOf(value, storage);
  const long end = column + static_cast<long>(cells.size());  // one past the last cell
  const std::span<const int> columns = separatorColumns();
  const auto stop = std::lower_bound(columns.begin(), columns.end(), column);
  if (stop != columns.end() && *stop < end) {
    cells = cells.substr(0, static_cast<std::size_t>(*stop - column));
    shortened_.push_back(
        {record(), std::string(field), std::string(value), windows1252ToUtf8(cells)});
  }
  grid_.placeLeft(row_, column, cells);
  return column + static_cast<int>(cells.size());
}

void RecordLine::right(int separatorColumn, std::string_view value, std::string_view field) {
  std::string storage;
  const std::string_view cells = cellTextOf(value, storage);
  if (cells.empty()) return;
  const long start = separatorColumn - static_cast<long>(cells.size());
  const std::span<const int> columns = separatorColumns();
  const auto previous = std::lower_bound(columns.begin(), columns.end(), separatorColumn);
  const int boundary = previous == columns.begin() ? 0 : *(previous - 1);
  if (start <= boundary) {
    throw ValueTooWide(record(), std::string(field), std::string(value),
                       separatorColumn - boundary - 1);
  }
  grid_.placeLeft(row_, static_cast<int>(start), cells);
}

void RecordLine::firstCharacter(int column, std::string_view value) {
  std::string storage;
  const std::string_view cells = cellTextOf(value, storage);
  if (!cells.empty()) grid_.placeChar(row_, column, cells.front());
}

}  // namespace survey::uddf
