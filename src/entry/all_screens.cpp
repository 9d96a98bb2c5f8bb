#include "entry/all_screens.h"

#include "entry/airport_screen.h"
#include "entry/certification_screen.h"
#include "entry/import_screen.h"
#include "entry/main_screen.h"
#include "entry/navaid_screen.h"
#include "entry/obstruction_screen.h"
#include "entry/output_file_screen.h"
#include "entry/review_screen.h"
#include "entry/runway_pp_screen.h"
#include "entry/runway_screen.h"
#include "entry/survey_type_screen.h"

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
  registerScreen<SurveyTypeScreen>(screens);
  registerScreen<AirportScreen>(screens);
  registerScreen<CertificationScreen>(screens);
  registerScreen<ObstructionScreen>(screens);
  registerScreen<RunwayScreen>(screens);
  registerScreen<RunwayPPScreen>(screens);
  registerScreen<NavaidScreen>(screens);
  registerScreen<ReviewScreen>(screens);
  // Windows beside the working screens.
  registerScreen<OutputFileScreen>(screens, false);
  registerScreen<ImportScreen>(screens, false);
}

}  // namespace survey
