// The runway section: for each runway of the survey a block of lines for each of its
// two ends, with the elevation profile seen from that end.
#include <algorithm>
#include <optional>

#include "store/number_text.h"
#include "store/text_trim.h"
#include "uddf/export/sections.h"

namespace survey::uddf {

using namespace runway;

namespace {

// length minus distance, or nothing to write when either is not a number.
std::string difference(const std::string& length, const std::string& distance) {
  const std::optional<double> a = decimalValue(length);
  const std::optional<double> b = decimalValue(distance);
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
  const EndFields& f = endFields(end);
  const std::string designator = end == RunwayEnd::RwyId
                                     ? std::string(trimSpaces(field(RwyIdDesignator)))
                                     : field(OppositeDesignator);
  const std::string record = "runway end " + designator + " of runway " + field(RwyIdDesignator) +
                             "/" + field(OppositeDesignator);
  const std::string date = dateItem(field(SurveyDate));
  CellGrid& grid = context.grid;
  auto& shortened = context.shortened;
  auto coordinateOf = [&](const CoordinateFields& fields, CoordinateAxis kind) {
    return coordinate(context, runways, runwayRow, fields, kind, TableKind::Runway);
  };

  {
    RecordLine line(grid, ++row, record, {1, 7, 9, 17}, shortened);
    line.separator(1);
    line.left(2, designator, end == RunwayEnd::RwyId ? "Rwy ID" : "Opp. Rwy");
    line.separator(7);
    line.firstCharacter(8, field(Surface));
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
    line.right(14, coordinateOf(f.position.latitude, CoordinateAxis::Latitude),
               "Runway End Latitude");
    line.right(28, coordinateOf(f.position.longitude, CoordinateAxis::Longitude),
               "Runway End Longitude");
    line.right(36, field(f.geodeticAzimuth), "Runway Geodetic Azimuth");
    line.right(42, field(SurveyedLength), "Surveyed Length");
    line.right(46, field(Width), "Width");
    line.separator(line.left(47, date, "Survey Date"));
    line.separator(54);
  }
  {
    const ElevationFields& touchdown = f.touchdownElevation;
    RecordLine line(grid, ++row, record, {1, 9, 17, 25}, shortened);
    line.separators({1, 9, 17, 25});
    line.right(9, fillDecimals(field(touchdown.orthometric), 1),
               "Touchdown Zone Elevation Orthometric");
    line.right(17, fillDecimals(field(touchdown.ellipsoidal), 1),
               "Touchdown Zone Elevation Ellipsoidal");
    if (!field(touchdown.orthometric).empty() || !field(touchdown.ellipsoidal).empty()) {
      line.left(18, date, "Survey Date");
    }
  }
  {
    const PositionFields& threshold = f.displacedThreshold;
    RecordLine line(grid, ++row, record, {1, 14, 28, 36, 44}, shortened);
    line.separators({1, 14, 28, 36, 44});
    line.right(14, coordinateOf(threshold.latitude, CoordinateAxis::Latitude),
               "Displaced Threshold Latitude");
    line.right(28, coordinateOf(threshold.longitude, CoordinateAxis::Longitude),
               "Displaced Threshold Longitude");
    line.right(36, field(f.displacedLength), "Displaced Threshold Length");
    // The Rwy ID end looks at its length and longitude degrees, the opposite end at its
    // latitude degrees as well.
    const bool displaced =
        end == RunwayEnd::RwyId
            ? !field(RwyIdDisplacedLength).empty() || !field(RwyIdDisplacedLongitudeDegrees).empty()
            : !field(OppositeDisplacedLength).empty() ||
                  !field(OppositeDisplacedLongitudeDegrees).empty() ||
                  !field(OppositeDisplacedLatitudeDegrees).empty();
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
  auto counts = [&](int group) {
    const CellText groupEnd = field(profileGroup(group).end);
    return !groupEnd.empty() &&
           (groupEnd == field(RwyIdDesignator) || groupEnd == field(OppositeDesignator));
  };
  const CellText length = field(SurveyedLength);
  // A row measured from this end: distance, then the elevation pair.
  auto at = [&](std::string distance, const ElevationFields& elevation) {
    return ProfileRow{std::move(distance), field(elevation.orthometric),
                      field(elevation.ellipsoidal)};
  };
  const EndFields& near = endFields(end);
  const EndFields& far = end == RunwayEnd::RwyId ? kOppositeEnd : kRwyIdEnd;
  std::vector<ProfileRow> rows;
  rows.push_back(at("0", near.endElevation));
  if (!field(near.displacedLength).empty()) {
    rows.push_back(at(field(near.displacedLength), near.displacedElevation));
  }
  // Group distances are measured from the Rwy ID end, whichever end a group names.
  if (end == RunwayEnd::RwyId) {
    for (int group = kFirstProfileGroup; group <= kLastProfileGroup; group += kProfileGroupSize) {
      const ProfileGroupFields g = profileGroup(group);
      if (counts(group)) rows.push_back(at(field(g.distance), g.elevation));
    }
  } else {
    for (int group = kLastProfileGroup; group >= kFirstProfileGroup; group -= kProfileGroupSize) {
      const ProfileGroupFields g = profileGroup(group);
      if (counts(group)) rows.push_back(at(difference(length, field(g.distance)), g.elevation));
    }
  }
  if (!field(far.displacedLength).empty()) {
    rows.push_back(at(difference(length, field(far.displacedLength)), far.displacedElevation));
  }
  if (!length.empty() || !field(far.endElevation.orthometric).empty() ||
      !field(far.endElevation.ellipsoidal).empty()) {
    rows.push_back(at(length, far.endElevation));
  }

  // By distance; a distance that is not a number goes after all numeric ones.
  std::vector<std::optional<double>> keys;
  keys.reserve(rows.size());
  for (const ProfileRow& r : rows) keys.push_back(decimalValue(r.distance));
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
