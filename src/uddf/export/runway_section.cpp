// The runway section: for each runway of the survey a block of lines for each of its
// two ends, with the elevation profile seen from that end.
#include <algorithm>
#include <optional>

#include "uddf/export/sections.h"

namespace survey::uddf {

namespace {

// Field numbers of one end's values in a runway row.
struct EndFields {
  int designator, blastPad, azimuth;
  int latitude, longitude;  // first of three: degrees, minutes, seconds
  int touchdownOrthometric, touchdownEllipsoidal;
  int displacedLatitude, displacedLongitude, displacedLength;
};
constexpr EndFields kRwyIdEnd{2, 3, 4, 8, 11, 16, 17, 18, 21, 24};
constexpr EndFields kOppositeEnd{27, 28, 29, 30, 33, 38, 39, 40, 43, 46};

constexpr int kFirstGroup = 60;
constexpr int kLastGroup = 195;  // a group needs four fields, the row ends at 200

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// length minus distance, or nothing to write when either is not a number.
std::string difference(const std::string& length, const std::string& distance) {
  const std::optional<double> a = parseNumber(length);
  const std::optional<double> b = parseNumber(distance);
  if (!a || !b) return {};
  return shortestDecimal(*a - *b);
}

std::string blastPadCode(const std::string& text) {
  if (text.find("Ver") != std::string::npos) return "X";
  return text;  // its first character is written
}

void writeEndBlock(ExportContext& context, int runwayRow, RunwayEnd end, int& row) {
  const Table& runways = context.store.runways();
  auto field = [&](int number) -> CellText { return runways.cell(runwayRow, number); };
  const EndFields& f = end == RunwayEnd::RwyId ? kRwyIdEnd : kOppositeEnd;
  const std::string designator = end == RunwayEnd::RwyId ? trimmed(field(2)) : field(27);
  const std::string record =
      "runway end " + designator + " of runway " + field(2) + "/" + field(27);
  const std::string date = dateItem(field(1));
  CellGrid& grid = context.grid;
  auto& shortened = context.shortened;

  {
    RecordLine line(grid, ++row, record, {1, 7, 9, 17}, shortened);
    line.separator(1);
    line.left(2, designator, end == RunwayEnd::RwyId ? "Rwy ID" : "Opp. Rwy");
    line.separator(7);
    line.firstCharacter(8, field(7));
    line.separator(9);
    line.separator(line.left(10, date, "Survey Date"));
  }
  {
    RecordLine line(grid, ++row, record, {1, 3, 11}, shortened);
    line.separators({1, 11});
    line.firstCharacter(2, blastPadCode(field(f.blastPad)));
    line.separator(3);
    if (!field(f.blastPad).empty()) line.left(4, date, "Survey Date");
  }
  {
    RecordLine line(grid, ++row, record, {1, 14, 28, 36, 42, 46, 54}, shortened);
    line.separators({1, 14, 28, 36, 42, 46});
    line.right(14,
               coordinate(context, field(f.latitude), field(f.latitude + 1), field(f.latitude + 2),
                          CoordinateKind::Latitude, RecordKind::Runway),
               "Runway End Latitude");
    line.right(28,
               coordinate(context, field(f.longitude), field(f.longitude + 1),
                          field(f.longitude + 2), CoordinateKind::Longitude, RecordKind::Runway),
               "Runway End Longitude");
    line.right(36, field(f.azimuth), "Runway Geodetic Azimuth");
    line.right(42, field(5), "Surveyed Length");
    line.right(46, field(6), "Width");
    line.separator(line.left(47, date, "Survey Date"));
    line.separator(54);
  }
  {
    RecordLine line(grid, ++row, record, {1, 9, 17, 25}, shortened);
    line.separators({1, 9, 17, 25});
    line.right(9, fillDecimals(field(f.touchdownOrthometric), 1),
               "Touchdown Zone Elevation Orthometric");
    line.right(17, fillDecimals(field(f.touchdownEllipsoidal), 1),
               "Touchdown Zone Elevation Ellipsoidal");
    if (!field(f.touchdownOrthometric).empty() || !field(f.touchdownEllipsoidal).empty()) {
      line.left(18, date, "Survey Date");
    }
  }
  {
    RecordLine line(grid, ++row, record, {1, 14, 28, 36, 44}, shortened);
    line.separators({1, 14, 28, 36, 44});
    line.right(
        14,
        coordinate(context, field(f.displacedLatitude), field(f.displacedLatitude + 1),
                   field(f.displacedLatitude + 2), CoordinateKind::Latitude, RecordKind::Runway),
        "Displaced Threshold Latitude");
    line.right(
        28,
        coordinate(context, field(f.displacedLongitude), field(f.displacedLongitude + 1),
                   field(f.displacedLongitude + 2), CoordinateKind::Longitude, RecordKind::Runway),
        "Displaced Threshold Longitude");
    line.right(36, field(f.displacedLength), "Displaced Threshold Length");
    const bool displaced = end == RunwayEnd::RwyId
                               ? !field(24).empty() || !field(21).empty()
                               : !field(46).empty() || !field(43).empty() || !field(40).empty();
    if (displaced) line.left(37, date, "Survey Date");
  }
  for (const ProfileRow& profile : buildProfileTable(runways, runwayRow, end)) {
    RecordLine line(grid, ++row, record, {1, 7, 15, 23, 31}, shortened);
    line.separator(1);
    line.right(7, profile.distance, "Profile Point Distance");
    line.separator(7);
    line.right(15, fillDecimals(profile.orthometric, 1), "Profile Point Elevation Orthometric");
    line.separator(15);
    line.right(23, fillDecimals(profile.ellipsoidal, 1), "Profile Point Elevation Ellipsoidal");
    line.separator(23);
    line.separator(line.left(24, date, "Survey Date"));
    line.separator(31);
  }
  grid.placeMarker(++row, '#');
}

}  // namespace

std::vector<ProfileRow> buildProfileTable(const Table& runways, int row, RunwayEnd end) {
  auto field = [&](int number) -> CellText { return runways.cell(row, number); };
  auto counts = [&](int k) {
    return !field(k).empty() && (field(k) == field(2) || field(k) == field(27));
  };
  std::vector<ProfileRow> rows;
  if (end == RunwayEnd::RwyId) {
    rows.push_back({"0", field(14), field(15)});
    if (!field(24).empty()) rows.push_back({field(24), field(25), field(26)});
    for (int k = kFirstGroup; k <= kLastGroup; k += 5) {
      if (counts(k)) rows.push_back({field(k + 1), field(k + 2), field(k + 3)});
    }
    if (!field(46).empty()) rows.push_back({difference(field(5), field(46)), field(47), field(48)});
    if (!field(5).empty() || !field(36).empty() || !field(37).empty()) {
      rows.push_back({field(5), field(36), field(37)});
    }
  } else {
    rows.push_back({"0", field(36), field(37)});
    if (!field(46).empty()) rows.push_back({field(46), field(47), field(48)});
    for (int k = kLastGroup; k >= kFirstGroup; k -= 5) {
      if (counts(k)) {
        rows.push_back({difference(field(5), field(k + 1)), field(k + 2), field(k + 3)});
      }
    }
    if (!field(24).empty()) rows.push_back({difference(field(5), field(24)), field(25), field(26)});
    if (!field(5).empty() || !field(14).empty() || !field(15).empty()) {
      rows.push_back({field(5), field(14), field(15)});
    }
  }

  // By distance; a distance that is not a number goes after all numeric ones.
  std::vector<std::optional<double>> keys;
  keys.reserve(rows.size());
  for (const ProfileRow& r : rows) keys.push_back(parseNumber(r.distance));
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (!keys[a] || !keys[b]) return keys[a].has_value() && !keys[b].has_value();
    return *keys[a] < *keys[b];
  });
  std::vector<ProfileRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  return sorted;
}

int writeRunwaySection(ExportContext& context) {
  int row = 8;
  for (int runwayRow : context.store.childRows(TableKind::Runway, context.key)) {
    const std::size_t before = context.shortened.size();
    writeEndBlock(context, runwayRow, RunwayEnd::RwyId, row);
    writeEndBlock(context, runwayRow, RunwayEnd::Opposite, row);
    attributeShortened(context, before, TableKind::Runway, runwayRow);
  }
  if (row == 8) row = 9;
  context.grid.placeMarker(row, '@');
  return row;
}

}  // namespace survey::uddf
