#include "shell/program.h"

namespace survey {

Program::Program(Dialogs& dialogs, Platform& platform)
    : durableDialogs_(dialogs, *this),
      dialogs(durableDialogs_),
      platform(platform),
      screens(*this) {}

Program::~Program() {
  screens.discardAll();
}

}  // namespace survey
