// The navaid types a survey may record: their list texts, their kind and the captions
// the navaid screen shows for each.
#pragma once

#include <span>
#include <string_view>

namespace survey {

// Which of the runway, identifier and answer groups a type shows.
enum class NavaidKind {
  RunwayNavaid,  // runway, identifier and answer shown
  AreaNavaid,    // identifier and answer shown, runway hidden
  VisualAid,     // runway shown, identifier and answer hidden
  StarsEntry,    // all three hidden; a typed type keeps its text
};

struct NavaidType {
  std::string_view item;  // the list item, stored as the type
  NavaidKind kind;
  std::string_view distanceCaption;   // empty: the distance caption stays as it is
  bool hidesPerpendicular;            // "Yes, there is a Perpendicular Point" hidden
  bool hidesCenterline;               // "Yes, there is a Centerline Point" hidden
  std::string_view elevationCaption;  // empty: the base elevation caption
};

inline constexpr std::string_view kBaseElevationCaption = "Base Elevation of the NAVAID";
inline constexpr std::string_view kAlongCenterlineCaption = "NAVAID Along Centerline Distance";

// In list order, without the empty first item the lists also offer.
std::span<const NavaidType> electronicNavaidTypes();
std::span<const NavaidType> visualNavaidTypes();
// The type whose item text is exactly the given text, or none.
const NavaidType* findNavaidType(std::span<const NavaidType> types, std::string_view item);

}  // namespace survey
