// The section writers of the exchange file. Each writes into the cell grid of one
// export, from the survey's rows of the four tables.
#pragma once

#include <string>
#include <vector>

#include "store/schema/field_views.h"
#include "store/schema/runway_fields.h"
#include "store/survey_store.h"
#include "uddf/export/cell_grid.h"
#include "uddf/export/formatting.h"

namespace survey::uddf {

// Everything one export works with; lives while one file is composed.
struct ExportContext {
  const SurveyStore& store;
  std::string key;          // the survey's identifier
  int surveyRow = 0;        // its airport row
  Hemispheres hemispheres;  // from the survey's hemisphere fields
  CellGrid grid;
  std::vector<ShortenedValue> shortened;
};

// Marks the values shortened since `from` as values of that table row.
void attributeShortened(ExportContext& context, std::size_t from, TableKind table, int row);

// Date and time parts of the moment the file is written (local time).
struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Airport lines 0 to 7 and the "@" line, rows 0 to 8.
void writeAirportSection(ExportContext& context);

// From row 9; returns the row of the section's "@" line.
int writeRunwaySection(ExportContext& context);

using RunwayEnd = runway::End;

// One row of a runway end's profile: distance from this end in feet and the two
// elevations, as the profile line writes them.
struct ProfileRow {
  std::string distance;
  std::string orthometric;
  std::string ellipsoidal;
};

// The profile of one end of a runway row, ordered by distance (stable; distances that are
// not numbers after the numeric ones).
std::vector<ProfileRow> buildProfileTable(const Table& runways, int row, RunwayEnd end);

// From startRow; returns the row of the section's "@" line.
int writeNavaidSection(ExportContext& context, int startRow);

// 'E' electronic, 'V' visual, 'S' any other navaid type text.
char navaidGroup(std::string_view navaidType);

// The obstruction section from startRow and the closing block; returns the row of
// the "EOF" line.
int writeObstructionSection(ExportContext& context, int startRow, const LocalDateTime& now);

// The survey line's date and time: "12/5/2026" and "7:45:58 AM".
std::string surveyLineDate(const LocalDateTime& now);
std::string surveyLineTime(const LocalDateTime& now);

// Shared by the section writers.
std::string dateItem(std::string_view date);  // formatUddfDate
std::string coordinate(const ExportContext& context, std::string_view degrees,
                       std::string_view minutes, std::string_view seconds,
                       CoordinateAxis coordinate, TableKind record, bool filled = true);
// The same, of the coordinate held in `fields` of a table row.
std::string coordinate(const ExportContext& context, const Table& table, int row,
                       const CoordinateFields& fields, CoordinateAxis coordinate, TableKind record,
                       bool filled = true);

}  // namespace survey::uddf
