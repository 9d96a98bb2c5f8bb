// The exchange file is composed in a grid of character cells before anything is
// written, then written line by line: 200 upper-case characters per line, CR LF.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/table.h"

namespace survey::uddf {

inline constexpr int kGridColumns = 200;
inline constexpr int kGridLastRow = 20000;  // a file holds 20,001 lines at most
inline constexpr char kSeparator = '|';

// A table text as cell characters: one Windows-1252 byte per character, "?" for a
// character Windows-1252 lacks, a blank for a control character (a line break in a
// text must not break a line of the file).
std::string toCellText(std::string_view text);

class CellGrid {
 public:
  // Placements take cell text (see toCellText). Content that would fall beyond column
  // 200 is dropped; a row beyond kGridLastRow is not kept, and the grid remembers it.
  void placeLeft(int row, int column, std::string_view cells);
  // Ends in the column just before separatorColumn; an empty value places nothing.
  void placeRight(int row, int separatorColumn, std::string_view cells);
  void placeChar(int row, int column, char cell);
  void placeSeparator(int row, int column) { placeChar(row, column, kSeparator); }
  // "@" or "#" in column 1.
  void placeMarker(int row, char marker) { placeChar(row, 1, marker); }
  // The "EOF" line: the three characters in its first cell.
  void placeEof(int row);

  // Rows 0 to lastRow() have been touched; -1 when none.
  int lastRow() const { return rowCount_ - 1; }
  bool overflowed() const { return overflowed_; }

  // The line as written, without its CR LF: 200 characters, upper case ("EOF" line: 202).
  std::string lineText(int row) const;
  // Rows 0 to lastRow, each ending in CR LF.
  std::string fileBytes(int lastRow) const;
  // The same, taken from the grid without a copy; the grid is left empty.
  std::string takeFileBytes(int lastRow);

 private:
  // The row's 200 cells, or none for a row outside the grid.
  char* rowCells(int row);
  const char* touchedRow(int row) const;
  bool isEofRow(int row) const;

  // The lines as written: 200 cells each, upper case as placed, then CR LF. The file is
  // this run itself, so an export holds its 4 MB once.
  std::string lines_;
  int rowCount_ = 0;
  std::vector<int> eofRows_;
  bool overflowed_ = false;
};

// A value that had to be cut so that it does not run over a separator.
struct ShortenedValue {
  std::string record;   // "airport KSEA", "runway end 09 of runway 09/27", ...
  std::string field;    // "Vertical Datum"
  std::string value;    // the full value, as held in the table
  std::string written;  // what the file holds
  // The table row the value comes from (the section writers set it after each row).
  TableKind table = TableKind::Airport;
  int row = 0;
};

// A right-aligned value that cannot be written without breaking its line; the export
// stops and writes nothing.
class ValueTooWide : public std::runtime_error {
 public:
  ValueTooWide(const std::string& record, const std::string& field, const std::string& value,
               int columns);
};

// One record line (airport, runway end, profile, navaid, point, obstruction group or
// obstruction line). It knows every separator column of its layout, so that a value
// never runs over one: a left-aligned value is cut before the first separator column it
// would reach, and a right-aligned value that would reach one throws ValueTooWide.
class RecordLine {
 public:
  // The record's name ("obstruction TREE 12 of runway 09") is needed only when a value is
  // shortened or too wide: a line of many may name it through a function instead.
  using RecordName = std::function<std::string()>;

  RecordLine(CellGrid& grid, int row, std::string record, std::initializer_list<int> separators,
             std::vector<ShortenedValue>& shortened);
  RecordLine(CellGrid& grid, int row, RecordName name, std::initializer_list<int> separators,
             std::vector<ShortenedValue>& shortened);

  void separators(std::initializer_list<int> columns);
  void separator(int column) { grid_.placeSeparator(row_, column); }
  // Returns the column after the value as placed.
  int left(int column, std::string_view value, std::string_view field);
  void right(int separatorColumn, std::string_view value, std::string_view field);
  // The first character of the value, when there is one.
  void firstCharacter(int column, std::string_view value);
  // A constant text of the layout.
  void text(int column, std::string_view cells) { grid_.placeLeft(row_, column, cells); }

 private:
  std::string record() const;
  std::span<const int> separatorColumns() const {
    return {separators_.data(), static_cast<std::size_t>(separatorCount_)};
  }

  CellGrid& grid_;
  int row_;
  std::string record_;
  RecordName name_;
  std::array<int, 16> separators_{};  // the most a layout has
  std::ptrdiff_t separatorCount_ = 0;
  std::vector<ShortenedValue>& shortened_;
};

}  // namespace survey::uddf
