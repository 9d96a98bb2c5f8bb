#include "entry/all_screens.h"

#include "shell/main_screen.h"

namespace survey {

namespace {
template <class S>
void registerScreen(ScreenManager& screens, bool managed = true) {
  screens.registerScreen(
      S::kName, [](Program& program) { return std::make_unique<S>(program); }, managed);
}
}  // namespace

void registerAllScreens(ScreenManager& screens) {
  registerScreen<MainScreen>(screens);
  // Each entry screen adds its line here.
}

}  // namespace survey
