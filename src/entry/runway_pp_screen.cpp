#include "entry/runway_pp_screen.h"

#include "entry/field_checks.h"
#include "entry/runway_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "survey/profile_point_groups.h"

namespace survey {

namespace {

constexpr int kFrameWidth = 8640;
constexpr int kFrameHeight = 4740;
constexpr int kBelow = 480 + kFrameHeight;
constexpr int kLabelWidth = 3300;
constexpr int kBoxLeft = 3480;
constexpr int kEllipLeft = 5100;
constexpr int kLabelDrop = 30;

// The grid's columns, one per part of a point.
enum PointColumn : int { kEndColumn, kDistanceColumn, kOrthometricColumn, kEllipsoidalColumn };
constexpr const char* kGridHeads[] = {"Runway", "Distance", "Orth Elv", "Ellip Elv"};

}  // namespace

RunwayPPScreen::RunwayPPScreen(Program& program)
    : Screen(program, kName, kCaption),
      tabs_(add(kTabStrip, nullptr,
                std::vector<std::string>{"List of Surveys", "Current Airport", "Current Runway"})),
      frame_(add(kPointsFrame, nullptr)),
      grid_(add(kPointsGrid, &frame_, 4)) {
  setSizeTwips(120 + kFrameWidth + 120, kBelow + 1515);
  tabs_.setCaption("Screens");
  tabs_.place(120, 60, kFrameWidth, 375);
  tabs_.onClick = [this] { tabClicked(); };
  frame_.setCaption("RUNWAY DATA (Profile Points)");
  frame_.place(120, 480, kFrameWidth, kFrameHeight);

  auto label = [this](const char* name, const char* caption, int left, int top, int width) {
    add<Label>(name, &frame_).setCaption(caption);
    get<Label>(name).place(left, top + kLabelDrop, width, 255);
  };
  auto box = [this](ControlName<TextBox> name, const char* caption, int left, int top) -> TextBox& {
    auto& b = add(name, &frame_);
    b.setCaption(caption);
    b.place(left, top, 900, 315);
    return b;
  };

  label("LabelDistance", "Runway Profile Point Distance", 120, 360, kLabelWidth);
  label("LabelDistanceFrom", "from Runway Approach End", 120, 615, kLabelWidth);
  box(kDistanceBox, "Runway Profile Point Distance from Runway Approach End Ft", kBoxLeft, 420);
  label("LabelDistanceFt", "Ft", kBoxLeft + 960, 420, 300);

  label("LabelOrth", "Orthometric", kBoxLeft, 990, 1320);
  label("LabelEllip", "Ellipsoidal", kEllipLeft, 990, 1320);
  label("LabelElevation", "Runway Profile Point Elevation", 120, 1260, kLabelWidth);
  box(kOrthometricBox, "Runway Profile Point Elevation Orthometric Ft", kBoxLeft, 1260);
  label("LabelOrthFt", "Ft", kBoxLeft + 960, 1260, 300);
  box(kEllipsoidalBox, "Runway Profile Point Elevation Ellipsoidal Ft", kEllipLeft, 1260);
  label("LabelEllipFt", "Ft", kEllipLeft + 960, 1260, 300);

  auto& addButton = add(kAddButton, &frame_);
  addButton.setCaption("Add");
  addButton.place(6720, 1230, 1080, 375);
  addButton.onClick = [this] { addPoint(); };
  auto& deleteButton = add(kDeleteButton, &frame_);
  deleteButton.setCaption("Delete");
  deleteButton.place(7440, 1800, 1080, 375);
  deleteButton.onClick = [this] { deletePoint(); };

  grid_.setCaption("Additional Profile Points");
  grid_.place(120, 1800, 7200, 2760);
  grid_.setColumnWidthsTwips({1500, 1800, 1800, 1800});
  // The grid comes after the boxes in the keyboard's order.
  auto& navd88 = add(kNavd88Note, nullptr);
  navd88.setCaption("Orthometric heights (MSL elevations) shall be referenced to NAVD88.");
  navd88.place(120, kBelow + 60, 8400, 255);
  auto& nad83 = add(kNad83Note, nullptr);
  nad83.setCaption("Positions and ellipsoidal heights shall be referenced to NAD83.");
  nad83.place(120, kBelow + 330, 8400, 255);

  auto& backButton = add(kBackButton, nullptr);
  backButton.setCaption("Back");
  backButton.place(6120, kBelow + 660, 1200, 420);
  backButton.onClick = [this] { back(); };
  auto& saveButton = add(kSaveButton, nullptr);
  saveButton.setCaption("Save");
  saveButton.place(7560, kBelow + 660, 1200, 420);
  saveButton.onClick = [this] { addPoint(); };

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey and runway end");
  status.place(0, kBelow + 1200, widthTwips(), 315);

  Dialogs& dialogs = program.dialogs;
  attachNumberCheck(dialogs, get(kDistanceBox), 5, 0);
  attachNumberCheck(dialogs, get(kOrthometricBox), 7, 1);
  attachNumberCheck(dialogs, get(kEllipsoidalBox), 7, 1);
  addStandardMenus(*this);
}

void RunwayPPScreen::load() {
  tabs_.select(1);
  const CurrentSurvey& current = program().current();
  get(Screen::kStatusBar)
      .setPanelText(current.surveyKey + ": " + current.surveyName + "  (Rwy " + current.runwayEnd +
                    ")");
  Grid::Batch batch(grid_);
  grid_.setRows(1);
  for (int column = 0; column < 4; ++column) grid_.setCell(0, column, kGridHeads[column]);
}

int RunwayPPScreen::runwayRowOfEnd() const {
  const Table& runways = program().store.runways();
  const CurrentSurvey& current = program().current();
  int found = 0;
  for (int row = 1; row <= runways.count(); ++row) {
    if (runways.cell(row, runway::kLinkField) != current.surveyKey) continue;
    if (runways.cell(row, runway::RwyIdDesignator) == current.runwayEnd ||
        runways.cell(row, runway::OppositeDesignator) == current.runwayEnd) {
      found = row;
    }
  }
  return found;
}

void RunwayPPScreen::refreshGrid() {
  const Table& runways = program().store.runways();
  CurrentSurvey& current = program().current();
  // The runway whose "Rwy ID" is this end; for an "Opp. Rwy" end the runway
  // open on the runway screen stays current.
  for (int row = 1; row <= runways.count(); ++row) {
    if (runways.cell(row, runway::RwyIdDesignator) == current.runwayEnd &&
        runways.cell(row, runway::kLinkField) == current.surveyKey) {
      current.runwayRow = static_cast<int16_t>(row);
    }
  }
  const auto points = profilePointsOfEnd(runways, current.runwayRow, current.runwayEnd);
  Grid::Batch batch(grid_);
  grid_.setRows(static_cast<int>(points.size()) + 1);
  for (int column = 0; column < 4; ++column) grid_.setCell(0, column, kGridHeads[column]);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    grid_.setCell(row, kEndColumn, points[i].end);
    grid_.setCell(row, kDistanceColumn, points[i].distance);
    grid_.setCell(row, kOrthometricColumn, points[i].orthometric);
    grid_.setCell(row, kEllipsoidalColumn, points[i].ellipsoidal);
  }
}

void RunwayPPScreen::addPoint() {
  storePoint();
  refreshGrid();
  for (const auto name : {kDistanceBox, kOrthometricBox, kEllipsoidalBox}) get(name).setText("");
  // The next point starts at its distance, wherever the cursor was when Add was pressed.
  focus(kDistanceBox.text);
}

void RunwayPPScreen::storePoint() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return;
  const std::string& end = program.current().runwayEnd;
  const ProfilePoint point{end, get(kDistanceBox).text(), get(kOrthometricBox).text(),
                           get(kEllipsoidalBox).text()};
  if (point.distance == "0") {
    program.tell(
        "For Zero Distance, Information is collected from the Runway End Section of Part B: "
        "Runway Information");
    return;
  }
  const int row = runwayRowOfEnd();
  if (row == 0) {
    program.tell("Runway end " + end +
                 " is not in the runway table of this survey. Save the runway first; the point "
                 "was not stored.");
    return;
  }
  Table& runways = program.store.runways();
  if (runways.cell(row, runway::SurveyedLength) == point.distance) {
    program.tell(
        "The value you entered coincides with the runway length. As such, this information will "
        "be collected from the Runway End Section of Part B: Runway Information (opposite "
        "runway)");
    return;
  }
  if (storeProfilePoint(runways, row, point)) {
    program.store.noteRowChanged(TableKind::Runway, row);
  } else {
    program.tell("Runway " + runways.cell(row, runway::RwyIdDesignator) + " / " +
                 runways.cell(row, runway::OppositeDesignator) + " already holds " +
                 std::to_string(runway::kProfileGroups) +
                 " additional profile points, the most a runway can hold. Delete a point before "
                 "adding another; the point was not stored.");
  }
}

void RunwayPPScreen::deletePoint() {
  if (program().refuseWhenReadOnly()) return;
  const int selected = grid_.selectedRow();
  if (selected < 1) return;  // the header row is no point
  const ProfilePoint point{grid_.cell(selected, kEndColumn), grid_.cell(selected, kDistanceColumn),
                           grid_.cell(selected, kOrthometricColumn),
                           grid_.cell(selected, kEllipsoidalColumn)};
  // The point is taken from the runway the grid lists.
  Program& program = this->program();
  if (deleteProfilePoint(program.store.runways(), program.current().runwayRow, point)) {
    program.store.noteRowChanged(TableKind::Runway, program.current().runwayRow);
    refreshGrid();
  }
}

void RunwayPPScreen::back() {
  Program& program = this->program();
  showScreen(program, screen::kRunway);
  // This screen is discarded now: only the runway screen is touched.
  if (auto* runway = dynamic_cast<RunwayScreen*>(program.screens.existing(screen::kRunway))) {
    runway->loadRecord();
  }
}

void RunwayPPScreen::tabClicked() {
  if (!program().screens.isShown(*this)) return;
  const std::string caption = tabs_.selectedCaption();
  if (caption == "Current Runway") {
    back();
  } else if (caption == "List of Surveys") {
    showScreen(program(), screen::kMain);
  }
}

}  // namespace survey
