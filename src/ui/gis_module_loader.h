// Opens the GIS module (gis/gis_module.h) on the first export or import, so that the
// windowed program starts without GDAL's libraries.
#pragma once

#include <filesystem>
#include <string>

#include "gis/gis_module.h"

namespace survey::ui {

struct GisModuleLoad {
  const gis::GisModule* module = nullptr;  // stays loaded until the program ends
  std::string problem;                     // why it is null, for the user
};

// Where the module is looked for: $SURVEY_GIS_MODULE when set, else beside the program,
// else in the package's folder of modules (lib/airport-survey/modules beside bin).
std::filesystem::path gisModulePath();

// What the module is wanted for, so that a failure says what did not happen.
enum class GisUse { Export, Import };

// Loads once; after a failure the next call tries again (the file may have been restored).
GisModuleLoad loadGisModule(GisUse use = GisUse::Export);

}  // namespace survey::ui
