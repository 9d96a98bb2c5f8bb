#include "entry/navaid_screen.h"

#include "entry/field_checks.h"
#include "entry/hub_grids.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "store/schema/navaid_fields.h"

namespace survey {

namespace {
constexpr const char* kResolutionTip = "Resolution 0.01 foot";
constexpr int kBoxHeight = 315;
constexpr int kLabelDrop = 30;  // a label sits a little lower than the box beside it

// Left edges of the degrees, minutes and seconds columns.
constexpr int kDegLeft = 1440;
constexpr int kMinLeft = 2460;
constexpr int kSecLeft = 3480;
}  // namespace

std::string NavaidScreen::boxName(int field) {
  return "Text" + std::to_string(field) + "G";
}

NavaidScreen::NavaidScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(15600, 10620);
  addSurveyTabs(15360);

  auto& frame = add(kNavaidFrame, nullptr);
  frame.setCaption("NAVIGATION AIDS");
  frame.place(120, 480, 11400, 9720);
  buildTypeChoosers(frame);
  buildNavaidFields(frame);
  buildAnswer(frame);
  buildAssociatedPoint(frame);
  addLabel("LabelNAVD88", &frame,
           "Orthometric heights (MSL elevations) shall be referenced to NAVD88.", 240, 9060, 6600);
  addLabel("LabelNAD83", &frame, "Positions and ellipsoidal heights shall be referenced to NAD83.",
           240, 9360, 6600);
  auto& cancel = add(kCancelButton, &frame);
  cancel.setCaption("Cancel");
  cancel.place(8520, 9120, 1200, 420);
  cancel.onClick = [this] { this->cancel(); };
  auto& save = add(kSaveButton, &frame);
  save.setCaption("Save");
  save.place(9960, 9120, 1200, 420);
  save.onClick = [this] { this->save(); };

  buildDistance();

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey");
  status.place(0, 10320, 15600, 300);

  add(kDistanceCover, nullptr)
      .place(11580, 480, 3960, 2160)
      .setSpokenName("Distance, once a navaid type is chosen");

  attachChecks();
  addStandardMenus(*this);
}

Label& NavaidScreen::addLabel(std::string_view name, Frame* frame, std::string caption, int left,
                              int top, int width, int height) {
  auto& label = add<Label>(std::string(name), frame);
  label.setCaption(std::move(caption));
  label.place(left, top, width, height);
  return label;
}

TextBox& NavaidScreen::addBox(int field, Frame* frame, std::string caption, int left, int top,
                              int width) {
  auto& box = add<TextBox>(boxName(field), frame);
  box.setCaption(std::move(caption));
  box.place(left, top, width, kBoxHeight);
  return box;
}

void NavaidScreen::buildTypeChoosers(Frame& frame) {
  // The visual list takes the room the shorter electronic names leave, so that its longest
  // names ("PVASI - Pulsating Visual Approach Slope Indicator") show whole.
  addLabel("LabelElectronic", &frame, " Electronic NAVAIDS", 240, 300, 3990);
  auto& electronic = add(kElectronicList, &frame);
  electronic.setCaption("Electronic NAVAIDS");
  electronic.place(240, 570, 3990, 1500);
  electronic.onChosen = [this] { electronicChosen(); };

  addLabel("LabelVisual", &frame, "Visual NAVAIDS", 4350, 300, 4890);
  auto& visual = add(kVisualList, &frame);
  visual.setCaption("Visual NAVAIDS");
  visual.place(4350, 570, 4890, 1500);
  visual.onChosen = [this] { visualChosen(); };

  addLabel("LabelStars", &frame, "STARS", 9360, 300, 1800);
  addBox(navaid::Type, &frame, "STARS", 9360, 570, 1800).onChange = [this] { starsChanged(); };
}

void NavaidScreen::buildNavaidFields(Frame& frame) {
  addLabel("LabelDate", &frame, "Survey Date  mm/dd/yyyy", 240, 2220 + kLabelDrop, 2700);
  addBox(navaid::SurveyDate, &frame, "Survey Date  mm/dd/yyyy", 3000, 2220, 1320);
  addLabel(kRunwayLabel.text, &frame, "Runway", 4560, 2220 + kLabelDrop, 780);
  addBox(navaid::Runway, &frame, "Runway", 5400, 2220, 1080);
  addLabel(kIdentifierLabel.text, &frame, "NAVAID or ILS/MLS Identifier", 6720, 2220 + kLabelDrop,
           3000);
  addBox(navaid::Identifier, &frame, "NAVAID or ILS/MLS Identifier", 9840, 2220, 1320);

  addLabel("LabelGeodetic", &frame, "Geodetic Coordinates at Center of NAVAID", 240, 2760, 4800)
      .setToolTip("Report Value to the nearest 0.0001 second");
  addLabel("LabelGeodeticHint", &frame, "(ddd mm ss.ssss)", 5160, 2760, 1560);
  addLabel("LabelDeg1", &frame, "Deg", kDegLeft, 3060, 900);
  addLabel("LabelMin1", &frame, "Min", kMinLeft, 3060, 900);
  addLabel("LabelSec1", &frame, "Sec", kSecLeft, 3060, 1320);
  const struct {
    const char* row;
    int top;
    CoordinateFields boxes;
    ControlName<Label> direction;
  } rows[] = {{"Latitude", 3330, navaid::kPosition.latitude, kLatitudeHemisphere},
              {"Longitude", 3720, navaid::kPosition.longitude, kLongitudeHemisphere}};
  for (const auto& row : rows) {
    addLabel(std::string("Label") + row.row, &frame, row.row, 240, row.top + kLabelDrop, 1080);
    const std::string prefix = std::string("Geodetic Coordinates at Center of NAVAID ") + row.row;
    addBox(row.boxes.degrees, &frame, prefix + " Deg", kDegLeft, row.top, 900);
    addBox(row.boxes.minutes, &frame, prefix + " Min", kMinLeft, row.top, 900);
    addBox(row.boxes.seconds, &frame, prefix + " Sec", kSecLeft, row.top, 1320);
    addLabel(row.direction.text, &frame, "", 4920, row.top + kLabelDrop, 360)
        .setToolTip(std::string(row.row) + " hemisphere");
  }

  addLabel("LabelOrtho1", &frame, "Orthometric", 5520, 4170, 1200);
  addLabel("LabelEllip1", &frame, "Ellipsoidal", 7200, 4170, 1200);
  addLabel(kElevationCaption.text, &frame, std::string(kBaseElevationCaption), 240,
           4440 + kLabelDrop, 5160)
      .setToolTip(kResolutionTip);
  addLabel("LabelElevationHint", &frame, "(00000.0)", 240, 4740, 1200);
  addBox(navaid::kElevation.orthometric, &frame, "", 5520, 4440, 1200);
  addLabel("LabelFt9", &frame, "Ft", 6780, 4440 + kLabelDrop, 300);
  addBox(navaid::kElevation.ellipsoidal, &frame, "", 7200, 4440, 1200);
  addLabel("LabelFt10", &frame, "Ft", 8460, 4440 + kLabelDrop, 300);
  setElevationCaption(kBaseElevationCaption);
}

void NavaidScreen::buildAnswer(Frame& frame) {
  addLabel(kAnswerQuestion.text, &frame,
           "Is there an Associated Perpendicular or Centerline Point?", 240, 5100, 5400)
      .setToolTip(kResolutionTip);
  auto& pp = addOption(kPerpendicularOption, &frame, "Yes, there is a Perpendicular Point");
  pp.place(240, 5400, 3600, 285);
  pp.onClick = [this] { showAssociatedPoint(true); };
  auto& clpt = addOption(kCenterlineOption, &frame, "Yes, there is a Centerline Point");
  clpt.place(3960, 5400, 3360, 285);
  clpt.onClick = [this] { showAssociatedPoint(true); };
  auto& no = addOption(kNoPointOption, &frame, "No");
  no.place(7440, 5400, 900, 285);
  no.onClick = [this] { showAssociatedPoint(false); };

  auto& offset = add(kOffsetFrame, &frame);
  offset.setCaption("Offset Direction");
  offset.place(240, 5820, 10920, 900);
  auto& text = addLabel("LabelOffset", &offset,
                        "Offset Direction L (LEFT) or R (RIGHT) is relative to an observer facing "
                        "forward in a landing aircraft.",
                        120, 270, 8400, 510);
  auto& sides = add(kSideList, &offset);
  sides.setCaption(text.caption());
  sides.place(8760, 270, 900, 510);
}

void NavaidScreen::buildAssociatedPoint(Frame& frame) {
  auto& point = add(kPointFrame, &frame);
  point.setCaption("Associated Perpendicular or Centerline Point");
  point.place(240, 6840, 10920, 2100);
  addLabel("LabelDeg2", &point, "Deg", kDegLeft, 270, 900);
  addLabel("LabelMin2", &point, "Min", kMinLeft, 270, 900);
  addLabel("LabelSec2", &point, "Sec", kSecLeft, 270, 1320);
  const struct {
    const char* row;
    const char* label;
    int top;
    CoordinateFields boxes;
  } rows[] = {{"Latitude", "LabelLatitude2", 540, navaid::kAssociatedPosition.latitude},
              {"Longitude", "LabelLongitude2", 930, navaid::kAssociatedPosition.longitude}};
  for (const auto& row : rows) {
    addLabel(row.label, &point, row.row, 240, row.top + kLabelDrop, 1080);
    const std::string prefix = std::string("Associated Point ") + row.row;
    addBox(row.boxes.degrees, &point, prefix + " Deg", kDegLeft, row.top, 900);
    addBox(row.boxes.minutes, &point, prefix + " Min", kMinLeft, row.top, 900);
    addBox(row.boxes.seconds, &point, prefix + " Sec", kSecLeft, row.top, 1320);
  }
  addLabel("LabelPointHint", &point, "(dd mm ss.ssss)", 4920, 540 + kLabelDrop, 1560);
  addLabel("LabelOrtho2", &point, "Orthometric", 1440, 1320, 1200);
  addLabel("LabelEllip2", &point, "Ellipsoidal", 3120, 1320, 1200);
  addLabel("LabelElevation2", &point, "Elevation", 240, 1590 + kLabelDrop, 1080)
      .setToolTip(kResolutionTip);
  addBox(navaid::kAssociatedElevation.orthometric, &point, "Associated Point Elevation Orthometric",
         1440, 1590, 1200);
  addLabel("LabelFt26", &point, "Ft", 2700, 1590 + kLabelDrop, 300);
  addBox(navaid::kAssociatedElevation.ellipsoidal, &point, "Associated Point Elevation Ellipsoidal",
         3120, 1590, 1200);
  addLabel("LabelFt27", &point, "Ft", 4380, 1590 + kLabelDrop, 300);
}

void NavaidScreen::buildDistance() {
  auto& caption = addLabel(kDistanceCaption.text, nullptr, "", 11640, 600, 3840, 510);
  caption.setToolTip(kResolutionTip);
  auto& box = add(kDistanceFrame, nullptr);
  box.setCaption("Distance");
  box.place(11640, 1200, 2400, 660);
  addBox(navaid::Distance, &box, "", 120, 270, 1500);
  addLabel("LabelFt14", &box, "Ft", 1740, 270 + kLabelDrop, 300);
  setDistanceCaption(kAlongCenterlineCaption);
  addLabel("LabelDistanceHint", nullptr, "(000000)", 11640, 1920, 1200);
  addLabel("LabelOffsetDistance", nullptr, "NAVAID Offset Distance", 11640, 2280, 3840)
      .setToolTip(
          "A negative distance indicates that the perpendicular point is on the runway side of "
          "the runway stop end.");
}

void NavaidScreen::attachChecks() {
  Dialogs& dialogs = program().dialogs;
  auto box = [this](int field) -> TextBox& { return get<TextBox>(boxName(field)); };
  for (const PositionFields& position : {navaid::kPosition, navaid::kAssociatedPosition}) {
    attachPositionChecks(dialogs, box, position, 7, 4);
  }
  for (const ElevationFields& elevation : {navaid::kElevation, navaid::kAssociatedElevation}) {
    attachNumberCheck(dialogs, box(elevation.orthometric), 7, 1);
    attachNumberCheck(dialogs, box(elevation.ellipsoidal), 7, 1);
  }
  attachNumberCheck(dialogs, box(navaid::Distance), 6, 0);
}

void NavaidScreen::fillNavaidLists() {
  auto& sides = get(kSideList);
  sides.clear();
  sides.add("L");
  sides.add("R");
  const struct {
    ControlName<ListBox> list;
    std::span<const NavaidType> types;
  } lists[] = {{kElectronicList, electronicNavaidTypes()}, {kVisualList, visualNavaidTypes()}};
  for (const auto& [name, types] : lists) {
    auto& list = get(name);
    list.clear();
    list.add("");
    for (const auto& type : types) list.add(std::string(type.item));
  }
}

void NavaidScreen::load() {
  fillNavaidLists();
  const CurrentSurvey& current = program().current();
  get(kLatitudeHemisphere).setCaption(current.latitudeHemisphere);
  get(kLongitudeHemisphere).setCaption(current.longitudeHemisphere);
  setBoldTextBoxes(*this);
  showSurveyInStatusBar(*this);
  fillHubNavaidGrid(program());
  get(Screen::kTabStrip).select(1);
}

void NavaidScreen::afterShow() {
  get<TextBox>(boxName(navaid::SurveyDate)).setText(program().current().surveyDate);
}

}  // namespace survey
