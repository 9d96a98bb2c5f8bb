// Where the four store files live, and where the help document is found.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace survey {

inline constexpr const char* kDataFolderName = "airport-survey";

// What the rule needs to know about the program's own folder.
struct ProgramFolderFacts {
  bool holdsStoreFiles = false;  // one of the four store files is there
  bool writable = false;
  bool systemFolder = false;  // /usr/bin and the like: never a store, not even for root
};

struct StoreLocationInput {
  std::filesystem::path programDirectory;
  std::optional<std::filesystem::path> storeOption;  // --store DIR
  ProgramFolderFacts programFolder;
  std::string xdgDataHome;  // $XDG_DATA_HOME, empty when unset
  std::string home;         // $HOME, empty when unset
};

// --store DIR wins. Otherwise the program's folder when it already holds store
// files or is writable (portable use), else the user's data folder
// ($XDG_DATA_HOME/airport-survey, by default ~/.local/share/airport-survey).
std::filesystem::path chooseStoreDirectory(const StoreLocationInput& input);

// Looks at the folder on disk.
ProgramFolderFacts inspectProgramFolder(const std::filesystem::path& directory);

// The rule applied to this process's environment.
std::filesystem::path storeDirectoryFor(const std::filesystem::path& programDirectory,
                                        const std::optional<std::filesystem::path>& storeOption);

// Creates directory and any missing folder above it, each readable by its
// owner alone (0700): the surveys are no other user's business. Folders that
// exist are left as they are.
void createStoreFolder(const std::filesystem::path& directory, std::error_code& error);

// help.pdf beside the program (a build or portable folder) or where the
// package installs it (../share/doc/airport-survey); the first that exists.
std::filesystem::path findHelpDocument(const std::filesystem::path& programDirectory);

}  // namespace survey
