// "list" and "resave": the store files of a directory.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "store/store_files.h"

namespace survey::cli {
namespace {

// Loads the store of DIR; reports and returns false when DIR or a file is unusable.
bool loadFrom(const std::string& dir, SurveyStore& store, std::ostream& err) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    err << "survey-tool: " << dir << " is not a directory\n";
    return false;
  }
  const StoreLoadReport report = loadStore(store, dir);
  if (report.failed) {
    err << "survey-tool: " << (std::filesystem::path(dir) / report.file).string() << " line "
        << report.line << ": " << report.reason << '\n';
    return false;
  }
  return true;
}

int listSurveys(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: survey-tool list DIR\n";
    return kExitFailed;
  }
  SurveyStore store;
  if (!loadFrom(args[0], store, err)) return kExitFailed;
  const Table& airports = store.airports();
  for (int row = 1; row <= airports.count(); ++row) {
    out << airports.cell(row, 3) << '\t' << airports.cell(row, 2) << '\t' << airports.cell(row, 1)
        << '\t' << airports.cell(row, 5) << '\t' << airports.cell(row, 41) << '\t'
        << airports.cell(row, 25) << '\n';
  }
  return kExitOk;
}

int resave(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: survey-tool resave DIR\n";
    return kExitFailed;
  }
  SurveyStore store;
  if (!loadFrom(args[0], store, err)) return kExitFailed;
  const StoreSaveReport report = saveStore(store, args[0]);
  if (!report.ok()) {
    err << "survey-tool: " << report.message() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

const CommandRegistrar listRegistrar{
    {"list", "DIR",
     "prints the surveys of the store in DIR, one line each, columns separated by tabs",
     listSurveys}};
const CommandRegistrar resaveRegistrar{
    {"resave", "DIR", "loads the store in DIR and saves it again", resave}};

}  // namespace
}  // namespace survey::cli
