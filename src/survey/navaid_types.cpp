#include "survey/navaid_types.h"

#include <algorithm>

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

}  // namespace survey
