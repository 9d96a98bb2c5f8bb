// "review": the findings of the survey review, one per line, for scripts and the
// surveyor's terminal.
#include <filesystem>
#include <ostream>

#include "cli/command.h"
#include "review/survey_review.h"
#include "store/store_files.h"
#include "store/text_forms.h"

namespace survey::cli {
namespace {

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
    out << review::severityText(f.severity) << '\t' << cellText(f.record) << '\t'
        << cellText(f.fieldLabel) << '\t' << cellText(f.message) << '\t' << cellText(f.computed)
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
