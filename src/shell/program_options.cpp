#include "shell/program_options.h"

namespace survey {

ProgramOptions parseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  const std::string storeEq = "--store=";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      options.rest.insert(options.rest.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    std::optional<std::string> store;
    if (arg == "--store") {
      if (i + 1 == args.size()) {
        options.error = "--store needs a folder: --store DIR";
        return options;
      }
      store = args[++i];
    } else if (arg.starts_with(storeEq)) {
      store = arg.substr(storeEq.size());
    } else if (arg == "--version") {
      options.showVersion = true;
      continue;
    } else if (arg == "--help" || arg == "-h") {
      options.showHelp = true;
      continue;
    } else {
      options.rest.push_back(arg);
      continue;
    }
    if (store->empty()) {
      options.error = "--store needs a folder: --store DIR";
      return options;
    }
    if (options.store && *options.store != *store) {
      options.error = "--store was given twice, with different folders";
      return options;
    }
    options.store = std::move(store);
  }
  return options;
}

}  // namespace survey
