// The record parsers: each line of an exchange file, already routed by the
// section walker, becomes fields of the new survey. The rows are collected in
// an ImportedSurvey first and reach the tables only when the whole file has
// been read (see uddf_import.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/schema/airport_fields.h"
#include "store/table.h"
#include "uddf/import/uddf_text.h"

namespace survey::uddf {

// One row being imported; index = field number (field 0 unused).
using ImportedRow = std::vector<std::string>;

struct ImportedSurvey {
  ImportedRow airport;
  std::vector<ImportedRow> runways;
  std::vector<ImportedRow> navaids;
  std::vector<ImportedRow> obstructions;
  // The current runway end designator: the Rwy ID of the last runway read.
  std::string runwayEnd;
  bool runwayRead = false;

  ImportedSurvey();
  const std::string& key() const { return airport[airport::Identifier]; }
};

// How many rows each child table can still take.
struct TableRoom {
  int runways = 0;
  int navaids = 0;
  int obstructions = 0;
};

enum class NavaidList { Electronic, Visual };

class RecordParsers {
 public:
  explicit RecordParsers(TableRoom room) : room_(room) {}

  void airportLine(int lineNumber, const LineItems& items);
  // Line 10 of a runway end block, before it is read (also when it is skipped):
  // a first end's lines only ever fill the runway that its own line 10 appended.
  void runwayBlockStart(bool firstEnd);
  // A line of a section that could not be read: a point line after it has no navaid.
  void lineSkipped() { lastNavaidList_.reset(); }
  void runwayFirstEnd(int lineNumber, const LineItems& items);
  void runwaySecondEnd(int lineNumber, const LineItems& items);
  void listedNavaid(NavaidList list, const LineItems& items);
  void otherNavaid(const LineItems& items);
  void obstruction(std::string_view line, const LineItems& items);

  // The table that had no room for a row the file holds; the import stops there.
  std::optional<TableKind> overflow() const { return overflow_; }
  const ImportedSurvey& survey() const { return survey_; }
  ImportedSurvey& survey() { return survey_; }

 private:
  ImportedRow* appendRow(TableKind kind);
  void profilePoint(ImportedRow& row, const LineItems& items);

  ImportedSurvey survey_;
  TableRoom room_;
  std::optional<TableKind> overflow_;
  // The navaid list of the last navaid appended; a point line belongs to it
  // only when it stands in the same group.
  std::optional<NavaidList> lastNavaidList_;
  // Index in survey_.runways of the runway of the current block, if any.
  std::optional<std::size_t> currentRunway_;
  std::string obstructionRunway_;
  std::string surfaceCode_;
};

}  // namespace survey::uddf
