// The airport screen's controls, their captions, tips and places.
#include "entry/airport_lists.h"
#include "entry/airport_screen.h"
#include "entry/field_checks.h"
#include "entry/obstruction_list_import.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "store/schema/airport_fields.h"

namespace survey {

namespace {

// Places inside FrameGeneralAIRPORT, in twips.
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 2880;
constexpr int kBoxLeft = 3060;
constexpr int kRowHeight = 300;
constexpr int kLabelHeight = 255;
// The hub: each grid with its three buttons to its right.
constexpr int kHubGridWidth = 5280;
constexpr int kHubButtonLeft = 5520;
constexpr int kHubButtonWidth = 1200;

constexpr const char* kAccuracyHelp =
    "ACCURACIES ARE RELATIVE TO THE NATIONAL SPATIAL REFERENCE SYSTEM (NSRS) AND REPRESENT THE "
    "MINIMUM ACCURACY FOR THE DATUM TIE. BECAUSE OF VARIABLES IN THE SURVEY PROCESS, INDIVIDUAL "
    "TIES MAY BE SIGNIFICANTLY MORE ACCURATE THAN INDICATED. ACCURACIES EXPRESSED AS A RATIO "
    "(1:10,000 ETC.) ARE RELATIVE TO THE NSRS AS A PROPORTION OF THE DISTANCE FROM THE NSRS TIE "
    "STATION. FOR EXAMPLE, A 1:10,000 TIE IS ACCURATE TO ONE FOOT FOR EACH 10,000 FEET FROM THE "
    "NSRS TIE STATION. ";
constexpr const char* kElevationAccuracyHelp =
    "ACCURACIES ARE RELATIVE TO THE NATIONAL SPATIAL REFERENCE SYSTEM (NSRS) AND REPRESENT THE "
    "MINIMUM ACCURACY FOR THE DATUM TIE.  BECAUSE OF VARIABLES IN THE SURVEY PROCESS, INDIVIDUAL "
    "TIES MAY BE SIGNIFICANTLY MORE ACCURATE THAN INDICATED.";

}  // namespace

AirportScreen::AirportScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(16320, 10320);
  auto& tabs = addSurveyTabs(16080);
  tabs.onClick = [this] {
    if (!selectingTab_) handleTabClick(*this);
  };
  buildGeneralInformation();
  buildHub();
  buildSideFrames();
  addStandardMenus(*this);
  auto& file = menu("MenuFile").items;
  file.insert(file.begin(), {"MenuReviewSurvey", "Review Survey", [this] { reviewSurvey(); }});
}

void AirportScreen::buildGeneralInformation() {
  Dialogs& dialogs = program().dialogs;
  auto& general = add(kGeneralFrame, nullptr);
  general.setCaption("GENERAL INFORMATION  (Required Fields in Yellow) ");
  general.place(120, 540, 9060, 9660);

  auto label = [&](std::string_view name, const std::string& caption, int left, int top,
                   int width) -> Label& {
    auto& l = add<Label>(std::string(name), &general);
    l.setCaption(caption);
    l.place(left, top, width, kLabelHeight);
    return l;
  };
  auto box = [&](const std::string& name, const std::string& caption, int left, int top,
                 int width) -> TextBox& {
    auto& b = add<TextBox>(name, &general);
    b.setCaption(caption);
    b.place(left, top, width, kRowHeight);
    return b;
  };
  // A labelled row with one box: the label left of the box, both with the tip.
  auto field = [&](int number, const std::string& caption, const std::string& tip, int top,
                   int width) -> TextBox& {
    auto& l =
        label("LabelField" + std::to_string(number), caption, kLabelLeft, top + 30, kLabelWidth);
    l.setToolTip(tip);
    auto& b = box(boxName(number), caption, kBoxLeft, top, width);
    b.setToolTip(tip);
    return b;
  };

  field(airport::Name, "Airport Name", "Airport name current at date of survey.", 300, 5760);
  field(airport::SiteNumber, "ZAV Site Number (ex. 03407.A)", "Airport Site Number", 690, 1800);
  auto& identifier = field(airport::Identifier, "Airport Identifier",
                           "The source for this identifier is ZAV Order 7350.", 1080, 1200);
  identifier.setRequired(true);
  attachIcaoCheck(dialogs, identifier);
  auto& region = field(airport::Region, "ZAV Region",
                       "ZAV region (AEA, AGL, ANE, ANM, AWP, AAL, ACE, ASW, ASO)", 1470, 1200);
  region.setRequired(true);
  auto& date = field(airport::SurveyDate, "Survey Date  mm/dd/yyyy",
                     "Also referred to as Verification Date in UDDF documentation", 1860, 1500);
  date.onChange = [this, &date] { this->program().current().surveyDate = date.text(); };
  field(airport::City, "City", "Associated City", 2250, 2160);

  // The state list opens downwards into the room right of the rows above.
  const std::string stateTip = "State (or political sovereignty if not a state)";
  label(kStateLabel.text, "State", 5460, 720, 840).setToolTip(stateTip);
  auto& state = add(kStateList, &general);
  state.setCaption("State");
  state.setToolTip(stateTip);
  state.place(6360, 690, 2580, 1500);
  state.onChosen = [this] { chooseState(); };
  state.onScroll = [&state] { state.setHeightTwips(1500); };
  label(kStateHintLabel.text, "Click to expand", 6360, 2220, 2580);

  // Airport reference point: degrees, minutes, seconds in columns.
  label(kReferencePointLabel.text, "AIRPORT REFERENCE POINT", kLabelLeft, 2730, kLabelWidth);
  label(kDatumNoteLabel.text, "Positions and ellipsoidal heights shall be referenced to NAD83.",
        kBoxLeft, 2730, 5880);
  const int dmsLeft[] = {kBoxLeft, kBoxLeft + 660, kBoxLeft + 1320};
  const int dmsWidth[] = {600, 600, 900};
  const char* dmsHead[] = {"Deg", "Min", "Sec"};
  for (int i = 0; i < 3; ++i) {
    label(std::string("LabelArp") + dmsHead[i], dmsHead[i], dmsLeft[i], 3060, dmsWidth[i]);
  }
  struct HemisphereOption {
    ControlName<OptionButton> name;
    const char* letter;
  };
  struct DmsRow {
    const char* caption;
    const char* tip;
    const char* hint;
    CoordinateFields fields;
    DmsKind degrees;
    ControlName<Frame> hemisphereFrame;
    const char* hemisphereCaption;
    HemisphereOption options[2];
  };
  const DmsRow rows[] = {{"Existing Latitude  (dd mm ss.s)",
                          "Airport Reference Point (ARP) Latitude",
                          "(dd mm ss.s)",
                          airport::kReferencePoint.latitude,
                          DmsKind::DegLat,
                          kLatitudeFrame,
                          "Latitude",
                          {{kNorthOption, "N"}, {kSouthOption, "S"}}},
                         {"Existing Longitude  (dd mm ss.s)",
                          "Airport Reference Point Longitude",
                          "(ddd mm ss.s)",
                          airport::kReferencePoint.longitude,
                          DmsKind::Deg,
                          kLongitudeFrame,
                          "Longitude",
                          {{kWestOption, "W"}, {kEastOption, "E"}}}};
  int top = 3360;
  for (const auto& row : rows) {
    label("LabelField" + std::to_string(row.fields.degrees), row.caption, kLabelLeft, top + 30,
          kLabelWidth)
        .setToolTip(row.tip);
    const int dmsFields[] = {row.fields.degrees, row.fields.minutes, row.fields.seconds};
    for (int i = 0; i < 3; ++i) {
      auto& b = box(boxName(dmsFields[i]), std::string(row.caption) + " " + dmsHead[i], dmsLeft[i],
                    top, dmsWidth[i]);
      b.setToolTip(row.tip);
      if (i == 0) attachDmsCheck(dialogs, b, row.degrees);
      if (i == 1) attachDmsCheck(dialogs, b, DmsKind::Min);
      if (i == 2) attachSecondsCheck(dialogs, b, 4, 1);
    }
    // The hint reaches to the hemisphere frame, so that "(ddd mm ss.s)" shows on one line.
    label(std::string("LabelHint") + std::to_string(row.fields.degrees), row.hint, kBoxLeft + 2340,
          top + 30, 1320);
    auto& hemisphere = add(row.hemisphereFrame, &general);
    hemisphere.setCaption(row.hemisphereCaption);
    hemisphere.place(6720, top - 150, 1560, 540);
    for (int i = 0; i < 2; ++i) {
      const HemisphereOption& choice = row.options[i];
      auto& option = addOption(choice.name, &hemisphere, choice.letter);
      option.place(120 + i * 720, 210, 600, 270);
      const std::string letter = choice.letter;
      const bool latitude = row.fields.degrees == airport::ReferenceLatitudeDegrees;
      option.onClick = [this, letter, latitude] {
        auto& current = this->program().current();
        (latitude ? current.latitudeHemisphere : current.longitudeHemisphere) = letter;
      };
    }
    top += 540;
  }

  // Elevations: orthometric and ellipsoidal in two columns, feet after each.
  const int elevationLeft[] = {kBoxLeft, kBoxLeft + 1680};
  const char* elevationHead[] = {"Orthometric", "Ellipsoidal"};
  for (int i = 0; i < 2; ++i) {
    label(std::string("LabelElevation") + elevationHead[i], elevationHead[i], elevationLeft[i],
          4530, 1200);
  }
  struct ElevationRow {
    const char* caption;
    ElevationFields fields;
    const char* hint;
  };
  const ElevationRow elevations[] = {
      {"Airport Elevation  (xxxx.x)", airport::kElevation, "(00000.0)"},
      {"Control Tower Floor Elevation", airport::kTowerFloorElevation, nullptr}};
  top = 4830;
  for (const auto& row : elevations) {
    label("LabelField" + std::to_string(row.fields.orthometric), row.caption, kLabelLeft, top + 30,
          kLabelWidth);
    const int elevationFields[] = {row.fields.orthometric, row.fields.ellipsoidal};
    for (int i = 0; i < 2; ++i) {
      const std::string number = std::to_string(elevationFields[i]);
      auto& b = box(boxName(elevationFields[i]), std::string(row.caption) + " " + elevationHead[i],
                    elevationLeft[i], top, 1200);
      attachNumberCheck(dialogs, b, 7, 1);
      label("LabelFeet" + number, "Ft", elevationLeft[i] + 1260, top + 30, 360);
    }
    if (row.hint) label(kElevationHintLabel.text, row.hint, kBoxLeft + 3420, top + 30, 1200);
    top += 390;
  }
  field(airport::ElevationLocation, "Airport Elevation Location",
        "LOCATION OF AIRPORT ELEVATION IN FEET FROM THE INDICATED RUNWAY END.  FOR EXAMPLE, 30 + "
        "1500 = 1500 FEET FROM THE APPROACH END OF RUNWAY 30",
        5610, 2160);
  auto& declination = field(airport::MagneticDeclination, "Magnetic Declination  (xx.x)",
                            "EAST DECLINATION IS INDICATED BY \"-\"", 6000, 900);
  attachNumberCheck(dialogs, declination, 5, 1);
  label(kDeclinationHintLabel.text, "(00.0)", kBoxLeft + 960, 6030, 900);

  // Datum tie accuracies with their help pictures, and the vertical datum.
  struct ListPlace {
    ControlName<ListBox> list;
    const char* caption;
    ControlName<Picture> picture;
    const char* help;
    int left;
  };
  const ListPlace accuracies[] = {{kHorizontalAccuracyList, "Horizontal Datum Tie Accuracy",
                                   kHorizontalAccuracyHelp, kAccuracyHelp, kLabelLeft},
                                  {kEllipsoidalAccuracyList, "Ellipsoidal Elevation Tie Accuracy",
                                   kEllipsoidalAccuracyHelp, kElevationAccuracyHelp, 3060},
                                  {kOrthometricAccuracyList, "Orthometric Elevation Tie Accuracy",
                                   kOrthometricAccuracyHelp, kElevationAccuracyHelp, 6000}};
  for (const auto& place : accuracies) {
    // The captions take two lines at this width; the lists start below both.
    label(std::string("Label").append(place.list.text), place.caption, place.left, 6360, 2340);
    auto& list = add(place.list, &general);
    list.setCaption(place.caption);
    list.place(place.left, 6900, 2340, 1100);
    auto& picture = add(place.picture, &general);
    picture.setCaption("Help: " + std::string(place.caption));
    picture.setToolTip("Click for  Help");
    picture.place(place.left + 2400, 6900, 330, 330);
    const std::string help = place.help;
    picture.onClick = [this, help] { this->program().tell(help); };
  }
  label(std::string("Label").append(kVerticalDatumList.text), "Vertical Datum", kLabelLeft, 8190,
        kLabelWidth)
      .setToolTip("Orthometric heights will be reported in this datum.");
  auto& datum = add(kVerticalDatumList, &general);
  datum.setCaption("Vertical Datum");
  datum.setToolTip("Orthometric heights will be reported in this datum.");
  datum.place(kBoxLeft, 8160, 2340, 960);

  const struct {
    ControlName<CommandButton> name;
    const char* caption;
    void (AirportScreen::*handler)();
  } commands[] = {{kCancelButton, "Cancel", &AirportScreen::cancel},
                  {kSaveButton, "Save", &AirportScreen::save},
                  {kFinalizeButton, "Finalize Input", &AirportScreen::finalizeInput}};
  int left = 5460;
  for (const auto& command : commands) {
    auto& button = add(command.name, &general);
    button.setCaption(command.caption);
    const int width = command.handler == &AirportScreen::finalizeInput ? 1400 : 1000;
    button.place(left, 8700, width, 420);
    // Alt+F opens the File menu; "Finali&ze Input" keeps its letter to itself.
    if (command.handler == &AirportScreen::finalizeInput) button.setMnemonicIndex(6);
    button.onClick = [this, handler = command.handler] { (this->*handler)(); };
    left += width + 60;
  }
}

void AirportScreen::buildHub() {
  auto& hub = add(kHubFrame, nullptr);
  hub.setCaption("AIRPORT RUNWAYS / NAVAIDS / OBSTRUCTIONS");
  hub.place(9300, 540, 6900, 8220);
  const char* headings[] = {"Part B: Runways", "Part C: NAVAIDS", "Part D: Obstructions"};
  int top = 300;
  int index = 0;
  for (const auto& part : hubParts()) {
    auto& heading = add<Label>(std::string("LabelHub").append(part.grid.text), &hub);
    heading.setCaption(headings[index]);
    heading.place(120, top, kHubGridWidth, kLabelHeight);
    auto& grid = add(part.grid, &hub, 7);
    grid.setCaption(headings[index]);
    grid.setHiddenColumn(6);
    grid.setColumnWidthsTwips({4200, 900, 0, 0, 0, 0, 0});
    grid.place(120, top + 300, kHubGridWidth, 2100);
    const std::pair<ControlName<CommandButton>, void (AirportScreen::*)(const HubPart&)>
        commands[] = {{part.add, &AirportScreen::newRecord},
                      {part.edit, &AirportScreen::editRecord},
                      {part.remove, &AirportScreen::deleteRecord}};
    const char* captions[] = {"New", "Edit", "Delete"};
    // Nine buttons of three captions: each says its part to a screen reader, and each letter
    // pressed with Alt belongs to one button (the captions have too few letters for the last
    // two "Delete", which go without).
    const int mnemonics[3][3] = {{0, 1, 2}, {1, 2, 3}, {2, -1, -1}};
    int buttonTop = top + 300;
    for (int i = 0; i < 3; ++i) {
      auto& button = add(commands[i].first, &hub);
      button.setCaption(captions[i]);
      button.setSpokenName(std::string(captions[i]) + " " + part.noun);
      button.setMnemonicIndex(mnemonics[i][index]);
      button.place(kHubButtonLeft, buttonTop, kHubButtonWidth, 420);
      button.onClick = [this, &part, handler = commands[i].second] { (this->*handler)(part); };
      buttonTop += 480;
    }
    top += 2610;
    ++index;
  }
  // The obstruction list import is a developer's tool and never shown.
  auto& fromList = add(kFromListButton, &hub);
  fromList.setCaption("From List");
  fromList.place(kHubButtonLeft, 300 + 2 * 2610 + 300 + 3 * 480, kHubButtonWidth, 420);
  fromList.setVisible(false);
  fromList.onClick = [this] { importObstructionList(this->program()); };
}

void AirportScreen::buildSideFrames() {
  // Frames right of the field area that hold no fields; they are enabled and
  // disabled with the others. The two boxes in them are read by nothing, so
  // they stay hidden rather than take input that would be lost.
  const struct {
    ControlName<Frame> name;
    const char* caption;
    int top;
  } frames[] = {{kReferencePointFrame, "AIRPORT REFERENCE POINT", 8880},
                {kProjectFrame, "PROJECT INFORMATION", 9420},
                {kProjectCoverFrame, "PROJECT INFORMATION", 9420}};
  for (const auto& f : frames) {
    auto& frame = add(f.name, nullptr);
    frame.setCaption(f.caption);
    frame.place(f.name.text == kProjectCoverFrame.text ? 12780 : 9300, f.top, 3420, 480);
    frame.setVisible(false);
  }
  for (const auto name : {kProjectFirstBox, kProjectSecondBox}) {
    auto& unused = add(name, &get(kProjectFrame));
    unused.setCaption("Project Information");
    unused.place(120, 150, 1500, kRowHeight);
  }
  get(kProjectSecondBox).place(1740, 150, 1500, kRowHeight);
}

void AirportScreen::load() {
  for (const auto& [name, items] : airportListItems()) {
    auto& list = get(name);
    list.clear();
    for (const auto& item : items) list.add(item);
  }
  fillStateList(nullptr);
  refillHubGrids();
  setBoldTextBoxes(*this);
}

}  // namespace survey
