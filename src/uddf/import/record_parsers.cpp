#include "uddf/import/record_parsers.h"

#include "uddf/import/uddf_conversions.h"

namespace survey::uddf {

namespace {

constexpr int kFirstProfileGroup = 60;
constexpr int kLastProfileGroup = 190;  // a first end's points fill at most 27 groups

ImportedRow emptyRow(TableKind kind) {
  return ImportedRow(static_cast<std::size_t>(shapeOf(kind).storageFields) + 1);
}

std::string text(std::string_view item) {
  return std::string(trimSpaces(item));
}

// Writes a coordinate into three consecutive fields; an empty item leaves them.
void setCoordinate(ImportedRow& row, int firstField, std::string_view item, CoordinateAxis kind) {
  auto dms = convertCoordinate(item, kind);
  if (!dms) return;
  row[firstField] = std::move(dms->degrees);
  row[firstField + 1] = std::move(dms->minutes);
  row[firstField + 2] = std::move(dms->seconds);
}

void setLatitude(ImportedRow& row, int firstField, std::string_view item) {
  setCoordinate(row, firstField, item, CoordinateAxis::Latitude);
}

void setLongitude(ImportedRow& row, int firstField, std::string_view item) {
  setCoordinate(row, firstField, item, CoordinateAxis::Longitude);
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
      row[3] = text(items.raw(1));
      row[2] = text(items.raw(2));
      row[4] = text(items.raw(3));
      break;
    case 2:
      row[1] = text(items.raw(1));
      row[5] = uddfDateOrEmpty(items.raw(2));
      break;
    case 3:
      row[6] = text(items.raw(1));
      row[20] = text(items.raw(2));
      break;
    case 4:
      row[17] = text(items.raw(2));
      row[18] = text(items.raw(3));
      row[22] = text(items.raw(4));
      row[19] = text(items.raw(5));
      break;
    case 5:
      row[16] = text(items.raw(1));
      break;
    case 6:
      row[13] = text(items.raw(1));
      row[14] = text(items.raw(2));
      row[15] = text(items.raw(3));
      break;
    case 7:
      row[23] = text(items.raw(1));
      row[24] = text(items.raw(2));
      break;
    case 8:
      if (const auto lat = items.trimmed(1); !lat.empty()) {
        row[39] = lat.front() == '-' ? "False" : "True";
        setLatitude(row, 7, lat);
      }
      if (const auto lon = items.trimmed(2); !lon.empty()) {
        row[40] = lon.front() == '-' ? "False" : "True";
        setLongitude(row, 10, lon);
      }
      break;
    default:
      break;
  }
}

void RecordParsers::runwayFirstEnd(int lineNumber, const LineItems& items) {
  if (lineNumber == 10) {
    ImportedRow* row = appendRow(TableKind::Runway);
    if (!row) return;
    currentRunway_ = survey_.runways.size() - 1;
    (*row)[49] = survey_.key();
    (*row)[2] = text(items.raw(1));
    survey_.runwayEnd = (*row)[2];
    survey_.runwayRead = true;
    (*row)[7] = surfaceText(items.trimmed(2));
    (*row)[1] = uddfDateOrEmpty(items.raw(3));
    return;
  }
  if (!currentRunway_ || overflow_) return;
  ImportedRow& row = survey_.runways[*currentRunway_];
  switch (lineNumber) {
    case 11:
      row[3] = blastPadText(items.trimmed(1));
      break;
    case 12:
      setLatitude(row, 8, items.raw(1));
      setLongitude(row, 11, items.raw(2));
      row[4] = text(items.raw(3));
      row[5] = text(items.raw(4));
      row[6] = text(items.raw(5));
      break;
    case 13:
      row[16] = text(items.raw(1));
      row[17] = text(items.raw(2));
      break;
    case 14:
      setLatitude(row, 18, items.raw(1));
      setLongitude(row, 21, items.raw(2));
      row[24] = text(items.raw(3));
      break;
    case 15:
      row[14] = text(items.raw(2));
      row[15] = text(items.raw(3));
      break;
    default:
      profilePoint(row, items);
      break;
  }
}

void RecordParsers::profilePoint(ImportedRow& runway, const LineItems& items) {
  if (items.raw(1).empty()) return;
  int group = kFirstProfileGroup;
  while (group <= kLastProfileGroup && !runway[group].empty()) group += 5;
  if (group > kLastProfileGroup) return;
  const std::string distance = text(items.raw(1));
  if (distance == trimSpaces(runway[5])) {
    // The far threshold: the second end's elevations.
    runway[36] = text(items.raw(2));
    runway[37] = text(items.raw(3));
    return;
  }
  runway[group] = survey_.runwayEnd;
  runway[group + 1] = distance;
  runway[group + 2] = text(items.raw(2));
  runway[group + 3] = text(items.raw(3));
}

void RecordParsers::runwayBlockStart(bool firstEnd) {
  if (firstEnd) currentRunway_.reset();
}

void RecordParsers::runwaySecondEnd(int lineNumber, const LineItems& items) {
  if (!currentRunway_ || overflow_) return;
  ImportedRow& row = survey_.runways[*currentRunway_];
  switch (lineNumber) {
    case 10:
      row[27] = text(items.raw(1));
      break;
    case 11:
      row[28] = blastPadText(items.trimmed(1));
      break;
    case 12:
      setLatitude(row, 30, items.raw(1));
      setLongitude(row, 33, items.raw(2));
      row[29] = text(items.raw(3));
      break;
    case 13:
      row[38] = text(items.raw(1));
      row[39] = text(items.raw(2));
      break;
    case 14:
      setLatitude(row, 40, items.raw(1));
      setLongitude(row, 43, items.raw(2));
      row[46] = text(items.raw(3));
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
    (*row)[16] = survey_.key();
    (*row)[11] = "NAVAID";
    setLatitude(*row, 3, items.raw(2));
    setLongitude(*row, 6, items.raw(3));
    (*row)[9] = text(items.raw(4));
    (*row)[10] = text(items.raw(5));
  } else {
    // A point line belongs to the navaid just before it in the same group.
    if (overflow_ || survey_.navaids.empty() || lastNavaidList_ != list) return;
    row = &survey_.navaids.back();
    (*row)[11] = typeItem.find("PP") != std::string_view::npos ? "PP" : "CLPT";
    (*row)[13] = text(items.raw(6));
    setLatitude(*row, 20, items.raw(2));
    setLongitude(*row, 23, items.raw(3));
    (*row)[26] = text(items.raw(4));
    (*row)[27] = text(items.raw(5));
  }
  if (const auto offset = items.trimmed(6); !offset.empty()) {
    (*row)[13] = std::string(lastCharacter(offset));
  }
  CodeAndName parts = splitTypeAndName(typeItem);
  (*row)[2] = std::move(parts.name);
  if (auto type = listedType(list, parts.code)) (*row)[15] = std::move(*type);
  (*row)[18] = uddfDateOrEmpty(items.raw(8));
}

void RecordParsers::otherNavaid(const LineItems& items) {
  ImportedRow* row = appendRow(TableKind::Navaid);
  if (!row) return;
  lastNavaidList_.reset();
  (*row)[16] = survey_.key();
  (*row)[15] = text(items.raw(1));
  setLatitude(*row, 3, items.raw(2));
  setLongitude(*row, 6, items.raw(3));
  (*row)[9] = text(items.raw(4));
  (*row)[10] = text(items.raw(5));
  (*row)[11] = "NAVAID";
  (*row)[18] = uddfDateOrEmpty(items.raw(8));
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
  (*row)[22] = survey_.key();
  (*row)[1] = obstructionRunway_;
  (*row)[21] = surfaceItemForCode(surfaceCode_);
  (*row)[2] = text(items.raw(1));
  setLatitude(*row, 3, items.raw(2));
  setLongitude(*row, 6, items.raw(3));
  const std::string_view accuracy = items.raw(4);
  (*row)[19] = horizontalAccuracyText(characterAt(accuracy, 1));
  (*row)[20] = verticalAccuracyText(lastCharacter(accuracy));
  (*row)[9] = text(items.raw(5));
  (*row)[10] = text(items.raw(6));
  (*row)[12] = text(items.raw(7));
  (*row)[23] = uddfDateOrEmpty(items.raw(surfaceCode_ == "HCT" ? 12 : 15));
}

}  // namespace survey::uddf
