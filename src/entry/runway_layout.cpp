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

// The runway fields of one end, and its name on the form.
struct EndFields {
  const char* name;  // "Rwy ID" or "Opp. Rwy"
  int id, blastPad, azimuth;
  int lat, lon;          // first of degrees, minutes, seconds
  int endOrth, tdzOrth;  // ellipsoidal follows each
  int dtLat, dtLon, dtLength, dtOrth;
  int runwayEndDir, thresholdDir;  // numbers of LabelLatDir/LabelLonDir
};
constexpr EndFields kEnds[] = {
    {"Rwy ID", 2, 3, 4, 8, 11, 14, 16, 18, 21, 24, 25, 1, 3},
    {"Opp. Rwy", 27, 28, 29, 30, 33, 36, 38, 40, 43, 46, 47, 2, 4},
};

std::string boxName(int field) {
  return "Text" + std::to_string(field) + "R";
}

}  // namespace

RunwayScreen::RunwayScreen(Program& program) : Screen(program, kName, kCaption) {
  buildControls();
  buildEndColumn(1, kEnd1Left);
  buildEndColumn(2, kEnd2Left);

  Frame* frame = &get<Frame>("FrameRunway");
  const char* tip =
      "Only Add Additional Profile Points to one Runway End.  When creating the UDDF file, the "
      "program will calculate the distance from the opposite runway end.";
  // One button under each end: a screen reader names the end, and Alt+A / Alt+P press them.
  const struct {
    const char* name;
    int left;
    const EndFields& end;
    int mnemonic;
  } pointButtons[] = {{"Command1", kEnd1Left, kEnds[0], 0}, {"Command2", kEnd2Left, kEnds[1], 11}};
  for (const auto& button : pointButtons) {
    auto& points = add<CommandButton>(button.name, frame);
    points.setCaption("Additional Profile Points");
    points.setSpokenName(std::string("Additional Profile Points (") + button.end.name + ")");
    points.setMnemonicIndex(button.mnemonic);
    points.setToolTip(tip);
    points.place(button.left, kButtonTop, 2400, 375);
  }
  get<CommandButton>("Command1").onClick = [this] { openProfilePoints("Text2R", 2); };
  get<CommandButton>("Command2").onClick = [this] { openProfilePoints("Text27R", 27); };

  // Below the frame: the datum notes, the standards document and the commands.
  constexpr int kBelow = 480 + kFrameHeight;
  auto note = [this](const char* name, const char* caption, int top) {
    add<Label>(name, nullptr).setCaption(caption);
    get<Label>(name).place(120, top, 8000, kLabelHeight);
  };
  note("LabelNAVD88", "Orthometric heights (MSL elevations) shall be referenced to NAVD88.",
       kBelow + 90);
  note("LabelNAD83", "Positions and ellipsoidal heights shall be referenced to NAD83.",
       kBelow + 360);
  auto& picture = add<Picture>("Picture1", nullptr);
  picture.setCaption("Standards Document");
  picture.setToolTip("Click for the runway standards document");
  picture.place(8280, kBelow + 60, 480, 480);
  picture.onClick = [this] { openStandardsDocument(); };

  const struct {
    const char* name;
    const char* caption;
    int left, width;
    void (RunwayScreen::*handler)();
  } commands[] = {
      {"CommandCancelRunway", "Cancel", kScreenWidth - 4560, 1200, &RunwayScreen::cancel},
      {"CommandSubmitRunway", "Save", kScreenWidth - 3240, 1200, &RunwayScreen::save},
      {"Command3", "Save and Return", kScreenWidth - 1920, 1800, &RunwayScreen::saveAndReturn}};
  for (const auto& command : commands) {
    auto& button = add<CommandButton>(command.name, nullptr);
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

  auto& frame = add<Frame>("FrameRunway", nullptr);
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
  box(1, "Survey Date mm/dd/yyyy", kEnd1Left, kRowTop[1], 1200);

  // Row 2: length, width and surface of the whole runway.
  const int r2 = kRowTop[2];
  label("LabelDimensions", "Runway Dimensions and Surface", kLabelLeft, r2, kLabelWidth);
  label("LabelLength", "Surveyed Length", kSubLeft, r2, kSubWidth);
  box(5, "Surveyed Length Ft", kEnd1Left, r2, kElevWidth);
  label("LabelLengthFt", "Ft", kEnd1Left + 960, r2, kFtWidth);
  label("LabelWidth", "Width", kEnd1Left + 1320, r2, 660);
  box(6, "Width Ft", kEnd1Left + 2040, r2, 600);
  label("LabelWidthFt", "Ft", kEnd1Left + 2700, r2, kFtWidth);
  label("LabelSurface", "Surface ", kEnd1Left + 3060, r2, 840,
        "P=Paved Hard Surface, U=Unpaved surface  N=Nonspecifically prepaved hard surface");
  auto& surface = add<ListBox>("ListSurf", &frame);
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

void RunwayScreen::buildEndColumn(int end, int left) {
  const EndFields& f = kEnds[end - 1];
  Frame& frame = get<Frame>("FrameRunway");
  const std::string suffix = std::to_string(end);
  const std::string ofEnd = std::string(" (") + f.name + ")";

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
  auto dms = [&](int first, const std::string& what, int top, const std::string& dirName) {
    box(first, what + " Deg" + ofEnd, left + kDegOffset, top, kDegWidth);
    box(first + 1, what + " Min" + ofEnd, left + kMinOffset, top, kDegWidth);
    box(first + 2, what + " Sec" + ofEnd, left + kSecOffset, top, kSecWidth);
    label(dirName, "", left + kDirOffset, top, kDirWidth);
  };
  // Orthometric and ellipsoidal elevation boxes, each followed by "Ft".
  auto elevations = [&](int orth, const std::string& what, int top, const std::string& tag) {
    box(orth, what + " Orthometric Ft" + ofEnd, left + kOrthOffset, top, kElevWidth);
    label("LabelFt" + tag + "Orth" + suffix, "Ft", left + kOrthOffset + 960, top, kFtWidth);
    box(orth + 1, what + " Ellipsoidal Ft" + ofEnd, left + kEllipOffset, top, kElevWidth);
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
  label(end == 1 ? "LabelRwyID" : "LabelOppRwy", f.name, left, kRowTop[3], 900);
  box(f.id, f.name, left + 960, kRowTop[3], 600);
  label("LabelBlastPad" + suffix, "Blast Pad", left + 1620, kRowTop[3], 1020,
        "Y = Blast Pad Exists    N = No Blast Pad Exists   X = Not Verified");
  auto& blastPad = add<ListBox>("ListBP" + suffix, &frame);
  blastPad.setCaption("Blast Pad" + ofEnd);
  blastPad.place(left + 2700, kRowTop[3], 1320, kListHeight);
  blastPad.setHeightTwips(kListHeight);

  // Wide enough for all seven digits of dddmmss.
  box(f.azimuth, std::string("Runway Geodetic Azimuth (dddmmss)") + ofEnd, left, kRowTop[4],
      kElevWidth + 240);
  heads(kRowTop[5], "", false);
  dms(f.lat, "Runway End Latitude", kRowTop[6], "LabelLatDir" + std::to_string(f.runwayEndDir));
  dms(f.lon, "Runway End Longitude", kRowTop[7], "LabelLonDir" + std::to_string(f.runwayEndDir));
  heads(kRowTop[8], "End", true);
  elevations(f.endOrth, "Runway End Elevation", kRowTop[9], "End");
  elevations(f.tdzOrth, "Touchdown Zone Elevation", kRowTop[10], "Tdz");
  dms(f.dtLat, "Displaced Threshold Latitude", kRowTop[11],
      "LabelLatDir" + std::to_string(f.thresholdDir));
  dms(f.dtLon, "Displaced Threshold Longitude", kRowTop[12],
      "LabelLonDir" + std::to_string(f.thresholdDir));
  box(f.dtLength, "Displaced Threshold Length Ft" + ofEnd, left, kRowTop[13], kElevWidth);
  label("LabelFtLength" + suffix, "Ft", left + 960, kRowTop[13], kFtWidth);
  heads(kRowTop[14], "Threshold", true);
  elevations(f.dtOrth, "Displaced Threshold Elevation", kRowTop[15], "Threshold");
}

void RunwayScreen::attachChecks() {
  Dialogs& dialogs = program().dialogs;
  auto text = [this](int field) -> TextBox& { return get<TextBox>(boxName(field)); };
  for (int field : {8, 18, 30, 40}) attachDmsCheck(dialogs, text(field), DmsKind::DegLat);
  for (int field : {11, 21, 33, 43}) attachDmsCheck(dialogs, text(field), DmsKind::Deg);
  for (int field : {9, 12, 19, 22, 31, 34, 41, 44}) {
    attachDmsCheck(dialogs, text(field), DmsKind::Min);
  }
  for (int field : {10, 13, 20, 23, 35, 42, 45}) attachSecondsCheck(dialogs, text(field), 7, 4);
  // End 2's latitude seconds check the number first, then the seconds.
  TextBox& seconds32 = text(32);
  seconds32.onChange = [&dialogs, &seconds32] {
    checkNumber(dialogs, seconds32, 7, 4);
    checkDms(dialogs, DmsKind::Sec, seconds32);
  };
  for (int field : {14, 15, 16, 17, 25, 26, 36, 37, 38, 39, 47, 48}) {
    attachNumberCheck(dialogs, text(field), 7, 1);
  }
  for (int field : {4, 24, 29, 46}) attachNumberCheck(dialogs, text(field), 7, 0);
  attachNumberCheck(dialogs, text(5), 5, 0);
  attachNumberCheck(dialogs, text(6), 3, 0);

  CurrentSurvey& current = program().current();
  text(1).onChange = [&current, &box = text(1)] { current.surveyDate = box.text(); };
  text(2).onChange = [&current, &box = text(2)] { current.runwayEnd = box.text(); };
}

}  // namespace survey
