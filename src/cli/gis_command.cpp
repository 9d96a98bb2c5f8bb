// "gis": hands the work to survey-tool-gis (see gis_helper.cpp), found beside
// this program or, once installed, in the package's own library folder.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/command.h"

namespace survey::cli {
namespace {

constexpr const char* kHelperName = "survey-tool-gis";

std::filesystem::path helperPath() {
  std::error_code ec;
  const auto self = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) return kHelperName;
  const auto beside = self.parent_path() / kHelperName;
  if (std::filesystem::exists(beside, ec)) return beside;
  return self.parent_path().parent_path() / "lib" / "airport-survey" / kHelperName;
}

int exportGis(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string helper = helperPath().string();
  std::vector<char*> argv{const_cast<char*>(helper.c_str())};
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  out.flush();
  err.flush();
  ::execv(helper.c_str(), argv.data());
  err << "survey-tool: the GIS export program " << helper
      << " could not be started: " << std::strerror(errno) << '\n';
  return kExitFailed;
}

const CommandRegistrar gisRegistrar{
    {"gis", "DIR KEY FILE",
     "writes survey KEY of the store in DIR for GIS and CAD tools; FILE's extension picks the "
     "format: .gpkg, .geojson, .kml, .dxf, .shp (a folder), .csv (one file per layer)",
     exportGis}};

}  // namespace
}  // namespace survey::cli
