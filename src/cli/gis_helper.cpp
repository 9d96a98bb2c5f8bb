// survey-tool-gis: what "survey-tool gis DIR KEY FILE" runs. It writes a survey of a
// store for GIS and CAD tools, as "Export Survey Data" does. It is a program of
// its own because the GIS formats need GDAL and its many libraries, which
// every other command would otherwise load at start for nothing.
#include <filesystem>
#include <iostream>
#include <new>

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
  if (!isDirectory(args[0], err)) return kExitFailed;
  SurveyStore store;
  const StoreLoadReport report = loadForReading(store, args[0]);
  if (report.failed) {
    err << "survey-tool: " << report.message() << '\n';
    return kExitFailed;
  }
  const gis::GisResult result = gis::writeSurveyGis(store, args[1], args[2], args[0]);
  (result.ok ? out : err) << result.message << '\n';
  return result.ok ? kExitOk : kExitFailed;
}

}  // namespace
}  // namespace survey::cli

int main(int argc, char** argv) {
  try {
    return survey::cli::exportGis(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "survey-tool: gis ran out of memory and stopped; nothing more was written.\n";
  } catch (const std::exception& e) {
    std::cerr << "survey-tool: gis stopped: " << e.what() << '\n';
  }
  return survey::cli::kExitFailed;
}
