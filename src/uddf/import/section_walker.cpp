#include "uddf/import/section_walker.h"

#include <limits>

#include "uddf/import/uddf_text.h"

namespace survey::uddf {

RoutedLine SectionWalker::next(std::string_view line) {
  const std::string_view marker = trimSpaces(line);
  const bool at = marker == "@";
  const bool hash = marker == "#";
  RoutedLine routed{LineRoute::Marker, lineNumber_};

  if (lineNumber_ < 9) {
    section_ = Section::Airport;
    routed.route = LineRoute::AirportLine;
  } else if (lineNumber_ == 9) {
    section_ = Section::Runway;
    secondEnd_ = false;
    routed.route = LineRoute::AirportEnd;
  } else if (section_ == Section::Comments) {
    routed.route = LineRoute::Comments;
  } else if (section_ == Section::Obstruction) {
    if (at) {
      section_ = Section::Comments;
    } else {
      routed.route = LineRoute::Obstruction;
    }
  } else if (section_ == Section::NavaidOther) {
    if (at) {
      section_ = Section::Obstruction;
    } else {
      routed.route = LineRoute::Other;
    }
  } else if (section_ == Section::NavaidVisual) {
    if (hash) {
      section_ = Section::NavaidOther;
    } else {
      routed.route = LineRoute::Visual;
    }
  } else if (section_ == Section::NavaidElectronic) {
    if (hash) {
      section_ = Section::NavaidVisual;
    } else {
      routed.route = LineRoute::Electronic;
    }
  } else if (!at) {
    // The runway section. A "#" ends one runway end block; the next block's
    // lines are numbered from 10 again and belong to the other end.
    if (hash) {
      lineNumber_ = 9;
      secondEnd_ = !secondEnd_;
    } else {
      routed.route = secondEnd_ ? LineRoute::RunwaySecondEnd : LineRoute::RunwayFirstEnd;
    }
  }

  if (section_ == Section::Runway && at && lineNumber_ > 9) section_ = Section::NavaidElectronic;
  // The count only matters up to the runway section; it stops rather than wraps.
  if (lineNumber_ < std::numeric_limits<int>::max()) ++lineNumber_;
  return routed;
}

const char* sectionName(Section section) {
  switch (section) {
    case Section::None:
      return "start";
    case Section::Airport:
      return "airport";
    case Section::Runway:
      return "runway";
    case Section::NavaidElectronic:
      return "electronic navaid";
    case Section::NavaidVisual:
      return "visual navaid";
    case Section::NavaidOther:
      return "other navaid";
    case Section::Obstruction:
      return "obstruction";
    case Section::Comments:
      return "additional information";
  }
  return "";
}

}  // namespace survey::uddf
