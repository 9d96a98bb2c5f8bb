// survey-tool: works on the survey store and exchange files without a window.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "shell/program_options.h"
#include "store/store_location.h"
#include "survey_version.h"

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
  out << "usage: survey-tool [--store DIR] COMMAND ARGUMENTS\n"
         "       survey-tool --version\n"
         "DIR may be left out: it is then the --store folder, or else the folder the\n"
         "windowed program uses (beside the program, or ~/.local/share/airport-survey).\n";
  for (const auto& command : all) {
    out << "  survey-tool " << command.name << ' ' << command.usage << "\n      " << command.summary
        << '\n';
  }
}

// The arguments before the options in a usage ("DIR KEY FILE --map ... [--dry-run]": 3), and
// the options followed by a value ("--map", "--srs").
struct UsageShape {
  std::size_t positionals = 0;
  std::vector<std::string> valueOptions;
};

UsageShape usageShape(const std::string& usage) {
  std::istringstream stream(usage);
  const std::vector<std::string> words{std::istream_iterator<std::string>(stream),
                                       std::istream_iterator<std::string>()};
  UsageShape shape;
  bool optionsBegun = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string word = words[i];
    if (word.starts_with('[')) word.erase(0, 1);
    optionsBegun = optionsBegun || word.starts_with('-') || words[i].starts_with('[');
    if (!optionsBegun) {
      ++shape.positionals;
    } else if (word.starts_with("--") && !word.ends_with(']') && i + 1 < words.size() &&
               !words[i + 1].starts_with('-') && !words[i + 1].starts_with('[')) {
      shape.valueOptions.push_back(word);
    }
  }
  return shape;
}

// The arguments given that are not options nor their values.
std::size_t positionalCount(const std::vector<std::string>& args, const UsageShape& shape) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      ++count;
    } else if (std::find(shape.valueOptions.begin(), shape.valueOptions.end(), args[i]) !=
               shape.valueOptions.end()) {
      ++i;
    }
  }
  return count;
}

// The folder the windowed program would use, judged from where survey-tool lives.
std::filesystem::path ruleStoreFolder(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  const auto folder = survey::storeDirectoryFor(self.parent_path(), std::nullopt);
  survey::createStoreFolder(folder, ec);  // a new user's data folder
  return folder;
}

// A command whose first argument is the store folder may be given without it;
// the folder then comes from --store or the store location rule.
bool supplyStoreFolder(const survey::cli::Command& command, std::vector<std::string>& args,
                       const survey::ProgramOptions& options, const char* argv0) {
  if (!command.usage.starts_with("DIR")) return true;
  const UsageShape shape = usageShape(command.usage);
  const std::size_t full = shape.positionals;
  const std::size_t given = positionalCount(args, shape);
  if (given + 1 == full) {
    args.insert(args.begin(), options.store ? *options.store : ruleStoreFolder(argv0).string());
  } else if (options.store && given == full) {
    std::cerr << "survey-tool: give the store folder either with --store or as DIR, not both\n";
    return false;
  }
  return true;  // any other count: the command reports its own usage
}
}  // namespace

int main(int argc, char** argv) {
  using namespace survey::cli;
  const survey::ProgramOptions options =
      survey::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.error.empty()) {
    std::cerr << "survey-tool: " << options.error << '\n';
    return kExitFailed;
  }
  if (options.showVersion) {
    std::cout << "survey-tool " << SURVEY_PROGRAM_VERSION << '\n';
    return kExitOk;
  }
  if (options.showHelp || (!options.rest.empty() && options.rest.front() == "help")) {
    printUsage(std::cout);
    return kExitOk;
  }
  if (options.rest.empty()) {
    printUsage(std::cerr);
    return kExitFailed;
  }
  const std::string& name = options.rest.front();
  for (const auto& command : commands()) {
    if (command.name == name) {
      std::vector<std::string> args(options.rest.begin() + 1, options.rest.end());
      if (!supplyStoreFolder(command, args, options, argv[0])) return kExitFailed;
      // Whatever gives out, the user gets a sentence, not an abort.
      try {
        return command.run(args, std::cout, std::cerr);
      } catch (const std::bad_alloc&) {
        std::cerr << "survey-tool: " << name
                  << " ran out of memory and stopped; nothing more was written.\n";
      } catch (const std::exception& e) {
        std::cerr << "survey-tool: " << name << " stopped: " << e.what() << '\n';
      }
      return kExitFailed;
    }
  }
  std::cerr << "survey-tool: unknown command '" << name << "'\n";
  printUsage(std::cerr);
  return kExitFailed;
}
