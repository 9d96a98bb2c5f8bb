// Everything a screen reaches: the tables, the current survey, the screens,
// message boxes and the system around the program.
#pragma once

#include <string>

#include "review/survey_review.h"
#include "shell/dialogs.h"
#include "shell/platform.h"
#include "shell/screen_manager.h"
#include "shell/store_session.h"
#include "store/store_files.h"
#include "store/survey_store.h"
#include "uddf/export/uddf_export.h"

namespace survey {

class Program {
 public:
  Program(Dialogs& dialogs, Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

 private:
  DurableDialogs durableDialogs_;

 public:
  SurveyStore store;
  // The lock and the recovery journal of this run.
  StoreSession session;
  Dialogs& dialogs;
  Platform& platform;
  ScreenManager screens;
  // What the store load at start could not read; guards the save at exit.
  StoreLoadReport loadReport;
  // The extension of the next UDDF file, kept from one export to the next in a run.
  std::string exportExtension;
  // The last survey review of this run, which the map marks.
  std::string reviewedKey;
  std::vector<review::Finding> reviewFindings;
  // The clock of the UDDF survey line (tests set a fixed one).
  uddf::Clock exportClock = uddf::systemClock();

  // A message with one OK button and the program's title.
  void tell(std::string text) { dialogs.show(notice(std::move(text))); }
  bool askYesNo(std::string text, std::string title) {
    return dialogs.show(question(std::move(text), std::move(title))) == Button::Yes;
  }
  // Every command that changes the tables asks first: a copy opened read-only refuses,
  // saying who holds the store, before anything changes.
  bool refuseWhenReadOnly() {
    if (!session.readOnly) return false;
    tell(readOnlyRefusal(session));
    return true;
  }
  CurrentSurvey& current() { return store.current; }
  // Records are added only to a survey of the store: none may be kept under an empty or
  // deleted identifier, where a later survey of that identifier would silently adopt it.
  bool currentSurveyExists() const {
    return !store.current.surveyKey.empty() && store.findSurveyRow(store.current.surveyKey) > 0;
  }
  // Tells the user to choose a survey first, unless the current one exists.
  bool refuseWithoutSurvey() {
    if (currentSurveyExists()) return false;
    tell(std::string(uddf::kSelectAirportMessage));
    return true;
  }
};

}  // namespace survey
