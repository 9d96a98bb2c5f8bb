// "review": the findings of the survey review, one per line, for scripts and the
// surveyor's terminal.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "review/survey_review.h"
#include "store/store_files.h"

namespace survey::cli {
namespace {

// A tab or line break inside a value would break the line into columns it does not have.
std::string oneCell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

int reviewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: survey-tool review DIR KEY\n";
    return kExitFailed;
  }
  const std::string& key = args[1];
  SurveyStore store;
  if (!loadSurveyForReading(store, args[0], key, err)) return kExitFailed;
  const auto findings = review::reviewSurvey(store, key, review::localToday());
  for (const review::Finding& f : findings) {
    out << review::severityText(f.severity) << '\t' << oneCell(f.record) << '\t'
        << oneCell(f.fieldLabel) << '\t' << oneCell(f.message) << '\t' << oneCell(f.computed)
        << '\n';
  }
  return findings.empty() ? kExitOk : kExitProblems;
}

const CommandRegistrar reviewRegistrar{
    {"review", "DIR KEY",
     "reviews the survey KEY of the store in DIR: one finding per line, errors first (severity, "
     "record, field, what is wrong, computed value, tab-separated); exit 1 when anything is found",
     reviewCommand}};

}  // namespace
}  // namespace survey::cli
