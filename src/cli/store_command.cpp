// "list" and "resave": the store files of a directory.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "store/recovery_journal.h"
#include "store/schema/airport_fields.h"
#include "store/store_files.h"

namespace survey::cli {

namespace {

// Loads the store of DIR (as its writer when lock is held); reports and returns false when a
// file is unusable.
bool loadFrom(const std::string& dir, SurveyStore& store, std::ostream& err,
              const StoreLock* lock) {
  const StoreLoadReport report = lock ? loadStore(store, dir) : loadForReading(store, dir);
  tellLoadNotice(report, err);
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
  if (!isDirectory(args[0], err) || !loadFrom(args[0], store, err, nullptr)) return kExitFailed;
  const Table& airports = store.airports();
  for (int row = 1; row <= airports.count(); ++row) {
    auto field = [&](airport::Field f) { return airports.cell(row, f); };
    out << field(airport::Identifier) << '\t' << field(airport::SiteNumber) << '\t'
        << field(airport::Name) << '\t' << field(airport::SurveyDate) << '\t'
        << field(airport::Status) << '\t' << field(airport::SurveyType) << '\n';
  }
  return kExitOk;
}

int resave(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: survey-tool resave DIR\n";
    return kExitFailed;
  }
  SurveyStore store;
  if (!isDirectory(args[0], err)) return kExitFailed;
  const auto lock = lockForSaving(args[0], err);
  if (!lock) return kExitFailed;
  if (!loadFrom(args[0], store, err, lock.get())) return kExitFailed;
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
