// "gis": writes a survey of a store for GIS and CAD tools, as "Export Survey Data" does.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "gis/gis_writer.h"
#include "store/store_files.h"

namespace survey::cli {
namespace {

int exportGis(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) {
    err << "usage: survey-tool gis DIR KEY FILE\n";
    return kExitFailed;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(args[0], ec)) {
    err << "survey-tool: " << args[0] << " is not a directory\n";
    return kExitFailed;
  }
  SurveyStore store;
  const StoreLoadReport report = loadStore(store, args[0]);
  if (report.failed) {
    err << "survey-tool: " << report.message() << '\n';
    return kExitFailed;
  }
  const gis::GisResult result = gis::writeSurveyGis(store, args[1], args[2]);
  (result.ok ? out : err) << result.message << '\n';
  return result.ok ? kExitOk : kExitFailed;
}

const CommandRegistrar gisRegistrar{
    {"gis", "DIR KEY FILE",
     "writes survey KEY of the store in DIR for GIS and CAD tools; FILE's extension picks the "
     "format: .gpkg, .geojson, .kml, .dxf, .shp (a folder), .csv (one file per layer)",
     exportGis}};

}  // namespace
}  // namespace survey::cli
