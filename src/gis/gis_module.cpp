// The entry point of the GIS module (see gis_module.h); the only symbol it exports.
#include "gis/gis_module.h"

#include <exception>
#include <new>

namespace survey::gis {
namespace {

GisResult writeSurveyCatching(const SurveyStore& store, std::string_view key,
                              const std::filesystem::path& file,
                              const std::filesystem::path& storeDirectory) {
  try {
    return writeSurveyGis(store, key, file, storeDirectory);
  } catch (const std::bad_alloc&) {
    return {false, "The export ran out of memory and stopped; nothing was written.", {}};
  } catch (const std::exception& e) {
    return {false, std::string("The export stopped: ") + e.what(), {}};
  }
}

ImportFileLayout inspectCatching(const std::filesystem::path& file, const std::string& layer) {
  try {
    return inspectImportFile(file, layer);
  } catch (const std::exception& e) {
    ImportFileLayout layout;
    layout.error = file.string() + " could not be read: " + e.what();
    return layout;
  }
}

ImportPreview previewCatching(const SurveyStore& store, std::string_view key,
                              const std::filesystem::path& file,
                              const ObstructionImportOptions& options) {
  try {
    return previewObstructionImport(store, key, file, options);
  } catch (const std::bad_alloc&) {
    ImportPreview preview;
    preview.error = "reading " + file.string() + " ran out of memory";
    return preview;
  } catch (const std::exception& e) {
    ImportPreview preview;
    preview.error = file.string() + " could not be read: " + e.what();
    return preview;
  }
}

constexpr GisModule kModule{kGisModuleInterface,  &gisFormats,      &gisFormatOf,
                            &writeSurveyCatching, &inspectCatching, &previewCatching};

}  // namespace
}  // namespace survey::gis

extern "C" __attribute__((visibility("default"))) const survey::gis::GisModule* surveyGisModule() {
  return &survey::gis::kModule;
}
