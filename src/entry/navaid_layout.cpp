#include <algorithm>

#include "entry/navaid_screen.h"
#include "entry/navaid_types.h"

namespace survey {

namespace {
using enum NavaidKind;

constexpr std::string_view kAlong = kAlongCenterlineCaption;
constexpr std::string_view kPpApproach = "Distance Between Navaid PP and the Runway Approach End";
constexpr std::string_view kClptApproach =
    "Distance Between Navaid CLPT and the Runway Approach End";
constexpr std::string_view kPpStop = "Distance Between Navaid PP and the Runway Stop End";
constexpr std::string_view kNavaidApproach = "Distance Between Navaid and the Runway Approach End";
constexpr std::string_view kKept = "";

constexpr std::string_view kAntennaCover = "Elevation of the Center of the Antenna Cover";
constexpr std::string_view kPhaseCenter = "Elevation of the Phase Center of Reference Point";
constexpr std::string_view kBase = "";

constexpr bool kHide = true;
constexpr bool kShow = false;

// clang-format off
constexpr NavaidType kElectronic[] = {
    {"ARSR - Air Route Surveillance Radar",    AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"ASR - Airport Surveillance Radar",       AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"ATCBI",                                  AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"BCM - Back Course Marker",               AreaNavaid,   kNavaidApproach, kShow, kShow, kBase},
    {"DME - Distance Measuring Equipment",     RunwayNavaid, kKept,           kShow, kShow, kAntennaCover},
    {"FM - Fan Marker",                        AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"GS - Glide Slope",                       RunwayNavaid, kPpApproach,     kShow, kShow, kBase},
    {"IM - Inner Marker",                      RunwayNavaid, kClptApproach,   kHide, kShow, kBase},
    {"LDA - Localizer Type Directional Aid",   RunwayNavaid, kPpStop,         kShow, kShow, kBase},
    {"LFR - Low Frequency Radio Range",        AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"LMM - Locator Middle Marker",            RunwayNavaid, kClptApproach,   kHide, kShow, kBase},
    {"LOC - Localizer",                        RunwayNavaid, kPpStop,         kShow, kShow, kBase},
    {"LOM - Locator Outer Marker",             RunwayNavaid, kClptApproach,   kHide, kShow, kBase},
    {"LRR - Long Range Radar",                 AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"MLSAZ - MLS Azimuth Guidance",           AreaNavaid,   kPpStop,         kShow, kShow, kPhaseCenter},
    {"MLSEL - MLS Elevation Guidance",         AreaNavaid,   kPpApproach,     kShow, kShow, kPhaseCenter},
    {"MLSDME - DME Associated with MLS",       AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"MM - Middle Marker",                     RunwayNavaid, kClptApproach,   kHide, kShow, kBase},
    {"NDB - Nondirectional Beacon",            AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"NDB/DME",                                AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"OTHER - Other NAVAID",                   AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"OM - Outer Marker",                      RunwayNavaid, kClptApproach,   kHide, kShow, kBase},
    {"PAR - Precision Approach Radar",         AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"SDF - Simplified Directional Facility",  AreaNavaid,   kPpStop,         kShow, kShow, kBase},
    {"TACAN - Tactical Air Navigation",        AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"TDR - GCA Touchdown Reflectors",         AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"VOR - VHF Omni Directional Range",       AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"VOR/DME",                                AreaNavaid,   kAlong,          kShow, kShow, kBase},
    {"VORTAC - VOR + TACAN",                   AreaNavaid,   kAlong,          kShow, kShow, kBase},
};

constexpr NavaidType kVisual[] = {
    {"ALS - Approach Lights",                              VisualAid,    kKept,       kShow, kShow, kBase},
    {"APBN - Airport Beacon",                              VisualAid,    kKept,       kShow, kShow, kBase},
    {"PAPI - Precision Approach Path Indicator",           RunwayNavaid, kPpApproach, kShow, kHide, kBase},
    {"PLASI",                                              VisualAid,    kKept,       kShow, kShow, kBase},
    {"PVASI - Pulsating Visual Approach Slope Indicator",  VisualAid,    kKept,       kShow, kShow, kBase},
    {"REIL - Runway End Identifier Lights",                VisualAid,    kKept,       kShow, kShow, kBase},
    {"TRCV - Tri-color Visual Approach Slope Indicator",   VisualAid,    kKept,       kShow, kShow, kBase},
    {"TVASI",                                              VisualAid,    kKept,       kShow, kShow, kBase},
    {"VASI - Visual Approach Slope Indicator",             RunwayNavaid, kPpApproach, kShow, kHide, kBase},
};
// clang-format on

}  // namespace

std::span<const NavaidType> electronicNavaidTypes() {
  return kElectronic;
}
std::span<const NavaidType> visualNavaidTypes() {
  return kVisual;
}

const NavaidType* findNavaidType(std::span<const NavaidType> types, std::string_view item) {
  const auto it = std::find_if(types.begin(), types.end(),
                               [item](const NavaidType& type) { return type.item == item; });
  return it == types.end() ? nullptr : &*it;
}

void NavaidScreen::applyNavaidLayout() {
  setElevationCaption(kBaseElevationCaption);
  const std::string electronic = get(kElectronicList).chosenText();
  if (const NavaidType* type = findNavaidType(electronicNavaidTypes(), electronic)) {
    applyType(*type);
  }
  const std::string visual = get(kVisualList).chosenText();
  if (const NavaidType* type = findNavaidType(visualNavaidTypes(), visual)) applyType(*type);
}

void NavaidScreen::applyType(const NavaidType& type) {
  if (!type.distanceCaption.empty()) setDistanceCaption(type.distanceCaption);
  applyKind(type.kind);
  if (type.hidesPerpendicular) get(kPerpendicularOption).setVisible(false);
  if (type.hidesCenterline) get(kCenterlineOption).setVisible(false);
  if (!type.elevationCaption.empty()) setElevationCaption(type.elevationCaption);
}

void NavaidScreen::applyKind(NavaidKind kind) {
  const bool runway = kind == RunwayNavaid || kind == VisualAid;
  const bool identifier = kind == RunwayNavaid || kind == AreaNavaid;
  get(kRunwayLabel).setVisible(runway);
  get<TextBox>(boxName(navaid::Runway)).setVisible(runway);
  get(kIdentifierLabel).setVisible(identifier);
  get<TextBox>(boxName(navaid::Identifier)).setVisible(identifier);
  get(kAnswerQuestion).setVisible(identifier);
  for (const auto option : {kPerpendicularOption, kCenterlineOption, kNoPointOption}) {
    get(option).setVisible(identifier);
  }
  if (kind != StarsEntry) {
    // Drops a typed type in favour of the chosen one, without running the
    // STARS handler, which would take the chosen type back.
    emptyingStars_ = true;
    get<TextBox>(boxName(navaid::Type)).setText("");
    emptyingStars_ = false;
  }
}

void NavaidScreen::electronicChosen() {
  auto& electronic = get(kElectronicList);
  if (!electronic.chosenText().empty()) get(kVisualList).choose(0);
  applyNavaidLayout();
  get(kNoPointOption).setValue(true);
  get(kDistanceCover).setVisible(false);
  get(kDistanceFrame).setVisible(true);
}

void NavaidScreen::visualChosen() {
  auto& visual = get(kVisualList);
  if (!visual.chosenText().empty()) get(kElectronicList).choose(0);
  applyNavaidLayout();
  get(kDistanceFrame).setVisible(false);
}

void NavaidScreen::starsChanged() {
  if (emptyingStars_) return;
  get(kVisualList).choose(0);
  get(kElectronicList).choose(0);
  applyKind(StarsEntry);
  get(kDistanceCover).setVisible(false);
}

void NavaidScreen::showAssociatedPoint(bool shown) {
  get(kOffsetFrame).setVisible(shown);
  get(kPointFrame).setVisible(shown);
}

void NavaidScreen::setDistanceCaption(std::string_view caption) {
  get(kDistanceCaption).setCaption(std::string(caption));
  get<TextBox>(boxName(navaid::Distance)).setCaption(std::string(caption));
}

void NavaidScreen::setElevationCaption(std::string_view caption) {
  get(kElevationCaption).setCaption(std::string(caption));
  get<TextBox>(boxName(navaid::kElevation.orthometric))
      .setCaption(std::string(caption) + " Orthometric");
  get<TextBox>(boxName(navaid::kElevation.ellipsoidal))
      .setCaption(std::string(caption) + " Ellipsoidal");
}

}  // namespace survey
