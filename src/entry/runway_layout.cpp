// The runway screen's controls: end 1 ("Rwy ID") in the left column of boxes,
// end 2 ("Opp. Rwy") in the right one, row by row as the surveyor's form has them.
#include <string>

#include "entry/field_checks.h"
#include "entry/runway_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"

namespace survey {

namespace {

// Columns inside the frame, in twips.
constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 3600;
constexpr int kSubLeft = 3780;
constexpr int kSubWidth = 1740;
constexpr int kEnd1Left = 5580;
constexpr int kEnd2Left = 9960;
constexpr int kEndWidth = 4020;
constexpr int kFrameWidth = kEnd2Left + kEndWidth + 120;
constexpr int kScreenWidth = kFrameWidth + 240;

// Rows inside the frame (tops), numbered as on the form.
constexpr int kRowTop[] = {0,    300,  720,  1620, 2520, 2940, 3210, 3600,
                           4020, 4290, 4680, 5100, 5490, 5910, 6330, 6600};
constexpr int kButtonTop = 7080;
constexpr int kFrameHeight = 7620;

constexpr int kBoxHeight = 315;
constexpr int kLabelHeight = 255;
constexpr int kListHeight = 780;  // all three items in view
constexpr int kLabelDrop = 30;    // a label sits level with the text of its box

// Within an end column: degrees, minutes, seconds and the hemisphere letter;
// orthometric and ellipsoidal boxes with their "Ft".
constexpr int kDegOffset = 0, kMinOffset = 555, kSecOffset = 1110, kDirOffset = 2070;
constexpr int kDegWidth = 495, kSecWidth = 900, kDirWidth = 240;
constexpr int kOrthOffset = 0, kEllipOffset = 1380, kElevWidth = 900, kFtWidth = 300;
constexpr int kHeadWidth = 1320;

// One end's column: its fields, its name on the form and the controls that are its own.
struct EndColumn {
  const runway::EndFields& fields;
  const char* name;    // "Rwy ID" or "Opp. Rwy"
  const char* suffix;  // ends the names of the column's labels
  ControlName<ListBox> blastPadList;
  int runwayEndDir, thresholdDir;  // numbers of LabelLatDir/LabelLonDir
};
const EndColumn kColumns[] = {
    {runway::kRwyIdEnd, "Rwy ID", "1", RunwayScreen::kRwyIdBlastPadList, 1, 3},
    {runway::kOppositeEnd, "Opp. Rwy", "2", RunwayScreen::kOppositeBlastPadList, 2, 4},
};

const EndColumn& columnOf(runway::End end) {
  return kColumns[end == runway::End::RwyId ? 0 : 1];
}

}  // namespace

RunwayScreen::RunwayScreen(Program& program) : Screen(program, kName, kCaption) {
  buildControls();
  buildEndColumn(runway::End::RwyId, kEnd1Left);
  buildEndColumn(runway::End::Opposite, kEnd2Left);

  Frame* frame = &get(kRunwayFrame);
  const char* tip =
      "Only Add Additional Profile Points to one Runway End.  When creating the UDDF file, the "
      "program will calculate the distance from the opposite runway end.";
  // One button under each end: a screen reader names the end, and Alt+A / Alt+P press them.
  const struct {
    ControlName<CommandButton> name;
    int left;
    runway::End end;
    int mnemonic;
  } pointButtons[] = {{kRwyIdPointsButton, kEnd1Left, runway::End::RwyId, 0},
                      {kOppositePointsButton, kEnd2Left, runway::End::Opposite, 11}};
  for (const auto& button : pointButtons) {
    auto& points = add(button.name, frame);
    points.setCaption("Additional Profile Points");
    points.setSpokenName(std::string("Additional Profile Points (") + columnOf(button.end).name +
                         ")");
    points.setMnemonicIndex(button.mnemonic);
    points.setToolTip(tip);
    points.place(button.left, kButtonTop, 2400, 375);
    points.onClick = [this, end = button.end] { openProfilePoints(end); };
  }

  // Below the frame: the datum notes, the standards document and the commands.
  constexpr int kBelow = 480 + kFrameHeight;
  auto note = [this](ControlName<Label> name, const char* caption, int top) {
    auto& label = add(name, nullptr);
    label.setCaption(caption);
    label.place(120, top, 8000, kLabelHeight);
  };
  note(kNavd88Note, "Orthometric heights (MSL elevations) shall be referenced to NAVD88.",
       kBelow + 90);
  note(kNad83Note, "Positions and ellipsoidal heights shall be referenced to NAD83.", kBelow + 360);
  auto& picture = add(kStandardsPicture, nullptr);
  picture.setCaption("Standards Document");
  picture.setToolTip("Click for the runway standards document");
  picture.place(8280, kBelow + 60, 480, 480);
  picture.onClick = [this] { openStandardsDocument(); };

  const struct {
    ControlName<CommandButton> name;
    const char* caption;
    int left, width;
    void (RunwayScreen::*handler)();
  } commands[] = {{kCancelButton, "Cancel", kScreenWidth - 4560, 1200, &RunwayScreen::cancel},
                  {kSaveButton, "Save", kScreenWidth - 3240, 1200, &RunwayScreen::save},
                  {kSaveAndReturnButton, "Save and Return", kScreenWidth - 1920, 1800,
                   &RunwayScreen::saveAndReturn}};
  for (const auto& command : commands) {
    auto& button = add(command.name, nullptr);
    button.setCaption(command.caption);
    if (command.handler == &RunwayScreen::saveAndReturn) button.setMnemonicIndex(9);  // "&Return"
    button.place(command.left, kBelow + 90, command.width, 420);
    button.onClick = [this, handler = command.handler] { (this->*handler)(); };
  }

  auto& status = add(kStatusBar, nullptr);
  status.setCaption("Current survey");
  status.place(0, kBelow + 660, kScreenWidth, 315);
  setSizeTwips(kScreenWidth, kBelow + 975);

  addStandardMenus(*this);
  attachChecks();
}

void RunwayScreen::buildControls() {
  addSurveyTabs(kFrameWidth);

  auto& frame = add(kRunwayFrame, nullptr);
  frame.setCaption("RUNWAY DATA");
  frame.place(120, 480, kFrameWidth, kFrameHeight);

  auto label = [this, &frame](const char* name, const char* caption, int left, int top, int width,
                              const char* tip = "") -> Label& {
    auto& l = add<Label>(name, &frame);
    l.setCaption(caption);
    l.setToolTip(tip);
    l.place(left, top + kLabelDrop, width, kLabelHeight);
    return l;
  };
  auto box = [this, &frame](int field, const std::string& caption, int left, int top,
                            int width) -> TextBox& {
    auto& b = add<TextBox>(boxName(field), &frame);
    b.setCaption(caption);
    b.place(left, top, width, kBoxHeight);
    return b;
  };

  // Row 1: the survey date.
  label("LabelSurveyDate", "Survey Date mm/dd/yyyy", kLabelLeft, kRowTop[1], kLabelWidth,
        "Also referred to as Verification Date in UDDF documentation");
  box(runway::SurveyDate, "Survey Date mm/dd/yyyy", kEnd1Left, kRowTop[1], 1200);

  // Row 2: length, width and surface of the whole runway.
  const int r2 = kRowTop[2];
  label("LabelDimensions", "Runway Dimensions and Surface", kLabelLeft, r2, kLabelWidth);
  label("LabelLength", "Surveyed Length", kSubLeft, r2, kSubWidth);
  box(runway::SurveyedLength, "Surveyed Length Ft", kEnd1Left, r2, kElevWidth);
  label("LabelLengthFt", "Ft", kEnd1Left + 960, r2, kFtWidth);
  label("LabelWidth", "Width", kEnd1Left + 1320, r2, 660);
  box(runway::Width, "Width Ft", kEnd1Left + 2040, r2, 600);
  label("LabelWidthFt", "Ft", kEnd1Left + 2700, r2, kFtWidth);
  label("LabelSurface", "Surface ", kEnd1Left + 3060, r2, 840,
        "P=Paved Hard Surface, U=Unpaved surface  N=Nonspecifically prepaved hard surface");
  auto& surface = add(kSurfaceList, &frame);
  surface.setCaption("Surface ");
  surface.place(kEnd1Left + 3960, r2, kEnd2Left + kEndWidth - (kEnd1Left + 3960), kListHeight);
  surface.setHeightTwips(kListHeight);

  // Row 3: the designators head both columns.
  label("LabelDesignation", "Runway Designation", kLabelLeft, kRowTop[3], kLabelWidth,
        "Enter the Small Runway End Number in \"Rwy ID\", the Large Runway End Number in "
        "\"Opp. Rwy\"");
  // Row 4: the azimuths.
  label("LabelAzimuth", "Runway Geodetic Azimuth (dddmmss)", kLabelLeft, kRowTop[4], kLabelWidth,
        "Azimuth from South if horizontal. (DDD=degrees  MM=minutes SS=seconds)");
  label("LabelAzimuthHint", "(dddmmss)", kSubLeft, kRowTop[4], kSubWidth);

  // Rows 6 and 7: the runway end's position.
  label("LabelEndCoordinates", "Runway End Coordinates", kLabelLeft, kRowTop[6], kLabelWidth,
        "Report Value to the nearest 0.0001 second");
  label("LabelEndCoordinatesHint", "(ddd mm ss.ssss)", kLabelLeft, kRowTop[7], kLabelWidth);
  label("LabelEndLatitude", "Latitude", kSubLeft, kRowTop[6], kSubWidth, "Runway end latitude.");
  label("LabelEndLongitude", "Longitude", kSubLeft, kRowTop[7], kSubWidth, "Runway end longitude");

  // Rows 9 and 10: runway end and touchdown zone elevations.
  label("LabelEndElevation", "Runway End Elevation", kLabelLeft, kRowTop[9], kLabelWidth);
  label("LabelEndElevationHint", "(00000.0)", kSubLeft, kRowTop[9], kSubWidth);
  label("LabelTdzElevation", "Touchdown Zone Elevation", kLabelLeft, kRowTop[10], kLabelWidth);
  label("LabelTdzElevationHint", "(00000.0)", kSubLeft, kRowTop[10], kSubWidth);

  // Rows 11 to 15: the displaced threshold.
  label("LabelThresholdCoordinates", "Displaced Threshold Coordinates", kLabelLeft, kRowTop[11],
        kLabelWidth);
  label("LabelThresholdLatitude", "Latitude", kSubLeft, kRowTop[11], kSubWidth,
        "Displaced runway end latitude.");
  label("LabelThresholdLongitude", "Longitude", kSubLeft, kRowTop[12], kSubWidth,
        "Displaced runway end longitude.");
  label("LabelThresholdLength", "Displaced Threshold Length", kLabelLeft, kRowTop[13], kLabelWidth,
        "Displaced threshold length");
  label("LabelThresholdLengthHint", "(0000000)", kSubLeft, kRowTop[13], kSubWidth);
  label("LabelThresholdElevation", "Displaced Threshold Elevation", kLabelLeft, kRowTop[15],
        kLabelWidth);
  label("LabelThresholdElevationHint", "(00000.0)", kSubLeft, kRowTop[15], kSubWidth);
}

void RunwayScreen::buildEndColumn(runway::End end, int left) {
  const EndColumn& column = columnOf(end);
  const runway::EndFields& f = column.fields;
  Frame& frame = get(kRunwayFrame);
  const std::string suffix = column.suffix;
  const std::string ofEnd = std::string(" (") + column.name + ")";

  auto label = [this, &frame](const std::string& name, const std::string& caption, int x, int top,
                              int width, const char* tip = "") {
    auto& l = add<Label>(name, &frame);
    l.setCaption(caption);
    l.setToolTip(tip);
    l.place(x, top + kLabelDrop, width, kLabelHeight);
  };
  auto box = [this, &frame](int field, const std::string& caption, int x, int top, int width) {
    auto& b = add<TextBox>(boxName(field), &frame);
    b.setCaption(caption);
    b.place(x, top, width, kBoxHeight);
  };
  // Degrees, minutes, seconds and the hemisphere letter of one coordinate.
  auto dms = [&](const CoordinateFields& coordinate, const std::string& what, int top,
                 const std::string& dirName) {
    box(coordinate.degrees, what + " Deg" + ofEnd, left + kDegOffset, top, kDegWidth);
    box(coordinate.minutes, what + " Min" + ofEnd, left + kMinOffset, top, kDegWidth);
    box(coordinate.seconds, what + " Sec" + ofEnd, left + kSecOffset, top, kSecWidth);
    label(dirName, "", left + kDirOffset, top, kDirWidth);
  };
  // Orthometric and ellipsoidal elevation boxes, each followed by "Ft".
  auto elevations = [&](const ElevationFields& elevation, const std::string& what, int top,
                        const std::string& tag) {
    box(elevation.orthometric, what + " Orthometric Ft" + ofEnd, left + kOrthOffset, top,
        kElevWidth);
    label("LabelFt" + tag + "Orth" + suffix, "Ft", left + kOrthOffset + 960, top, kFtWidth);
    box(elevation.ellipsoidal, what + " Ellipsoidal Ft" + ofEnd, left + kEllipOffset, top,
        kElevWidth);
    label("LabelFt" + tag + "Ellip" + suffix, "Ft", left + kEllipOffset + 960, top, kFtWidth);
  };
  auto heads = [&](int top, const std::string& tag, bool elevation) {
    if (elevation) {
      label("LabelOrth" + tag + suffix, "Orthometric", left + kOrthOffset, top, kHeadWidth);
      label("LabelEllip" + tag + suffix, "Ellipsoidal", left + kEllipOffset, top, kHeadWidth);
      return;
    }
    label("LabelDeg" + suffix, "Deg", left + kDegOffset, top, kDegWidth);
    label("LabelMin" + suffix, "Min", left + kMinOffset, top, kDegWidth);
    label("LabelSec" + suffix, "Sec", left + kSecOffset, top, kSecWidth);
  };

  // Row 3: designator and blast pad.
  label(end == runway::End::RwyId ? "LabelRwyID" : "LabelOppRwy", column.name, left, kRowTop[3],
        900);
  box(f.designator, column.name, left + 960, kRowTop[3], 600);
  label("LabelBlastPad" + suffix, "Blast Pad", left + 1620, kRowTop[3], 1020,
        "Y = Blast Pad Exists    N = No Blast Pad Exists   X = Not Verified");
  auto& blastPad = add(column.blastPadList, &frame);
  blastPad.setCaption("Blast Pad" + ofEnd);
  blastPad.place(left + 2700, kRowTop[3], 1320, kListHeight);
  blastPad.setHeightTwips(kListHeight);

  // Wide enough for all seven digits of dddmmss.
  box(f.geodeticAzimuth, std::string("Runway Geodetic Azimuth (dddmmss)") + ofEnd, left, kRowTop[4],
      kElevWidth + 240);
  heads(kRowTop[5], "", false);
  const std::string endDir = std::to_string(column.runwayEndDir);
  const std::string thresholdDir = std::to_string(column.thresholdDir);
  dms(f.position.latitude, "Runway End Latitude", kRowTop[6], "LabelLatDir" + endDir);
  dms(f.position.longitude, "Runway End Longitude", kRowTop[7], "LabelLonDir" + endDir);
  heads(kRowTop[8], "End", true);
  elevations(f.endElevation, "Runway End Elevation", kRowTop[9], "End");
  elevations(f.touchdownElevation, "Touchdown Zone Elevation", kRowTop[10], "Tdz");
  dms(f.displacedThreshold.latitude, "Displaced Threshold Latitude", kRowTop[11],
      "LabelLatDir" + thresholdDir);
  dms(f.displacedThreshold.longitude, "Displaced Threshold Longitude", kRowTop[12],
      "LabelLonDir" + thresholdDir);
  box(f.displacedLength, "Displaced Threshold Length Ft" + ofEnd, left, kRowTop[13], kElevWidth);
  label("LabelFtLength" + suffix, "Ft", left + 960, kRowTop[13], kFtWidth);
  heads(kRowTop[14], "Threshold", true);
  elevations(f.displacedElevation, "Displaced Threshold Elevation", kRowTop[15], "Threshold");
}

void RunwayScreen::attachChecks() {
  Dialogs& dialogs = program().dialogs;
  auto text = [this](int field) -> TextBox& { return get<TextBox>(boxName(field)); };
  for (const runway::EndFields* f : {&runway::kRwyIdEnd, &runway::kOppositeEnd}) {
    for (const PositionFields& position : {f->position, f->displacedThreshold}) {
      attachDmsCheck(dialogs, text(position.latitude.degrees), DmsKind::DegLat);
      attachDmsCheck(dialogs, text(position.longitude.degrees), DmsKind::Deg);
      attachDmsCheck(dialogs, text(position.latitude.minutes), DmsKind::Min);
      attachDmsCheck(dialogs, text(position.longitude.minutes), DmsKind::Min);
      if (position.latitude.seconds != runway::OppositeLatitudeSeconds) {
        attachSecondsCheck(dialogs, text(position.latitude.seconds), 7, 4);
      }
      attachSecondsCheck(dialogs, text(position.longitude.seconds), 7, 4);
    }
    for (const ElevationFields& elevation :
         {f->endElevation, f->touchdownElevation, f->displacedElevation}) {
      attachNumberCheck(dialogs, text(elevation.orthometric), 7, 1);
      attachNumberCheck(dialogs, text(elevation.ellipsoidal), 7, 1);
    }
    attachNumberCheck(dialogs, text(f->geodeticAzimuth), 7, 0);
    attachNumberCheck(dialogs, text(f->displacedLength), 7, 0);
  }
  // The opposite end's latitude seconds check the number first, then the seconds.
  TextBox& seconds = text(runway::OppositeLatitudeSeconds);
  seconds.onChange = [&dialogs, &seconds] {
    checkNumber(dialogs, seconds, 7, 4);
    checkDms(dialogs, DmsKind::Sec, seconds);
  };
  attachNumberCheck(dialogs, text(runway::SurveyedLength), 5, 0);
  attachNumberCheck(dialogs, text(runway::Width), 3, 0);

  CurrentSurvey& current = program().current();
  TextBox& date = text(runway::SurveyDate);
  date.onChange = [&current, &date] { current.surveyDate = date.text(); };
  TextBox& designator = text(runway::RwyIdDesignator);
  designator.onChange = [&current, &designator] { current.runwayEnd = designator.text(); };
}

}  // namespace survey
