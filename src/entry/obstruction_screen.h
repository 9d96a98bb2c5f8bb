// FormObstruction: one obstruction of the current survey, reached from the
// airport screen's obstruction grid ("New" adds, "Edit" changes a row).
#pragma once

#include <optional>
#include <string>

#include "evaluation/airport_surfaces.h"
#include "shell/controls.h"
#include "shell/record_screen.h"
#include "shell/screen.h"
#include "store/schema/obstruction_fields.h"
#include "store/survey_store.h"

namespace survey {

class ObstructionScreen : public Screen, public RecordScreen {
 public:
  static constexpr const char* kName = "FormObstruction";
  static constexpr const char* kCaption = "Part D: Obstruction Information";

  static constexpr ControlName<Frame> kSurfaceFrame{"FrameNavLO"};
  static constexpr ControlName<ListBox> kSurfaceList{"ListObsSurface"};
  static constexpr ControlName<Frame> kDataFrame{"Frame1"};
  static constexpr ControlName<ListBox> kHorizontalAccuracyList{"ListAccuracyH"};
  static constexpr ControlName<ListBox> kVerticalAccuracyList{"ListAccuracyV"};
  static constexpr ControlName<CommandButton> kCancelButton{"CommandCancelOBS"};
  static constexpr ControlName<CommandButton> kSaveButton{"CommandSubmitOBS"};
  static constexpr ControlName<Label> kSurveyDateLabel{"LabelSurveyDate"};
  static constexpr ControlName<Label> kGeodeticLabel{"LabelGeodetic"};
  static constexpr ControlName<Label> kAglLabel{"LabelAgl"};
  static constexpr ControlName<Label> kAglNote{"LabelAglNote"};
  static constexpr ControlName<Label> kLatitudeHemisphere{"LabelLatDir1"};
  static constexpr ControlName<Label> kLongitudeHemisphere{"LabelLonDir1"};
  // How the values typed fare against the airport's surfaces, before they are saved.
  static constexpr ControlName<Label> kEvaluationLine{"LabelEvaluation"};

  // The text box of an obstruction field: "Text23O" for the survey date.
  static std::string boxName(int field);

  explicit ObstructionScreen(Program& program);

  void load() override;
  void afterShow() override;
  // Fills the screen from the current obstruction row (the hub's "Edit").
  void loadRecord() override;

 private:
  Label& addLabel(Frame* frame, std::string name, std::string caption);
  TextBox& addBox(Frame& frame, int field, std::string caption, int left, int top, int width);
  void buildSurfaceFrame();
  void buildDataFrame();
  void buildPositionRows(Frame& data);
  void buildHeightRows(Frame& data);
  void buildAccuracyRows(Frame& data);
  void buildMenus();
  void attachChecks();

  void surfaceChosen();
  // Judges the typed obstruction again whenever a value it depends on changes.
  void attachEvaluation();
  void showEvaluation();
  std::string evaluationLine();
  // Built once the first judgement needs them, from every obstruction but the one edited.
  const evaluation::AirportSurfaces& airportSurfaces();
  void save();
  void cancel();
  // Writes the screen into the table; false (after telling why) when nothing was stored.
  bool storeRecord(RecordMode mode);
  FieldValues screenFields() const;
  ListBox* listOfField(int field) const;

  // Set while the screen is built, in the order a user moves through the controls.
  TabStrip* tabs_ = nullptr;
  Frame* dataFrame_ = nullptr;
  ListBox* surfaces_ = nullptr;
  ListBox* horizontal_ = nullptr;
  ListBox* vertical_ = nullptr;
  CommandButton* cancel_ = nullptr;
  CommandButton* submit_ = nullptr;
  Label* evaluation_ = nullptr;
  std::optional<evaluation::AirportSurfaces> airportSurfaces_;
};

// Refills the airport screen's obstruction grid, when that screen exists.
void refreshObstructionGrid(Program& program);
// After obstructions were added in bulk: the grid refilled and its commands usable.
void showAddedObstructions(Program& program);

}  // namespace survey
