// "export": writes a certified survey of a store as a UDDF file, as "Create UDDF" does.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "store/store_files.h"
#include "uddf/export/uddf_export.h"

namespace survey::cli {
namespace {

int exportSurvey(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) {
    err << "usage: survey-tool export DIR KEY FILE\n";
    return kExitFailed;
  }
  const std::string& dir = args[0];
  const std::string& key = args[1];
  const std::filesystem::path file = args[2];

  if (!isDirectory(dir, err)) return kExitFailed;
  SurveyStore store;
  const StoreLoadReport report = loadForReading(store, dir);
  tellLoadNotice(report, err);
  if (report.failed) {
    err << "survey-tool: " << (std::filesystem::path(dir) / report.file).string() << " line "
        << report.line << ": " << report.reason << "; nothing was written\n";
    return kExitFailed;
  }

  const uddf::CreateUddfCheck check = uddf::checkCreateUddf(store, key, "");
  if (!check) {
    err << check.refusal << '\n';
    return kExitFailed;
  }
  const uddf::ExportResult result = uddf::writeUddfFile(store, key, file, uddf::systemClock(), dir);
  if (!result.ok) {
    err << result.message << '\n';
    return kExitFailed;
  }
  out << result.message << '\n';
  if (!result.shortened.empty()) {
    err << uddf::shortenedValuesMessage(result.shortened) << '\n';
    return kExitProblems;
  }
  return kExitOk;
}

const CommandRegistrar exportRegistrar{
    {"export", "DIR KEY FILE",
     "writes the certified survey KEY of the store in DIR as the UDDF file FILE", exportSurvey}};

}  // namespace
}  // namespace survey::cli
