// survey-tool-gis: what "survey-tool gis DIR KEY FILE" runs. It writes a survey of a
// store for GIS and CAD tools, as "Export Survey Data" does; given
// "import-obstructions" first, it adds the points of a GIS or CAD file to a survey's
// obstructions. It is a program of
// its own because the GIS formats need GDAL and its many libraries, which
// every other command would otherwise load at start for nothing.
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <new>
#include <string_view>

#include "cli/command.h"
#include "gis/gis_writer.h"
#include "gis/obstruction_import.h"
#include "store/store_files.h"
#include "store/text_forms.h"

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

// "--map object=NAME,top=ELEV": the columns by map key; false after telling why not.
bool readMapping(std::string_view text, std::map<std::string, std::string>& columns,
                 std::ostream& err) {
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view pair = text.substr(0, comma);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos || equals == 0 || equals + 1 == pair.size()) {
      err << "survey-tool: --map wants KEY=COLUMN pairs separated by commas, not \"" << pair
          << "\"\n";
      return false;
    }
    columns[std::string(pair.substr(0, equals))] = std::string(pair.substr(equals + 1));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  return true;
}

void printPreview(const gis::ImportPreview& preview, std::ostream& out) {
  out << "row\toutcome\tobject\tlatitude\tlongitude\ttop elevation\tmessage\n";
  for (const auto& row : preview.rows) {
    // Values from the file: a tab or line break in one must not split the line.
    out << row.row << '\t' << gis::outcomeName(row.outcome) << '\t' << cellText(row.object) << '\t'
        << row.latitude << '\t' << row.longitude << '\t' << cellText(row.topElevation) << '\t'
        << cellText(rowResultText(row)) << '\n';
  }
}

int importObstructions(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  constexpr const char* kUsage =
      "usage: survey-tool import-obstructions DIR KEY FILE --map KEY=COLUMN,... [--srs EPSG:N] "
      "[--metres] [--layer NAME] [--keep-repeats] [--dry-run]\n";
  std::vector<std::string> positionals;
  gis::ObstructionImportOptions options;
  bool dryRun = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool valued = arg == "--map" || arg == "--srs" || arg == "--layer";
    if (valued && i + 1 == args.size()) {
      err << "survey-tool: " << arg << " needs a value\n" << kUsage;
      return kExitFailed;
    }
    if (arg == "--map") {
      if (!readMapping(args[++i], options.columns, err)) return kExitFailed;
    } else if (arg == "--srs") {
      options.srs = args[++i];
    } else if (arg == "--layer") {
      options.layer = args[++i];
    } else if (arg == "--keep-repeats") {
      options.keepRepeats = true;
    } else if (arg == "--metres") {
      options.metres = true;
    } else if (arg == "--dry-run") {
      dryRun = true;
    } else if (arg.starts_with("--")) {
      err << "survey-tool: unknown option " << arg << '\n' << kUsage;
      return kExitFailed;
    } else {
      positionals.push_back(arg);
    }
  }
  if (positionals.size() != 3) {
    err << kUsage;
    return kExitFailed;
  }
  const std::string& dir = positionals[0];
  const std::string& key = positionals[1];
  if (!isDirectory(dir, err)) return kExitFailed;
  std::unique_ptr<StoreLock> lock;
  if (!dryRun) {
    lock = lockForSaving(dir, err);
    if (!lock) return kExitFailed;
  }
  SurveyStore store;
  const StoreLoadReport load = dryRun ? loadForReading(store, dir) : loadStore(store, dir);
  tellLoadNotice(load, err);
  if (load.failed) {
    err << "survey-tool: " << load.message() << "; nothing was imported\n";
    return kExitFailed;
  }
  const gis::ImportPreview preview =
      gis::previewObstructionImport(store, key, positionals[2], options);
  if (!preview.error.empty()) {
    err << "survey-tool: " << preview.error << "; nothing was imported\n";
    return kExitFailed;
  }
  const int taken = preview.accepted();
  const auto notTaken = static_cast<int>(preview.rows.size()) - taken;
  if (dryRun) {
    printPreview(preview, out);
    if (!preview.fits()) {
      err << "survey-tool: " << gis::applyObstructionImport(store, preview).error << '\n';
      return kExitFailed;
    }
  } else {
    for (const auto& row : preview.rows) {
      if (row.outcome != gis::RowOutcome::Accepted) {
        err << positionals[2] << " row " << row.row << ": " << gis::outcomeName(row.outcome) << ": "
            << row.message << '\n';
      }
    }
    const gis::ImportOutcome outcome = gis::applyObstructionImport(store, preview);
    if (!outcome.error.empty()) {
      err << "survey-tool: " << outcome.error << '\n';
      return kExitFailed;
    }
    if (taken > 0) {
      const StoreSaveReport save = saveStore(store, dir);
      if (!save.ok()) {
        err << "survey-tool: " << save.message() << '\n';
        return kExitFailed;
      }
    }
    out << "imported " << taken << " obstructions into " << key << "; " << notTaken
        << " rows refused or skipped\n";
  }
  if (taken == 0) return kExitFailed;
  return notTaken == 0 ? kExitOk : kExitProblems;
}

}  // namespace
}  // namespace survey::cli

int main(int argc, char** argv) {
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "import-obstructions") {
      args.erase(args.begin());
      return survey::cli::importObstructions(args, std::cout, std::cerr);
    }
    return survey::cli::exportGis(args, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "survey-tool: gis ran out of memory and stopped; nothing more was written.\n";
  } catch (const std::exception& e) {
    std::cerr << "survey-tool: gis stopped: " << e.what() << '\n';
  }
  return survey::cli::kExitFailed;
}
