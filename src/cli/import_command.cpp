// "import" and "check": exchange files from the command line.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "store/store_files.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace survey::cli {
namespace {

int importFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: survey-tool import DIR FILE\n";
    return kExitFailed;
  }
  const std::filesystem::path dir = args[0];
  if (!isDirectory(dir, err)) return kExitFailed;
  const auto lock = lockForSaving(dir, err);
  if (!lock) return kExitFailed;
  SurveyStore store;
  const StoreLoadReport load = loadStore(store, dir);
  tellLoadNotice(load, err);
  if (load.failed) {
    // Saving now would drop what the load could not read.
    err << "survey-tool: " << (dir / load.file).string() << " line " << load.line << ": "
        << load.reason << "; nothing was imported\n";
    return kExitFailed;
  }
  const uddf::ImportResult result = uddf::importUddfFile(store, args[1]);
  if (!result.ok) {
    err << result.message << '\n';
    return kExitFailed;
  }
  const StoreSaveReport save = saveStore(store, dir);
  if (!save.ok()) {
    err << "survey-tool: " << save.message() << '\n';
    return kExitFailed;
  }
  out << "imported " << store.current.surveyKey << ": " << result.runways << " runways, "
      << result.navaids << " navaids, " << result.obstructions << " obstructions\n";
  return kExitOk;
}

int checkFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: survey-tool check FILE\n";
    return kExitFailed;
  }
  std::error_code ec;
  if (std::filesystem::is_directory(args[0], ec)) {
    err << "survey-tool: " << args[0] << " is a directory, not a file\n";
    return kExitFailed;
  }
  const uddf::UddfCheckReport report = uddf::checkUddfFile(args[0]);
  for (const auto& problem : report.problems) {
    out << args[0] << ": " << uddf::describe(problem) << '\n';
  }
  if (report.unlisted > 0) out << args[0] << ": " << uddf::describeUnlisted(report) << '\n';
  if (!report.readError.empty()) {
    err << "survey-tool: " << args[0] << ": " << report.readError << '\n';
    return kExitFailed;
  }
  return report.total() == 0 ? kExitOk : kExitProblems;
}

const CommandRegistrar importRegistrar{
    {"import", "DIR FILE",
     "imports the UDDF file FILE as a new survey into the store in DIR and saves the store",
     importFile}};
const CommandRegistrar checkRegistrar{
    {"check", "FILE",
     "reads the UDDF file FILE without storing it and lists its structural problems with their "
     "lines (the first 1000, then how many more); exit status 1 when there are any",
     checkFile}};

}  // namespace
}  // namespace survey::cli
