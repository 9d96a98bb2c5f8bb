#include "uddf/import/record_parsers.h"

#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "uddf/import/uddf_conversions.h"

namespace survey::uddf {

namespace {

// A first end's profile lines fill at most 27 groups: the import leaves the last group
// of the row free.
constexpr int kLastImportedProfileGroup = runway::kLastProfileGroup - runway::kProfileGroupSize;

ImportedRow emptyRow(TableKind kind) {
  return ImportedRow(static_cast<std::size_t>(shapeOf(kind).storageFields) + 1);
}

std::string text(std::string_view item) {
  return std::string(trimSpaces(item));
}

// Writes a coordinate into its degrees, minutes and seconds; an empty item leaves them.
void setCoordinate(ImportedRow& row, const CoordinateFields& fields, std::string_view item,
                   CoordinateAxis kind) {
  auto dms = convertCoordinate(item, kind);
  if (!dms) return;
  row[fields.degrees] = std::move(dms->degrees);
  row[fields.minutes] = std::move(dms->minutes);
  row[fields.seconds] = std::move(dms->seconds);
}

void setLatitude(ImportedRow& row, const PositionFields& fields, std::string_view item) {
  setCoordinate(row, fields.latitude, item, CoordinateAxis::Latitude);
}

void setLongitude(ImportedRow& row, const PositionFields& fields, std::string_view item) {
  setCoordinate(row, fields.longitude, item, CoordinateAxis::Longitude);
}

void setElevations(ImportedRow& row, const ElevationFields& fields, std::string_view orthometric,
                   std::string_view ellipsoidal) {
  row[fields.orthometric] = text(orthometric);
  row[fields.ellipsoidal] = text(ellipsoidal);
}

// "Every double space reduced to one" applied n times.
std::string collapseSpaces(std::string value, int passes) {
  for (int i = 0; i < passes; ++i) value = replaceAll(value, "  ", " ");
  return value;
}

std::vector<std::string_view> splitAtSpaces(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const auto blank = text.find(' ', start);
    if (blank == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
}

// The type code and the runway-and-identifier name of a navaid or point line.
struct CodeAndName {
  std::string code;
  std::string name;
};

CodeAndName splitTypeAndName(std::string_view item) {
  const std::string reduced = collapseSpaces(std::string(item), 2);
  const auto parts = splitAtSpaces(reduced);
  std::string_view code = parts[0];
  std::string_view name = parts.size() > 1 ? parts[1] : std::string_view{};
  // A seven-character type (VORTAC, MLSDME, NDB/DME, VOR/DME) runs into the
  // parenthesis of the name, which the export writes over its last character:
  // the code then ends where the parenthesis starts.
  if (const auto paren = code.find('('); paren != std::string_view::npos && paren > 0) {
    name = code.substr(paren);
    code = code.substr(0, paren);
  }
  return {std::string(code), removeAll(removeAll(name, "("), ")")};
}

// The list item for a type code, also when the export cut the code's last
// character (NDB/DM for NDB/DME).
std::optional<std::string> listedType(NavaidList list, std::string_view code) {
  const auto items = list == NavaidList::Electronic ? electronicNavaidTypes() : visualNavaidTypes();
  if (auto found = navaidTypeForCode(items, code)) return found;
  if (characterCount(code) != 6) return std::nullopt;
  std::optional<std::string> cut;
  int matches = 0;
  for (std::string_view item : items) {
    const std::string_view itemCode = navaidTypeCode(item);
    if (characterCount(itemCode) == 7 && itemCode.starts_with(code)) {
      cut = std::string(item);
      ++matches;
    }
  }
  return matches == 1 ? cut : std::nullopt;
}

}  // namespace

ImportedSurvey::ImportedSurvey() : airport(emptyRow(TableKind::Airport)) {}

ImportedRow* RecordParsers::appendRow(TableKind kind) {
  if (overflow_) return nullptr;
  std::vector<ImportedRow>* rows = nullptr;
  int room = 0;
  switch (kind) {
    case TableKind::Runway:
      rows = &survey_.runways;
      room = room_.runways;
      break;
    case TableKind::Navaid:
      rows = &survey_.navaids;
      room = room_.navaids;
      break;
    case TableKind::Obstruction:
      rows = &survey_.obstructions;
      room = room_.obstructions;
      break;
    case TableKind::Airport:
      return nullptr;
  }
  if (static_cast<int>(rows->size()) >= room) {
    overflow_ = kind;
    return nullptr;
  }
  rows->push_back(emptyRow(kind));
  return &rows->back();
}

void RecordParsers::airportLine(int lineNumber, const LineItems& items) {
  ImportedRow& row = survey_.airport;
  switch (lineNumber) {
    case 1:
      row[airport::Identifier] = text(items.raw(1));
      row[airport::SiteNumber] = text(items.raw(2));
      row[airport::Region] = text(items.raw(3));
      break;
    case 2:
      row[airport::Name] = text(items.raw(1));
      row[airport::SurveyDate] = uddfDateOrEmpty(items.raw(2));
      break;
    case 3:
      row[airport::City] = text(items.raw(1));
      row[airport::State] = text(items.raw(2));
      break;
    case 4:
      row[airport::HorizontalDatumTieAccuracy] = text(items.raw(2));
      row[airport::EllipsoidalElevationTieAccuracy] = text(items.raw(3));
      row[airport::VerticalDatum] = text(items.raw(4));
      row[airport::OrthometricElevationTieAccuracy] = text(items.raw(5));
      break;
    case 5:
      row[airport::MagneticDeclination] = text(items.raw(1));
      break;
    case 6:
      row[airport::ElevationOrthometric] = text(items.raw(1));
      row[airport::ElevationEllipsoidal] = text(items.raw(2));
      row[airport::ElevationLocation] = text(items.raw(3));
      break;
    case 7:
      row[airport::TowerFloorElevationOrthometric] = text(items.raw(1));
      row[airport::TowerFloorElevationEllipsoidal] = text(items.raw(2));
      break;
    case 8:
      if (const auto lat = items.trimmed(1); !lat.empty()) {
        row[airport::LatitudeNorth] = lat.front() == '-' ? "False" : "True";
        setLatitude(row, airport::kReferencePoint, lat);
      }
      if (const auto lon = items.trimmed(2); !lon.empty()) {
        row[airport::LongitudeEast] = lon.front() == '-' ? "False" : "True";
        setLongitude(row, airport::kReferencePoint, lon);
      }
      break;
    default:
      break;
  }
}

void RecordParsers::runwayFirstEnd(int lineNumber, const LineItems& items) {
  const runway::EndFields& end = runway::kRwyIdEnd;
  if (lineNumber == 10) {
    ImportedRow* row = appendRow(TableKind::Runway);
    if (!row) return;
    currentRunway_ = survey_.runways.size() - 1;
    (*row)[runway::SurveyLink] = survey_.key();
    (*row)[end.designator] = text(items.raw(1));
    survey_.runwayEnd = (*row)[end.designator];
    survey_.runwayRead = true;
    (*row)[runway::Surface] = surfaceText(items.trimmed(2));
    (*row)[runway::SurveyDate] = uddfDateOrEmpty(items.raw(3));
    return;
  }
  if (!currentRunway_ || overflow_) return;
  ImportedRow& row = survey_.runways[*currentRunway_];
  switch (lineNumber) {
    case 11:
      row[end.blastPad] = blastPadText(items.trimmed(1));
      break;
    case 12:
      setLatitude(row, end.position, items.raw(1));
      setLongitude(row, end.position, items.raw(2));
      row[end.geodeticAzimuth] = text(items.raw(3));
      row[runway::SurveyedLength] = text(items.raw(4));
      row[runway::Width] = text(items.raw(5));
      break;
    case 13:
      setElevations(row, end.touchdownElevation, items.raw(1), items.raw(2));
      break;
    case 14:
      setLatitude(row, end.displacedThreshold, items.raw(1));
      setLongitude(row, end.displacedThreshold, items.raw(2));
      row[end.displacedLength] = text(items.raw(3));
      break;
    case 15:
      setElevations(row, end.endElevation, items.raw(2), items.raw(3));
      break;
    default:
      profilePoint(row, items);
      break;
  }
}

void RecordParsers::profilePoint(ImportedRow& row, const LineItems& items) {
  if (items.raw(1).empty()) return;
  int first = runway::kFirstProfileGroup;
  while (first <= kLastImportedProfileGroup && !row[first].empty()) {
    first += runway::kProfileGroupSize;
  }
  if (first > kLastImportedProfileGroup) return;
  const std::string distance = text(items.raw(1));
  if (distance == trimSpaces(row[runway::SurveyedLength])) {
    // The far threshold: the second end's elevations.
    setElevations(row, runway::kOppositeEnd.endElevation, items.raw(2), items.raw(3));
    return;
  }
  const runway::ProfileGroupFields group = runway::profileGroup(first);
  row[group.end] = survey_.runwayEnd;
  row[group.distance] = distance;
  setElevations(row, group.elevation, items.raw(2), items.raw(3));
}

void RecordParsers::runwayBlockStart(bool firstEnd) {
  if (firstEnd) currentRunway_.reset();
}

void RecordParsers::runwaySecondEnd(int lineNumber, const LineItems& items) {
  if (!currentRunway_ || overflow_) return;
  const runway::EndFields& end = runway::kOppositeEnd;
  ImportedRow& row = survey_.runways[*currentRunway_];
  switch (lineNumber) {
    case 10:
      row[end.designator] = text(items.raw(1));
      break;
    case 11:
      row[end.blastPad] = blastPadText(items.trimmed(1));
      break;
    case 12:
      setLatitude(row, end.position, items.raw(1));
      setLongitude(row, end.position, items.raw(2));
      row[end.geodeticAzimuth] = text(items.raw(3));
      break;
    case 13:
      setElevations(row, end.touchdownElevation, items.raw(1), items.raw(2));
      break;
    case 14:
      setLatitude(row, end.displacedThreshold, items.raw(1));
      setLongitude(row, end.displacedThreshold, items.raw(2));
      row[end.displacedLength] = text(items.raw(3));
      break;
    default:  // the second end's profile lines add nothing
      break;
  }
}

void RecordParsers::listedNavaid(NavaidList list, const LineItems& items) {
  const std::string_view typeItem = items.raw(1);
  const bool pointLine = typeItem.find("PP") != std::string_view::npos ||
                         typeItem.find("CLPT") != std::string_view::npos;
  ImportedRow* row = nullptr;
  if (!pointLine) {
    row = appendRow(TableKind::Navaid);
    if (!row) return;
    lastNavaidList_ = list;
    (*row)[navaid::SurveyLink] = survey_.key();
    (*row)[navaid::AssociatedPoint] = "NAVAID";
    setLatitude(*row, navaid::kPosition, items.raw(2));
    setLongitude(*row, navaid::kPosition, items.raw(3));
    setElevations(*row, navaid::kElevation, items.raw(4), items.raw(5));
  } else {
    // A point line belongs to the navaid just before it in the same group.
    if (overflow_ || survey_.navaids.empty() || lastNavaidList_ != list) return;
    row = &survey_.navaids.back();
    (*row)[navaid::AssociatedPoint] = typeItem.find("PP") != std::string_view::npos ? "PP" : "CLPT";
    (*row)[navaid::OffsetDirection] = text(items.raw(6));
    setLatitude(*row, navaid::kAssociatedPosition, items.raw(2));
    setLongitude(*row, navaid::kAssociatedPosition, items.raw(3));
    setElevations(*row, navaid::kAssociatedElevation, items.raw(4), items.raw(5));
  }
  if (const auto offset = items.trimmed(6); !offset.empty()) {
    (*row)[navaid::OffsetDirection] = std::string(lastCharacter(offset));
  }
  CodeAndName parts = splitTypeAndName(typeItem);
  (*row)[navaid::Identifier] = std::move(parts.name);
  if (auto type = listedType(list, parts.code)) (*row)[navaid::Type] = std::move(*type);
  (*row)[navaid::SurveyDate] = uddfDateOrEmpty(items.raw(8));
}

void RecordParsers::otherNavaid(const LineItems& items) {
  ImportedRow* row = appendRow(TableKind::Navaid);
  if (!row) return;
  lastNavaidList_.reset();
  (*row)[navaid::SurveyLink] = survey_.key();
  (*row)[navaid::Type] = text(items.raw(1));
  setLatitude(*row, navaid::kPosition, items.raw(2));
  setLongitude(*row, navaid::kPosition, items.raw(3));
  setElevations(*row, navaid::kElevation, items.raw(4), items.raw(5));
  (*row)[navaid::AssociatedPoint] = "NAVAID";
  (*row)[navaid::SurveyDate] = uddfDateOrEmpty(items.raw(8));
}

void RecordParsers::obstruction(std::string_view line, const LineItems& items) {
  if (characterAt(line, 6) == "|") {
    obstructionRunway_ = text(items.raw(1));
    surfaceCode_ = text(items.raw(2));
    return;
  }
  if (isMarkerLine(line, "#")) return;
  ImportedRow* row = appendRow(TableKind::Obstruction);
  if (!row) return;
  (*row)[obstruction::SurveyLink] = survey_.key();
  (*row)[obstruction::RwyId] = obstructionRunway_;
  (*row)[obstruction::Surface] = surfaceItemForCode(surfaceCode_);
  (*row)[obstruction::Object] = text(items.raw(1));
  setLatitude(*row, obstruction::kPosition, items.raw(2));
  setLongitude(*row, obstruction::kPosition, items.raw(3));
  const std::string_view accuracy = items.raw(4);
  (*row)[obstruction::AccuracyHorizontal] = horizontalAccuracyText(characterAt(accuracy, 1));
  (*row)[obstruction::AccuracyVertical] = verticalAccuracyText(lastCharacter(accuracy));
  setElevations(*row, obstruction::kTopElevation, items.raw(5), items.raw(6));
  (*row)[obstruction::AboveGroundElevation] = text(items.raw(7));
  (*row)[obstruction::SurveyDate] = uddfDateOrEmpty(items.raw(surfaceCode_ == "HCT" ? 12 : 15));
}

}  // namespace survey::uddf
