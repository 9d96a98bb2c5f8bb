// What an import of obstructions from a point file plans to do, row by row, and the
// change that carries it out. Reading the file needs GDAL (gis/obstruction_import.h);
// this part does not, so that the windowed program applies a plan without loading it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"

namespace survey {

// The obstruction's values a file's columns may hold: "object", "top", "top_ellip", "agl",
// "runway", "surface", "acc_horiz", "acc_vert", "date", "lat", "lon".
const std::vector<std::string>& obstructionMapKeys();

// The columns each value is taken from when no one says otherwise: a column named like one
// of the value's usual names (any case), each column for one value at most. `fixed` are
// the values already given; their columns are not guessed again.
std::map<std::string, std::string> guessedColumns(const std::vector<std::string>& columns,
                                                  const std::map<std::string, std::string>& fixed);

struct ObstructionImportOptions {
  // map key -> column (empty: none, not even a guess); the rest guessed by name
  std::map<std::string, std::string> columns = {};
  std::string srs = {};      // "EPSG:26910": for a file that names none
  bool metres = false;       // elevations in metres, stored in feet
  std::string layer = {};    // empty: "obstructions" when the file has it, else its first layer
  bool keepRepeats = false;  // take rows that repeat an obstruction already there
};

enum class RowOutcome { Accepted, Refused, Skipped };
const char* outcomeName(RowOutcome outcome);

struct ImportRow {
  int row = 0;  // the file's row, from 1
  RowOutcome outcome = RowOutcome::Refused;
  std::string object, latitude, longitude, topElevation;  // as they would be stored
  std::string message;             // why refused or skipped; empty when accepted
  bool repeat = false;             // repeats an obstruction already there (skipped or kept)
  int obstruction = 0;             // accepted: the obstruction row it becomes
  std::vector<std::string> cells;  // accepted: the whole row
};

// What a row becomes ("obstruction 12"), or why not: the preview's last column.
std::string rowResultText(const ImportRow& row);

struct ImportPreview {
  std::string error;  // the file as a whole refused (unreadable, no coordinate system, ...)
  std::map<std::string, std::string> columns;  // the mapping used, guesses included
  std::vector<ImportRow> rows;
  int room = 0;  // obstructions the table still holds
  int count(RowOutcome outcome) const;
  int accepted() const { return count(RowOutcome::Accepted); }
  bool fits() const { return accepted() <= room; }
};

// Why the survey `key` takes no imported obstructions (none such, locked, or of a type
// without obstructions); empty when it takes them.
std::string importRefusal(const SurveyStore& store, std::string_view key);

// Appends the accepted rows as one change, or none (with the reason) when they do not all
// fit; the number appended.
struct ImportOutcome {
  int added = 0;
  std::string error;
};
ImportOutcome applyObstructionImport(SurveyStore& store, const ImportPreview& preview);

// The preview in one line: "120 rows: 112 to import as obstructions 4 to 115, 5 refused,
// 3 skipped ...", and when they do not fit, why nothing can be imported.
std::string previewSummary(const ImportPreview& preview);

// "12 obstructions were imported from FILE. 3 rows were refused and 2 skipped ..."
std::string importReport(const ImportPreview& preview, int added, const std::string& file);

// A file's layout as far as a mapping goes: its columns, whatever their order or case.
std::string layoutSignature(const std::vector<std::string>& columns);
// A mapping as one line ("object=NAME;top=ELEV"), and back: only known map keys naming
// columns the layout has survive the reading, so that a stale or altered line does no harm.
std::string mappingText(const std::map<std::string, std::string>& columns);
std::map<std::string, std::string> mappingOfText(const std::string& text,
                                                 const std::vector<std::string>& columns);

}  // namespace survey
