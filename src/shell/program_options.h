// The options both programs take before anything else: --store DIR, --version, --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace survey {

struct ProgramOptions {
  std::optional<std::string> store;  // --store DIR or --store=DIR
  bool showVersion = false;
  bool showHelp = false;
  std::string error;              // for the user; empty when the options were understood
  std::vector<std::string> rest;  // every other argument, in order
};

// Reads args (without the program name). With stopAtOperand, the first
// argument that is not an option and everything after it go to rest
// untouched (survey-tool's command and its arguments); otherwise options are
// taken wherever they stand. "--" ends the options.
ProgramOptions parseProgramOptions(const std::vector<std::string>& args, bool stopAtOperand);

}  // namespace survey
