#include "shell/program.h"

namespace survey {

Program::Program(Dialogs& dialogs, Platform& platform)
    : dialogs(dialogs), platform(platform), screens(*this) {}

Program::~Program() {
  screens.discardAll();
}

}  // namespace survey
