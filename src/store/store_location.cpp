#include "store/store_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

#include "store/survey_store.h"

namespace survey {
namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool isSystemFolder(const fs::path& directory) {
  const fs::path normal = directory.lexically_normal();
  for (const char* system : {"/usr/bin", "/usr/local/bin", "/bin", "/usr/sbin", "/sbin"}) {
    if (normal == fs::path(system) || normal == fs::path(system) / "") return true;
  }
  return false;
}

}  // namespace

fs::path chooseStoreDirectory(const StoreLocationInput& input) {
  if (input.storeOption) return *input.storeOption;
  const ProgramFolderFacts& folder = input.programFolder;
  if (!folder.systemFolder && (folder.holdsStoreFiles || folder.writable)) {
    return input.programDirectory;
  }
  // A relative $XDG_DATA_HOME is invalid and must be ignored.
  if (!input.xdgDataHome.empty() && fs::path(input.xdgDataHome).is_absolute()) {
    return fs::path(input.xdgDataHome) / kDataFolderName;
  }
  if (!input.home.empty()) return fs::path(input.home) / ".local" / "share" / kDataFolderName;
  return input.programDirectory;  // no home at all: nowhere better to look
}

ProgramFolderFacts inspectProgramFolder(const fs::path& directory) {
  ProgramFolderFacts facts;
  std::error_code ec;
  for (TableKind kind :
       {TableKind::Airport, TableKind::Runway, TableKind::Navaid, TableKind::Obstruction}) {
    if (fs::exists(directory / std::string(shapeOf(kind).fileName), ec))
      facts.holdsStoreFiles = true;
  }
  facts.writable = fs::is_directory(directory, ec) && ::access(directory.c_str(), W_OK) == 0;
  facts.systemFolder = isSystemFolder(directory);
  return facts;
}

fs::path storeDirectoryFor(const fs::path& programDirectory,
                           const std::optional<fs::path>& storeOption) {
  StoreLocationInput input;
  input.programDirectory = programDirectory;
  if (storeOption) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(*storeOption, ec);
    input.storeOption = ec ? *storeOption : absolute;
  }
  if (!storeOption) input.programFolder = inspectProgramFolder(programDirectory);
  input.xdgDataHome = environment("XDG_DATA_HOME");
  input.home = environment("HOME");
  return chooseStoreDirectory(input);
}

void createStoreFolder(const fs::path& directory, std::error_code& error) {
  error.clear();
  if (directory.empty() || fs::is_directory(directory, error)) return;
  const fs::path parent = directory.parent_path();
  if (!parent.empty() && parent != directory) {
    createStoreFolder(parent, error);
    if (error) return;
  }
  if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
    error.assign(errno, std::generic_category());
    return;
  }
  error.clear();
}

fs::path findHelpDocument(const fs::path& programDirectory) {
  const std::array candidates{programDirectory / "help.pdf", (programDirectory / ".." / "share" /
                                                              "doc" / kDataFolderName / "help.pdf")
                                                                 .lexically_normal()};
  std::error_code ec;
  for (const auto& candidate : candidates) {
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return candidates.front();
}

}  // namespace survey
