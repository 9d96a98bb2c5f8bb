// Makes every screen of the program known to the screen switcher.
#pragma once

#include "shell/screen_manager.h"

namespace survey {

void registerAllScreens(ScreenManager& screens);

}  // namespace survey
