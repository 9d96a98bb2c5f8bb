// FormGS: one navigational aid of the current survey, its type, position,
// elevation, distance and its associated perpendicular or centerline point.
#pragma once

#include <string>
#include <string_view>

#include "shell/record_screen.h"
#include "shell/screen.h"
#include "store/schema/navaid_fields.h"
#include "store/survey_store.h"
#include "survey/navaid_types.h"

namespace survey {

class NavaidScreen : public Screen, public RecordScreen {
 public:
  static constexpr const char* kName = "FormGS";
  static constexpr const char* kCaption = "Part C: NAVAID Information";

  static constexpr ControlName<Frame> kNavaidFrame{"Frame2"};
  static constexpr ControlName<ListBox> kElectronicList{"ListElectronic"};
  static constexpr ControlName<ListBox> kVisualList{"ListVisual"};
  static constexpr ControlName<ListBox> kSideList{"ListLR"};
  static constexpr ControlName<OptionButton> kPerpendicularOption{"RadioPP"};
  static constexpr ControlName<OptionButton> kCenterlineOption{"RadioCLPT"};
  static constexpr ControlName<OptionButton> kNoPointOption{"RadioDEF"};
  static constexpr ControlName<Label> kAnswerQuestion{"LabelPP"};
  static constexpr ControlName<Frame> kOffsetFrame{"Frame5"};
  static constexpr ControlName<Frame> kPointFrame{"Frame4"};
  static constexpr ControlName<Frame> kDistanceFrame{"Frame3"};
  // Lies over the distance group until a type is chosen or typed.
  static constexpr ControlName<Frame> kDistanceCover{"Frame1"};
  static constexpr ControlName<Label> kRunwayLabel{"LabelRWY"};
  static constexpr ControlName<Label> kIdentifierLabel{"LabelID"};
  static constexpr ControlName<Label> kDistanceCaption{"LabelCenterline"};
  static constexpr ControlName<Label> kElevationCaption{"Label299"};
  static constexpr ControlName<Label> kLatitudeHemisphere{"LabelLatDir1"};
  static constexpr ControlName<Label> kLongitudeHemisphere{"LabelLonDir1"};
  static constexpr ControlName<CommandButton> kSaveButton{"Command5"};
  static constexpr ControlName<CommandButton> kCancelButton{"Command6"};

  // The text box of a navaid field: "Text15G" for the typed (STARS) type.
  static std::string boxName(int field);

  explicit NavaidScreen(Program& program);

  void load() override;
  void afterShow() override;
  // Fills the screen from the current navaid row (the hub's "Edit").
  void loadRecord() override;

  // Sets the captions and shows or hides the groups for the types chosen in the lists.
  void applyNavaidLayout();

 private:
  // Building the controls (navaid_screen.cpp).
  void buildTypeChoosers(Frame& frame);
  void buildNavaidFields(Frame& frame);
  void buildAnswer(Frame& frame);
  void buildAssociatedPoint(Frame& frame);
  void buildDistance();
  void attachChecks();
  void fillNavaidLists();
  Label& addLabel(std::string_view name, Frame* frame, std::string caption, int left, int top,
                  int width, int height = 255);
  TextBox& addBox(int field, Frame* frame, std::string caption, int left, int top, int width);

  // Layouts by type (navaid_layout.cpp).
  void electronicChosen();
  void visualChosen();
  void starsChanged();
  void showAssociatedPoint(bool shown);
  void applyType(const NavaidType& type);
  void applyKind(NavaidKind kind);
  void setDistanceCaption(std::string_view caption);
  void setElevationCaption(std::string_view caption);

  // Saving and loading (navaid_submit.cpp).
  FieldValues screenValues() const;
  std::string chosenType() const;
  std::string chosenAnswer() const;
  // False when nothing could be stored; the user was told why.
  bool submitNavaid();
  void save();
  void cancel();
  void loadField(const Table& navaids, int row, int field);

  // Set while a layout empties the STARS box, so that the emptying does not
  // run the STARS handler and undo the type just chosen.
  bool emptyingStars_ = false;
};

// Refills the navaid grid of the airport screen, when that screen exists.
void fillHubNavaidGrid(Program& program);

}  // namespace survey
