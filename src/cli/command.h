// The command-line companion's subcommands: each takes its arguments after the
// subcommand's name and returns the process exit status.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

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

// Every subcommand; each *_command.cpp adds its own through a registrar.
std::vector<Command>& commands();

struct CommandRegistrar {
  explicit CommandRegistrar(Command command) { commands().push_back(std::move(command)); }
};

}  // namespace survey::cli
