// "gis" and "import-obstructions": hand the work to survey-tool-gis (see gis_helper.cpp),
// found beside this program or, once installed, in the package's own library folder.
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

// Replaces this process by the helper; `subcommand` (if any) goes before the arguments.
int runHelper(const char* subcommand, const std::vector<std::string>& args, std::ostream& out,
              std::ostream& err) {
  const std::string helper = helperPath().string();
  std::vector<char*> argv{const_cast<char*>(helper.c_str())};
  if (subcommand != nullptr) argv.push_back(const_cast<char*>(subcommand));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  out.flush();
  err.flush();
  ::execv(helper.c_str(), argv.data());
  err << "survey-tool: the GIS program " << helper
      << " could not be started: " << std::strerror(errno) << '\n';
  return kExitFailed;
}

int exportGis(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return runHelper(nullptr, args, out, err);
}

int importObstructions(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return runHelper("import-obstructions", args, out, err);
}

const CommandRegistrar gisRegistrar{
    {"gis", "DIR KEY FILE",
     "writes survey KEY of the store in DIR for GIS and CAD tools; FILE's extension picks the "
     "format: .gpkg, .geojson, .kml, .dxf, .shp (a folder), .csv (one file per layer)",
     exportGis}};
const CommandRegistrar importObstructionsRegistrar{
    {"import-obstructions",
     "DIR KEY FILE --map KEY=COLUMN,... [--srs EPSG:N] [--metres] [--layer NAME] "
     "[--keep-repeats] [--dry-run]",
     "adds the points of FILE (any GIS or CAD file: CSV, GeoPackage, Shapefile, GeoJSON, KML, "
     "DXF, ...) to survey KEY as obstructions; --map names the columns of object, top, "
     "top_ellip, agl, runway, surface, acc_horiz, acc_vert, date, lat, lon (the rest guessed "
     "from their names, the position taken from the points when lat and lon are not given); "
     "--srs gives the coordinate system of a file that names none; --metres takes elevations "
     "in metres; --layer reads that layer of a file with several (else \"obstructions\" or the "
     "first); --keep-repeats takes rows that repeat an obstruction already in the survey "
     "(same position within 0.1 second, same top elevation), which are otherwise skipped; "
     "--dry-run prints what each row would become and saves nothing. Exit status 1 "
     "when some rows were refused or skipped, 2 when nothing was imported",
     importObstructions}};

}  // namespace
}  // namespace survey::cli
