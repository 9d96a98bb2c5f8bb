// FormGS: one navigational aid of the current survey, its type, position,
// elevation, distance and its associated perpendicular or centerline point.
#pragma once

#include <string>
#include <string_view>

#include "entry/navaid_types.h"
#include "shell/record_screen.h"
#include "shell/screen.h"
#include "store/survey_store.h"

namespace survey {

class NavaidScreen : public Screen, public RecordScreen {
 public:
  static constexpr const char* kName = "FormGS";
  static constexpr const char* kCaption = "Part C: NAVAID Information";

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
  Label& addLabel(const std::string& name, Frame* frame, std::string caption, int left, int top,
                  int width, int height = 255);
  TextBox& addBox(const std::string& name, Frame* frame, std::string caption, int left, int top,
                  int width);

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
