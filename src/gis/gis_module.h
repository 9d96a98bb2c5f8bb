// The GIS export and the reading of obstruction files as a module the windowed program
// opens on first use, so that GDAL's libraries are loaded only when a survey is exported
// or a file imported, not at every start. This header needs nothing of GDAL: the program
// includes it and reaches both through the table the module's one entry point returns.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "gis/gis_writer.h"
#include "gis/obstruction_import.h"

namespace survey::gis {

// Raised whenever the table changes, so that a program never calls a module built
// against another layout.
inline constexpr int kGisModuleInterface = 2;
inline constexpr const char* kGisModuleEntry = "surveyGisModule";

struct GisModule {
  int interface = kGisModuleInterface;
  const std::vector<GisFormatInfo>& (*formats)();
  std::optional<GisFormatInfo> (*formatOf)(const std::filesystem::path& file);
  // Never throws: running out of memory or any other failure comes back as a message.
  GisResult (*writeSurvey)(const SurveyStore& store, std::string_view key,
                           const std::filesystem::path& file,
                           const std::filesystem::path& storeDirectory);
  // The obstruction import's reading of a file; never throws either.
  ImportFileLayout (*inspectImport)(const std::filesystem::path& file, const std::string& layer);
  ImportPreview (*previewImport)(const SurveyStore& store, std::string_view key,
                                 const std::filesystem::path& file,
                                 const ObstructionImportOptions& options);
};

using GisModuleEntry = const GisModule* (*)();

}  // namespace survey::gis
