// Obstructions read from a point file any GIS or CAD tool writes (CSV, GeoPackage,
// Shapefile, GeoJSON, KML, DXF, ...) in any coordinate system, each row judged as the
// obstruction screen judges what is typed, and the accepted ones added to a survey.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"
#include "survey/obstruction_import_plan.h"

namespace survey::gis {

using survey::applyObstructionImport;
using survey::ImportOutcome;
using survey::ImportPreview;
using survey::ImportRow;
using survey::ObstructionImportOptions;
using survey::obstructionMapKeys;
using survey::outcomeName;
using survey::RowOutcome;

// What a file offers a mapping: its layers, and of the one read its columns and
// coordinate system.
struct ImportFileLayout {
  std::string error;                // the file cannot be read, or has no such layer
  std::vector<std::string> layers;  // every layer of the file
  std::string layer;                // the one read (the options' layer, else as the import picks)
  std::vector<std::string> columns;
  std::string coordinateSystem;  // its name ("NAD83 / UTM zone 10N"); empty when it names none
  long long features = -1;       // rows, when the format tells without reading them all
};

ImportFileLayout inspectImportFile(const std::filesystem::path& file, const std::string& layer);

// Reads and judges every row of `file` for the survey `key`; changes nothing.
ImportPreview previewObstructionImport(const SurveyStore& store, std::string_view key,
                                       const std::filesystem::path& file,
                                       const ObstructionImportOptions& options);

}  // namespace survey::gis
