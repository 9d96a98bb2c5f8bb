// FormMain: the list of surveys, and where a survey is chosen, started,
// opened, deleted, exported or imported.
#pragma once

#include "shell/screen.h"

namespace survey {

class MainScreen : public Screen {
 public:
  static constexpr const char* kName = "FormMain";
  static constexpr const char* kCaption = "Current and Completed Surveys";

  explicit MainScreen(Program& program);

  static constexpr ControlName<Frame> kSurveysFrame{"Frame1"};
  static constexpr ControlName<Grid> kSurveyList{"GridAirport"};
  static constexpr ControlName<CommandButton> kNewButton{"CommandAddAPT"};
  static constexpr ControlName<CommandButton> kEditButton{"CommandEditAPT"};
  static constexpr ControlName<CommandButton> kDeleteButton{"CommandDelete"};
  static constexpr ControlName<CommandButton> kImportButton{"Command2"};
  static constexpr ControlName<CommandButton> kCreateUddfButton{"Command1"};
  static constexpr ControlName<Label> kVersionLabel{"Label1"};

  void load() override;
  void prepare(Preparation mode) override;

  // Fills the list from the airport table and highlights the current survey.
  void refreshSurveyList();

 private:
  void chooseRow(int row);
  void newSurvey();
  void editSurvey();
  void deleteSurvey();
  void createUddf();
  void importUddf();

  TabStrip& tabs_;
  Frame& frame_;
  Grid& list_;
};

}  // namespace survey
