#include "shell/store_folder.h"

#include <filesystem>

#include "store/store_location.h"

namespace survey {

void openStoreFolder(Program& program) {
  const std::filesystem::path folder = program.platform.storeDirectory();
  std::error_code ec;
  createStoreFolder(folder, ec);
  if (ec) {
    program.tell("The store folder " + folder.string() + " cannot be created: " + ec.message() +
                 ".");
    return;
  }
  if (!program.platform.openDocument(folder.string())) {
    program.tell("The store folder " + folder.string() +
                 " could not be shown: no file manager is set up to open folders.");
  }
}

}  // namespace survey
