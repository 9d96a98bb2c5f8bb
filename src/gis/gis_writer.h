// Writes one survey for GIS and CAD tools through GDAL/OGR, the format chosen by
// the file name's extension. The file (or folder, or set of files) appears only
// when complete; an existing one is replaced only then.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"

namespace survey::gis {

enum class GisFormat { GeoPackage, GeoJson, Kml, Dxf, Shapefile, Csv };

struct GisFormatInfo {
  GisFormat format;
  const char* extension;  // ".gpkg"
  const char* driver;     // GDAL's driver name
  const char* title;      // for file dialogs
};

const std::vector<GisFormatInfo>& gisFormats();
// By extension, ignoring case; nothing for any other extension.
std::optional<GisFormatInfo> gisFormatOf(const std::filesystem::path& file);

struct GisResult {
  bool ok = false;
  std::string message;                         // what was written, or why nothing was
  std::vector<std::filesystem::path> written;  // the files or folder that now hold the survey
};

// A file of the store in storeDirectory is never written over.
GisResult writeSurveyGis(const SurveyStore& store, std::string_view key,
                         const std::filesystem::path& file,
                         const std::filesystem::path& storeDirectory = {});

// A CSV export writes one file per layer beside each other: "site.csv" gives "site-airport.csv",
// ...
std::filesystem::path csvLayerPath(const std::filesystem::path& file, std::string_view layer);

}  // namespace survey::gis
