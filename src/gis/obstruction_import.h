// Obstructions read from a point file any GIS or CAD tool writes (CSV, GeoPackage,
// Shapefile, GeoJSON, KML, DXF, ...) in any coordinate system, each row judged as the
// obstruction screen judges what is typed, and the accepted ones added to a survey.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"

namespace survey::gis {

// The obstruction's values a file's columns may hold: "object", "top", "top_ellip", "agl",
// "runway", "surface", "acc_horiz", "acc_vert", "date", "lat", "lon".
const std::vector<std::string>& obstructionMapKeys();

struct ObstructionImportOptions {
  std::map<std::string, std::string> columns = {};  // map key -> column; the rest guessed by name
  std::string srs = {};                             // "EPSG:26910": for a file that names none
  bool metres = false;                              // elevations in metres, stored in feet
  std::string layer = {};  // empty: "obstructions" when the file has it, else its first layer
};

enum class RowOutcome { Accepted, Refused, Skipped };
const char* outcomeName(RowOutcome outcome);

struct ImportRow {
  int row = 0;  // the file's row, from 1
  RowOutcome outcome = RowOutcome::Refused;
  std::string object, latitude, longitude, topElevation;  // as they would be stored
  std::string message;             // why refused or skipped; empty when accepted
  int obstruction = 0;             // accepted: the obstruction row it becomes
  std::vector<std::string> cells;  // accepted: the whole row
};

struct ImportPreview {
  std::string error;  // the file as a whole refused (unreadable, no coordinate system, ...)
  std::map<std::string, std::string> columns;  // the mapping used, guesses included
  std::vector<ImportRow> rows;
  int accepted = 0;
  int room = 0;  // obstructions the table still holds
  bool fits() const { return accepted <= room; }
};

// Reads and judges every row of `file` for the survey `key`; changes nothing.
ImportPreview previewObstructionImport(const SurveyStore& store, std::string_view key,
                                       const std::filesystem::path& file,
                                       const ObstructionImportOptions& options);

// Appends the accepted rows as one change, or none (with the reason) when they do not all
// fit; the number appended.
struct ImportOutcome {
  int added = 0;
  std::string error;
};
ImportOutcome applyObstructionImport(SurveyStore& store, const ImportPreview& preview);

}  // namespace survey::gis
