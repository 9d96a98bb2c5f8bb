#include "ui/gis_module_loader.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

namespace survey::ui {

namespace fs = std::filesystem;

namespace {

constexpr const char* kModuleName = "survey-gis.so";

std::string cannotLoad(GisUse use, const fs::path& path, const std::string& why) {
  if (use == GisUse::Import) {
    return "The import from GIS and CAD files could not be loaded from " + path.string() + ": " +
           why + ". Nothing was imported.";
  }
  return "The export for GIS and CAD tools could not be loaded from " + path.string() + ": " + why +
         ". Nothing was written.";
}

}  // namespace

fs::path gisModulePath() {
  if (const char* chosen = std::getenv("SURVEY_GIS_MODULE"); chosen && *chosen) return chosen;
  std::error_code ec;
  const fs::path self = fs::canonical("/proc/self/exe", ec);
  if (ec) return kModuleName;
  const fs::path beside = self.parent_path() / kModuleName;
  if (fs::exists(beside, ec)) return beside;
  return self.parent_path().parent_path() / "lib" / "airport-survey" / "modules" / kModuleName;
}

GisModuleLoad loadGisModule(GisUse use) {
  static std::mutex guard;
  static const gis::GisModule* loaded = nullptr;
  const std::lock_guard lock(guard);
  if (loaded) return {loaded, {}};
  const fs::path path = gisModulePath();
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    return {nullptr, cannotLoad(use, path, why ? why : "unknown reason")};
  }
  auto entry = reinterpret_cast<gis::GisModuleEntry>(::dlsym(handle, gis::kGisModuleEntry));
  const gis::GisModule* module = entry ? entry() : nullptr;
  if (!module || module->interface != gis::kGisModuleInterface) {
    ::dlclose(handle);
    return {nullptr, cannotLoad(use, path, "it is not this version's GIS module")};
  }
  loaded = module;
  return {loaded, {}};
}

}  // namespace survey::ui
