#include "entry/obstruction_screen.h"

#include "entry/field_checks.h"
#include "evaluation/obstruction_evaluation.h"
#include "shell/exit_help_print.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "store/number_text.h"
#include "store/text_trim.h"
#include "survey/geodesy.h"
#include "survey/obstruction_surfaces.h"

namespace survey {

namespace {

constexpr const char* kAppendixMissing = "This appendix is not available in this version.";

// Layout in twips. Labels stand in the left column, boxes in the columns to
// their right; a label sits a little lower than its box so their texts align.
constexpr int kScreenWidth = 11400;
constexpr int kFrameWidth = 11160;
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 2880;
constexpr int kHintLeft = 3060;
constexpr int kColumn1 = 3960;  // degrees, orthometric, horizontal
constexpr int kColumn2 = 4800;  // minutes
constexpr int kColumn3 = 5640;  // seconds, ellipsoidal, vertical
constexpr int kColumn4 = 6840;  // hemisphere letter
constexpr int kBoxHeight = 300;
constexpr int kLabelHeight = 255;
constexpr int kLabelDrop = 30;

constexpr int kSurfaceFrameTop = 480;
constexpr int kSurfaceFrameHeight = 2160;
constexpr int kDataFrameTop = 2700;
constexpr int kDataFrameHeight = 5880;
constexpr int kNotesTop = kDataFrameTop + kDataFrameHeight + 60;
constexpr int kEvaluationTop = kNotesTop + 660;
constexpr int kStatusTop = kEvaluationTop + 360;
constexpr int kStatusHeight = 330;

}  // namespace

std::string ObstructionScreen::boxName(int field) {
  return "Text" + std::to_string(field) + "O";
}

ObstructionScreen::ObstructionScreen(Program& program) : Screen(program, kName, kCaption) {
  setSizeTwips(kScreenWidth, kStatusTop + kStatusHeight);
  tabs_ = &addSurveyTabs(kFrameWidth);

  buildSurfaceFrame();
  buildDataFrame();

  addLabel(nullptr, "LabelNote1",
           "Orthometric heights (MSL elevations) shall be referenced to NAVD88.")
      .place(kLabelLeft, kNotesTop, 8000, kLabelHeight);
  addLabel(nullptr, "LabelNote2", "Positions and ellipsoidal heights shall be referenced to NAD83.")
      .place(kLabelLeft, kNotesTop + 300, 8000, kLabelHeight);
  evaluation_ = &add(kEvaluationLine, nullptr);
  evaluation_->place(kLabelLeft, kEvaluationTop, kFrameWidth, kLabelHeight);

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey");
  status.place(0, kStatusTop, kScreenWidth, kStatusHeight);

  buildMenus();
  attachChecks();
  attachEvaluation();
}

Label& ObstructionScreen::addLabel(Frame* frame, std::string name, std::string caption) {
  auto& label = add<Label>(std::move(name), frame);
  label.setCaption(std::move(caption));
  return label;
}

TextBox& ObstructionScreen::addBox(Frame& frame, int field, std::string caption, int left, int top,
                                   int width) {
  auto& box = add<TextBox>(boxName(field), &frame);
  box.setCaption(std::move(caption));
  box.place(left, top, width, kBoxHeight);
  return box;
}

void ObstructionScreen::buildSurfaceFrame() {
  auto& frame = add(kSurfaceFrame, nullptr);
  frame.setCaption("OBSTRUCTION DATA ");
  frame.place(120, kSurfaceFrameTop, kFrameWidth, kSurfaceFrameHeight);
  addLabel(&frame, "LabelSurface", "Obstruction Identification Surface")
      .place(kLabelLeft, 270, 4000, kLabelHeight);
  surfaces_ = &add(kSurfaceList, &frame);
  surfaces_->setCaption("Obstruction Identification Surface");
  surfaces_->place(kLabelLeft, 540, kFrameWidth - 240, 1500);
  surfaces_->setHeightTwips(1500);
  surfaces_->onChosen = [this] { surfaceChosen(); };
}

void ObstructionScreen::buildDataFrame() {
  dataFrame_ = &add(kDataFrame, nullptr);
  dataFrame_->setSpokenName("Obstruction position, elevations and accuracy");
  dataFrame_->place(120, kDataFrameTop, kFrameWidth, kDataFrameHeight);
  Frame& data = *dataFrame_;

  const struct {
    std::string_view label;
    const char* caption;
    int field;
    int top;
    int width;
  } rows[] = {
      {kSurveyDateLabel.text, "Survey Date  mm/dd/yyyy", obstruction::SurveyDate, 300, 1320},
      {"LabelRwyId", "Rwy ID", obstruction::RwyId, 720, 1320},
      {"LabelObject", "Object", obstruction::Object, 1140, 3240}};
  for (const auto& row : rows) {
    addLabel(&data, std::string(row.label), row.caption)
        .place(kLabelLeft, row.top + kLabelDrop, kLabelWidth, kLabelHeight);
    addBox(data, row.field, row.caption, kColumn1, row.top, row.width);
  }
  get(kSurveyDateLabel).setToolTip("Also referred to as Verification Date in UDDF documentation");

  buildPositionRows(data);
  buildHeightRows(data);
  buildAccuracyRows(data);

  cancel_ = &add(kCancelButton, &data);
  cancel_->setCaption("Cancel");
  cancel_->place(8400, 5160, 1200, 420);
  cancel_->onClick = [this] { cancel(); };
  submit_ = &add(kSaveButton, &data);
  submit_->setCaption("Save");
  submit_->place(9720, 5160, 1200, 420);
  submit_->onClick = [this] { save(); };
}

void ObstructionScreen::buildPositionRows(Frame& data) {
  constexpr int kHeadsTop = 1590;
  addLabel(&data, std::string(kGeodeticLabel.text), "Geodetic Coordinates")
      .setToolTip("Report accuracy to the 0.0001 seconds.");
  get(kGeodeticLabel).place(kLabelLeft, kHeadsTop, 2160, kLabelHeight);
  addLabel(&data, "LabelGeodeticHint", "(ddd mm ss.ss)").place(2280, kHeadsTop, 1620, kLabelHeight);
  addLabel(&data, "LabelDeg", "Deg").place(kColumn1, kHeadsTop, 720, kLabelHeight);
  addLabel(&data, "LabelMin", "Min").place(kColumn2, kHeadsTop, 720, kLabelHeight);
  addLabel(&data, "LabelSec", "Sec").place(kColumn3, kHeadsTop, 1080, kLabelHeight);

  const struct {
    const char* label;
    const char* caption;
    CoordinateFields boxes;
    ControlName<Label> direction;
    int top;
  } rows[] = {
      {"LabelLatitude", "Latitude", obstruction::kPosition.latitude, kLatitudeHemisphere, 1920},
      {"LabelLongitude", "Longitude", obstruction::kPosition.longitude, kLongitudeHemisphere,
       2340}};
  for (const auto& row : rows) {
    const std::string caption = row.caption;
    addLabel(&data, row.label, caption)
        .place(kLabelLeft, row.top + kLabelDrop, kLabelWidth, kLabelHeight);
    addBox(data, row.boxes.degrees, caption + " Deg", kColumn1, row.top, 720);
    addBox(data, row.boxes.minutes, caption + " Min", kColumn2, row.top, 720);
    addBox(data, row.boxes.seconds, caption + " Sec", kColumn3, row.top, 1080);
    addLabel(&data, std::string(row.direction.text), "")
        .place(kColumn4, row.top + kLabelDrop, 360, kLabelHeight);
  }
}

void ObstructionScreen::buildHeightRows(Frame& data) {
  constexpr int kHeadsTop = 2820;
  constexpr int kTopRow = 3120;
  constexpr int kAglRow = 3540;
  constexpr int kFtOffset = 1140;
  addLabel(&data, "LabelOrthometric", "Orthometric").place(kColumn1, kHeadsTop, 1320, kLabelHeight);
  addLabel(&data, "LabelEllipsoidal", "Ellipsoidal").place(kColumn3, kHeadsTop, 1320, kLabelHeight);

  addLabel(&data, "LabelTopElevation", "Top Elevation of Object")
      .place(kLabelLeft, kTopRow + kLabelDrop, kLabelWidth, kLabelHeight);
  addLabel(&data, "LabelTopElevationHint", "(00000)")
      .place(kHintLeft, kTopRow + kLabelDrop, 780, kLabelHeight);
  addBox(data, obstruction::kTopElevation.orthometric, "Top Elevation of Object Orthometric",
         kColumn1, kTopRow, 1080);
  addLabel(&data, "LabelFt1", "Ft")
      .place(kColumn1 + kFtOffset, kTopRow + kLabelDrop, 360, kLabelHeight);
  addBox(data, obstruction::kTopElevation.ellipsoidal, "Top Elevation of Object Ellipsoidal",
         kColumn3, kTopRow, 1080);
  addLabel(&data, "LabelFt2", "Ft")
      .place(kColumn3 + kFtOffset, kTopRow + kLabelDrop, 360, kLabelHeight);

  constexpr const char* kResolution = "Resolution 1 foot";
  addLabel(&data, std::string(kAglLabel.text), "Above Ground Elevation (AGL)")
      .setToolTip(kResolution);
  get(kAglLabel).place(kLabelLeft, kAglRow + kLabelDrop, kLabelWidth, kLabelHeight);
  addLabel(&data, "LabelAglHint", "(00000)")
      .place(kHintLeft, kAglRow + kLabelDrop, 780, kLabelHeight);
  addBox(data, obstruction::AboveGroundElevation, "Above Ground Elevation (AGL)", kColumn1, kAglRow,
         1080);
  addLabel(&data, "LabelFt3", "Ft")
      .place(kColumn1 + kFtOffset, kAglRow + kLabelDrop, 360, kLabelHeight);
  addLabel(&data, std::string(kAglNote.text), "(Difference between base and top elevation)")
      .setToolTip(kResolution);
  get(kAglNote).place(kColumn3, kAglRow + kLabelDrop, 4200, kLabelHeight);
}

void ObstructionScreen::buildAccuracyRows(Frame& data) {
  constexpr int kHeadsTop = 4020;
  constexpr int kListTop = 4320;
  constexpr int kListHeight = 1320;
  addLabel(&data, "LabelAccuracy", "Accuracy Code")
      .place(kLabelLeft, kListTop + kLabelDrop, kLabelWidth, kLabelHeight);
  addLabel(&data, "LabelHorizontal", "Horizontal").place(kColumn1, kHeadsTop, 1440, kLabelHeight);
  addLabel(&data, "LabelVertical", "Vertical").place(kColumn3, kHeadsTop, 2400, kLabelHeight);

  horizontal_ = &add(kHorizontalAccuracyList, &data);
  horizontal_->setCaption("Accuracy Code Horizontal");
  horizontal_->place(kColumn1, kListTop, 1440, kListHeight);
  horizontal_->setHeightTwips(kListHeight);
  vertical_ = &add(kVerticalAccuracyList, &data);
  vertical_->setCaption("Accuracy Code Vertical");
  vertical_->place(kColumn3, kListTop, 2400, kListHeight);
  vertical_->setHeightTwips(kListHeight);
}

void ObstructionScreen::buildMenus() {
  Program& program = this->program();
  Menu& file = addMenu("MenuFile", "File");
  file.items.push_back({"MenuPrint", "Print", [&program] { printCurrentScreen(program); }});
  file.items.push_back({"MenuExit", "Exit", [&program] { exitProgram(program); }});
  Menu& help = addMenu("MenuHelp", "Help");
  help.items.push_back({"OnLineHelp", "On-Line Help", [&program] { openHelp(program); }});
  for (const auto& [name, caption] :
       {std::pair{"MenuAppendix1", "Appendix 1: Types C and D Obstruction Evaluation"},
        std::pair{"MenuAppendix2", "Appendix 2: Type ANAPC Obstruction Evaluation"},
        std::pair{"MenuAppendix3", "Appendix 3: Type PIR Obstruction Evaluation"}}) {
    help.items.push_back({name, caption, [&program] { program.tell(kAppendixMissing); }});
  }
}

void ObstructionScreen::attachChecks() {
  Dialogs& dialogs = program().dialogs;
  auto box = [this](int field) -> TextBox& { return get<TextBox>(boxName(field)); };
  attachPositionChecks(dialogs, box, obstruction::kPosition, 5, 2);
  for (int field : {obstruction::kTopElevation.orthometric, obstruction::kTopElevation.ellipsoidal,
                    int{obstruction::AboveGroundElevation}}) {
    attachNumberCheck(dialogs, box(field), 5, 0);
  }
  // The date typed here is the one the next screens offer.
  auto& date = box(obstruction::SurveyDate);
  date.onChange = [this, &date] { this->program().current().surveyDate = date.text(); };
}

void ObstructionScreen::attachEvaluation() {
  const auto& position = obstruction::kPosition;
  for (int field :
       {position.latitude.degrees, position.latitude.minutes, position.latitude.seconds,
        position.longitude.degrees, position.longitude.minutes, position.longitude.seconds,
        int{obstruction::TopElevationOrthometric}, int{obstruction::RwyId}}) {
    auto& box = get<TextBox>(boxName(field));
    // After the box's check, which may have emptied it.
    box.onChange = [this, check = std::move(box.onChange)] {
      if (check) check();
      showEvaluation();
    };
  }
}

void ObstructionScreen::showEvaluation() {
  evaluation_->setCaption(evaluationLine());
}

const evaluation::AirportSurfaces& ObstructionScreen::airportSurfaces() {
  if (!airportSurfaces_) {
    const CurrentSurvey& current = program().current();
    const int edited = current.obstructionMode == RecordMode::Edit ? current.obstructionRow : 0;
    airportSurfaces_ =
        evaluation::AirportSurfaces::ofSurvey(program().store, current.surveyKey, edited);
  }
  return *airportSurfaces_;
}

// Empty until the position, the top elevation, the surface and (for a surface of a runway
// end) the runway end are typed.
std::string ObstructionScreen::evaluationLine() {
  const auto typed = [this](int field) { return trimSpaces(get<TextBox>(boxName(field)).text()); };
  if (!surfaces_->chosen()) return {};
  const std::string code = surfaceCodeOf(surfaces_->chosenText());
  const std::string_view runwayEnd = typed(obstruction::RwyId);
  if (runwayEnd.empty() && code != evaluation::kHorizontalConicalCode) return {};
  const auto dms = [&typed](const CoordinateFields& fields) {
    return DmsTexts{typed(fields.degrees), typed(fields.minutes), typed(fields.seconds)};
  };
  const DmsTexts latitude = dms(obstruction::kPosition.latitude);
  const DmsTexts longitude = dms(obstruction::kPosition.longitude);
  for (const DmsTexts& part : {latitude, longitude}) {
    if (part.degrees.empty() || part.minutes.empty() || part.seconds.empty()) return {};
  }
  const std::string_view top = typed(obstruction::TopElevationOrthometric);
  if (top.empty()) return {};
  const SurveyStore& store = program().store;
  const int surveyRow = store.findSurveyRow(program().current().surveyKey);
  if (surveyRow == 0) return {};

  const evaluation::ObstructionQuery query = evaluation::queryOf(
      placePosition(latitude, longitude, hemispheresOf(store.airports(), surveyRow)), top,
      runwayEnd, code);
  // Saved, this obstruction would be listed for its runway end too.
  return evaluation::verdictLine(airportSurfaces().withListed(runwayEnd, code).judge(query));
}

void ObstructionScreen::load() {
  const CurrentSurvey& current = program().current();
  get(kLatitudeHemisphere).setCaption(current.latitudeHemisphere);
  get(kLongitudeHemisphere).setCaption(current.longitudeHemisphere);
  for (const auto& item : verticalAccuracyItems()) vertical_->add(item);
  for (const auto& item : horizontalAccuracyItems()) horizontal_->add(item);
  for (auto& item : obstructionSurfacesFor(current.surveyType)) surfaces_->add(std::move(item));
  refreshObstructionGrid(program());
  tabs_->select(1);
  showSurveyInStatusBar(*this);
}

void ObstructionScreen::afterShow() {
  dataFrame_->setVisible(true);
}

void ObstructionScreen::surfaceChosen() {
  const CurrentSurvey& current = program().current();
  if (current.obstructionMode == RecordMode::Add)
    get<TextBox>(boxName(obstruction::SurveyDate)).setText(current.surveyDate);
  showEvaluation();
}

}  // namespace survey
