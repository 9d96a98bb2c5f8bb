// The command-line companion's subcommands: each takes its arguments after the
// subcommand's name and returns the process exit status.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "store/recovery_journal.h"
#include "store/store_files.h"
#include "store/store_lock.h"

namespace survey::cli {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;  // the command ran and found problems
constexpr int kExitFailed = 2;    // bad arguments, unreadable files, refusals

struct Command {
  std::string name;
  std::string usage;  // arguments, e.g. "DIR"
  std::string summary;
  std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
      run;
};

// True when DIR is a directory; else says so on err. Inline, so that
// survey-tool-gis, built apart from the other commands, has it too.
inline bool isDirectory(const std::filesystem::path& dir, std::ostream& err) {
  std::error_code ec;
  if (std::filesystem::is_directory(dir, ec)) return true;
  err << "survey-tool: " << dir.string() << " is not a directory\n";
  return false;
}

// Tells on err what the load did that the user must hear of (a commit record set aside).
inline void tellLoadNotice(const StoreLoadReport& report, std::ostream& err) {
  if (!report.notice.empty()) err << "survey-tool: " << report.notice << '\n';
}

// For a command that saves: the store's lock, or nothing after telling on err
// why the store cannot be saved now (another copy holds it, or a windowed run
// cut short left changes that only the program can restore). Inline for survey-tool-gis too.
inline std::unique_ptr<StoreLock> lockForSaving(const std::filesystem::path& dir,
                                                std::ostream& err) {
  LockHolder holder;
  std::string error;
  auto lock = StoreLock::acquire(dir, holder, error);
  if (!lock) {
    err << "survey-tool: "
        << (error.empty() ? storeInUseMessage(dir, holder) + " Close it first." : error + ".")
        << " Nothing was saved: the store was left as it was.\n";
    return nullptr;
  }
  if (journalExists(dir)) {
    err << "survey-tool: the program was not closed properly and its recovery journal "
        << (dir / kJournalName).string()
        << " holds unsaved changes. Start the program to restore or set them aside. Nothing was "
           "saved: the store was left as it was.\n";
    return nullptr;
  }
  return lock;
}

// For a command that only reads: completes a save cut short first, unless
// another copy holds the store (which then does it itself). Inline for survey-tool-gis too.
inline StoreLoadReport loadForReading(SurveyStore& store, const std::filesystem::path& dir) {
  LockHolder holder;
  std::string error;
  const auto lock = StoreLock::acquire(dir, holder, error);
  return loadStore(store, dir, lock ? StoreAccess::Writer : StoreAccess::Reader);
}

// For a command that reads one survey: the store in DIR loaded into `store`, true when
// it holds the survey KEY; else says on err why not.
inline bool loadSurveyForReading(SurveyStore& store, const std::string& dir, const std::string& key,
                                 std::ostream& err) {
  if (!isDirectory(dir, err)) return false;
  const StoreLoadReport report = loadForReading(store, dir);
  if (report.failed) {
    err << "survey-tool: " << report.message() << '\n';
    return false;
  }
  if (key.empty() || store.findSurveyRow(key) == 0) {
    err << "survey-tool: no survey with the identifier \"" << key << "\" in " << dir << '\n';
    return false;
  }
  return true;
}

// Every subcommand; each *_command.cpp adds its own through a registrar.
std::vector<Command>& commands();

struct CommandRegistrar {
  explicit CommandRegistrar(Command command) { commands().push_back(std::move(command)); }
};

}  // namespace survey::cli
