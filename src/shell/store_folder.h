// "File > Open Store Folder" on the main screen.
#pragma once

#include "shell/program.h"

namespace survey {

// Shows the folder of the store files in the file manager; a folder that does
// not exist yet (nothing saved so far) is created first, so it can be shown.
void openStoreFolder(Program& program);

}  // namespace survey
