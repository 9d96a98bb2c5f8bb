// survey-tool: works on the survey store and exchange files without a window.
#include <algorithm>
#include <iostream>

#include "cli/command.h"

namespace survey::cli {
std::vector<Command>& commands() {
  static std::vector<Command> all;
  return all;
}
}  // namespace survey::cli

namespace {
void printUsage(std::ostream& out) {
  auto all = survey::cli::commands();
  std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  out << "usage: survey-tool COMMAND ARGUMENTS\n";
  for (const auto& command : all) {
    out << "  survey-tool " << command.name << ' ' << command.usage << "\n      " << command.summary
        << '\n';
  }
}
}  // namespace

int main(int argc, char** argv) {
  using namespace survey::cli;
  if (argc < 2) {
    printUsage(std::cerr);
    return kExitFailed;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printUsage(std::cout);
    return kExitOk;
  }
  for (const auto& command : commands()) {
    if (command.name == name) {
      return command.run(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    }
  }
  std::cerr << "survey-tool: unknown command '" << name << "'\n";
  printUsage(std::cerr);
  return kExitFailed;
}
