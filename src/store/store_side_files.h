// The files of a store folder that belong to the store: the four store files
// (whatever they link to), the recovery journal, the lock and the commit
// record. No export may write over one of them.
#pragma once

#include <filesystem>
#include <string>

namespace survey {

// Why file must not be written by an export: "it is the store's own file
// survey_apt.txt (in /data/store)". Empty when it is none of them, or when
// directory is empty (no store to protect). Files are compared as the system
// knows them (the same device and inode), so another name of the same file,
// "DIR/./survey_apt.txt" or a link to it is caught; a file not yet there by
// its resolved path.
std::string storeSideFileProblem(const std::filesystem::path& directory,
                                 const std::filesystem::path& file);

}  // namespace survey
