// The airport screen as the main screen sees it: the hub of a survey.
#pragma once

namespace survey {

class HubScreen {
 public:
  virtual ~HubScreen() = default;
  // Refills the runway, navaid and obstruction grids for the current survey key.
  virtual void refillHubGrids() = 0;
  // "Edit" on the main screen: opens the current survey for editing.
  virtual void editCurrentSurvey(int selectedListRow) = 0;
};

}  // namespace survey
