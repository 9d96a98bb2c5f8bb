// FormRunway: one runway of the current survey, both of its ends in one row
// of the runway table. Reached from the airport screen's runway grid.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/record_screen.h"
#include "shell/screen.h"
#include "store/schema/runway_fields.h"
#include "store/survey_store.h"

namespace survey {

// The standards document the picture opens.
inline constexpr const char* kRunwayStandardsAddress =
    "https://standards.example.invalid/arp/pdf/5340-1h.pdf";

// Runway fields from the survey date to the last one of the opposite end come from the
// screen; the link to the survey and the deletion mark follow them.
inline constexpr int kRunwayScreenFields = runway::OppositeDisplacedElevationEllipsoidal;

// In an edit the ends' identifiers name the runway: they stay as they are.
void lockRunwayDesignators(Screen& runway);

class RunwayScreen : public Screen, public RecordScreen {
 public:
  static constexpr const char* kName = "FormRunway";
  static constexpr const char* kCaption = "Part B: Runway Information";

  static constexpr ControlName<Frame> kRunwayFrame{"FrameRunway"};
  static constexpr ControlName<ListBox> kSurfaceList{"ListSurf"};
  static constexpr ControlName<ListBox> kRwyIdBlastPadList{"ListBP1"};
  static constexpr ControlName<ListBox> kOppositeBlastPadList{"ListBP2"};
  static constexpr ControlName<CommandButton> kRwyIdPointsButton{"Command1"};
  static constexpr ControlName<CommandButton> kOppositePointsButton{"Command2"};
  static constexpr ControlName<CommandButton> kCancelButton{"CommandCancelRunway"};
  static constexpr ControlName<CommandButton> kSaveButton{"CommandSubmitRunway"};
  static constexpr ControlName<CommandButton> kSaveAndReturnButton{"Command3"};
  static constexpr ControlName<Label> kNavd88Note{"LabelNAVD88"};
  static constexpr ControlName<Label> kNad83Note{"LabelNAD83"};
  static constexpr ControlName<Picture> kStandardsPicture{"Picture1"};

  // The text box of a runway field: "Text2R" for the Rwy ID designator.
  static std::string boxName(int field);
  // The list that holds a runway field, or none for the fields kept in text boxes.
  static std::optional<ControlName<ListBox>> listOfField(int field);

  explicit RunwayScreen(Program& program);

  void load() override;
  void afterShow() override;
  // The hub's "Edit", and "Back" from the profile points: fills the screen
  // from the current runway row.
  void loadRecord() override;

  // Checks the screen and writes it into the runway table; false when refused.
  bool submitRunway();

 private:
  // runway_layout.cpp: controls, captions, tips and places.
  void buildControls();
  void buildEndColumn(runway::End end, int left);
  void attachChecks();

  // runway_screen.cpp
  void fillRunwayLists();
  void save();
  void saveAndReturn();
  void cancel();
  void openProfilePoints(runway::End end);
  void openStandardsDocument();
  void returnToAirport();

  // runway_submit.cpp
  FieldValues screenValues() const;
  // The refusal of an add because a designator is taken; empty when none is.
  std::string duplicateRefusal() const;
  void refreshHub();
};

}  // namespace survey
