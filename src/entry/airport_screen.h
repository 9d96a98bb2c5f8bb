// FormAirport: the general data of one survey and the hub from which its
// runways, navaids and obstructions are added, edited and deleted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/hub.h"
#include "shell/screen.h"
#include "store/table.h"

namespace survey {

class AirportScreen : public Screen, public HubScreen {
 public:
  static constexpr const char* kName = "FormAirport";
  static constexpr const char* kCaption = "Part A: Airport Information";

  explicit AirportScreen(Program& program);

  // The general information, its lists and hemisphere options.
  static constexpr ControlName<Frame> kGeneralFrame{"FrameGeneralAIRPORT"};
  static constexpr ControlName<ListBox> kStateList{"ListState"};
  static constexpr ControlName<ListBox> kHorizontalAccuracyList{"ListHor"};
  static constexpr ControlName<ListBox> kEllipsoidalAccuracyList{"ListEll"};
  static constexpr ControlName<ListBox> kOrthometricAccuracyList{"ListOrth"};
  static constexpr ControlName<ListBox> kVerticalDatumList{"ListVertDatum"};
  static constexpr ControlName<Label> kStateLabel{"LabelState"};
  static constexpr ControlName<Label> kStateHintLabel{"LabelStateHint"};
  static constexpr ControlName<Label> kReferencePointLabel{"Label21"};
  static constexpr ControlName<Label> kDatumNoteLabel{"Label6"};
  static constexpr ControlName<Label> kElevationHintLabel{"LabelHintElevation"};
  static constexpr ControlName<Label> kDeclinationHintLabel{"LabelHintDeclination"};
  static constexpr ControlName<Picture> kHorizontalAccuracyHelp{"Picture1"};
  static constexpr ControlName<Picture> kEllipsoidalAccuracyHelp{"Picture2"};
  static constexpr ControlName<Picture> kOrthometricAccuracyHelp{"Picture3"};
  static constexpr ControlName<Frame> kLatitudeFrame{"Frame3"};
  static constexpr ControlName<Frame> kLongitudeFrame{"Frame4"};
  static constexpr ControlName<OptionButton> kNorthOption{"RadioN"};
  static constexpr ControlName<OptionButton> kSouthOption{"RadioS"};
  static constexpr ControlName<OptionButton> kWestOption{"RadioW"};
  static constexpr ControlName<OptionButton> kEastOption{"RadioE"};
  static constexpr ControlName<CommandButton> kCancelButton{"CommandCancelAirport"};
  static constexpr ControlName<CommandButton> kSaveButton{"CommandSubmitAirport"};
  static constexpr ControlName<CommandButton> kFinalizeButton{"CommandCertify"};
  // The hub: a grid with New, Edit and Delete for each of the three tables.
  static constexpr ControlName<Frame> kHubFrame{"Frame2"};
  static constexpr ControlName<Grid> kRunwayGrid{"GridRunway"};
  static constexpr ControlName<CommandButton> kNewRunwayButton{"CommandAddRWY"};
  static constexpr ControlName<CommandButton> kEditRunwayButton{"CommandEditRWY"};
  static constexpr ControlName<CommandButton> kDeleteRunwayButton{"CommandDelRWY"};
  static constexpr ControlName<Grid> kNavaidGrid{"GridGS"};
  static constexpr ControlName<CommandButton> kNewNavaidButton{"CommandAddNAV"};
  static constexpr ControlName<CommandButton> kEditNavaidButton{"CommandEditNAV"};
  static constexpr ControlName<CommandButton> kDeleteNavaidButton{"CommandDelNAV"};
  static constexpr ControlName<Grid> kObstructionGrid{"GridObstruction"};
  static constexpr ControlName<CommandButton> kNewObstructionButton{"CommandAddObs"};
  static constexpr ControlName<CommandButton> kEditObstructionButton{"CommandEditObs"};
  static constexpr ControlName<CommandButton> kDeleteObstructionButton{"CommandDelObs"};
  static constexpr ControlName<CommandButton> kFromListButton{"Command1"};
  // Frames beside the general information that hold no fields, and their two boxes.
  static constexpr ControlName<Frame> kReferencePointFrame{"FrameAirport"};
  static constexpr ControlName<Frame> kProjectFrame{"FrameProjectAIRPORT"};
  static constexpr ControlName<Frame> kProjectCoverFrame{"Frame1"};
  static constexpr ControlName<TextBox> kProjectFirstBox{"Text16AA"};
  static constexpr ControlName<TextBox> kProjectSecondBox{"Text17AA"};

  // The box of an airport field: "Text3A" for the identifier.
  static std::string boxName(int field);

  void load() override;
  // Load in add mode: empty hub grids, options N and W. Tab: the current
  // survey, "Save" disabled, the rest by whether any survey exists.
  void prepare(Preparation mode) override;
  void beforeShow() override;

  void refillHubGrids() override;
  void editCurrentSurvey(int selectedListRow) override;

  // Fills the screen from the current survey's row and applies the lock of a
  // survey in status "CERTIFIED2".
  void loadAirportScreen();
  // A new survey's empty screen: the hub waits for the first "Save".
  void startNewSurvey();
  // Enables Edit and Delete of each hub grid by whether it lists anything.
  void updateHubButtons();

 private:
  // One of the hub's three parts: its grid and its New, Edit, Delete.
  struct HubPart {
    TableKind table;
    ControlName<Grid> grid;
    ControlName<CommandButton> add;
    ControlName<CommandButton> edit;
    ControlName<CommandButton> remove;
    const char* screen;
    const char* noun;  // in messages and spoken names: "Please select a runway ..."
  };
  static const std::vector<HubPart>& hubParts();
  friend Screen& editChildRecord(Program& program, TableKind table, int row);

  void buildGeneralInformation();
  void buildHub();
  void buildSideFrames();

  void save();
  void submitAirport();
  void cancel();
  void finalizeInput();
  void reviewSurvey();

  void chooseState();
  // The empty item and the states, after the chosen state when one is given.
  void fillStateList(const std::string* chosen);
  void selectStoredItem(ControlName<ListBox> list, const std::string& value);

  void fillGrid(const HubPart& part);
  void setHubCommandsBySurveyType();
  int selectedRecord(const HubPart& part);
  void newRecord(const HubPart& part);
  void editRecord(const HubPart& part);
  void deleteRecord(const HubPart& part);

  bool choosingState_ = false;
  bool selectingTab_ = false;
};

// Opens a runway, navaid or obstruction row of the current survey on its screen for
// editing, as the hub's "Edit" does, and returns that screen.
Screen& editChildRecord(Program& program, TableKind table, int row);

}  // namespace survey
