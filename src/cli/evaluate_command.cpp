// "evaluate": which obstructions of a survey penetrate the airport's imaginary
// surfaces, as a tab-separated table.
#include <ostream>

#include "cli/command.h"
#include "evaluation/obstruction_evaluation.h"

namespace survey::cli {
namespace {

int evaluateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: survey-tool evaluate DIR KEY\n";
    return kExitFailed;
  }
  SurveyStore store;
  if (!loadSurveyForReading(store, args[0], args[1], err)) return kExitFailed;
  const auto evaluations = evaluation::evaluateObstructions(store, args[1]);
  out << evaluation::evaluationTable(evaluations);
  for (const auto& e : evaluations) {
    if (e.verdict.penetrates()) return kExitProblems;
  }
  return kExitOk;
}

const CommandRegistrar evaluateRegistrar{
    {"evaluate", "DIR KEY",
     "judges each obstruction of the survey KEY of the store in DIR against the FAR 77 "
     "surfaces: record, object, runway end, code, surface, surface elevation, top elevation, "
     "penetration (feet), tab-separated; exit 1 when any obstruction penetrates",
     evaluateCommand}};

}  // namespace
}  // namespace survey::cli
