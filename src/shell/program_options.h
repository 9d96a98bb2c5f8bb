// The options both programs take: --store DIR, --version, --help.
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

// Reads args (without the program name). Options are taken wherever they
// stand, before or after survey-tool's command; "--" ends the options, so
// that an argument that looks like one can still be given after it.
ProgramOptions parseProgramOptions(const std::vector<std::string>& args);

}  // namespace survey
