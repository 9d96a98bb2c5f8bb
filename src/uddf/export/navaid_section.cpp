// The navaid section: electronic, visual and other navaids, each with the line of its
// associated centerline or perpendicular point and the distances computed for it.
#include <array>
#include <optional>

#include "store/schema/navaid_fields.h"
#include "store/schema/runway_fields.h"
#include "uddf/export/geodesic.h"
#include "uddf/export/sections.h"

namespace survey::uddf {

namespace {

constexpr std::array<std::string_view, 29> kElectronic{"DME - Distance Measuring Equipment",
                                                       "GS - Glide Slope",
                                                       "IM - Inner Marker",
                                                       "LDA - Localizer Type Directional Aid",
                                                       "LMM - Locator Middle Marker",
                                                       "LOC - Localizer",
                                                       "LOM - Locator Outer Marker",
                                                       "MM - Middle Marker",
                                                       "OM - Outer Marker",
                                                       "ARSR - Air Route Surveillance Radar",
                                                       "ASR - Airport Surveillance Radar",
                                                       "ATCBI",
                                                       "BCM - Back Course Marker",
                                                       "FM - Fan Marker",
                                                       "LFR - Low Frequency Radio Range",
                                                       "LRR - Long Range Radar",
                                                       "MLSAZ - MLS Azimuth Guidance",
                                                       "MLSEL - MLS Elevation Guidance",
                                                       "MLSDME - DME Associated with MLS",
                                                       "NDB - Nondirectional Beacon",
                                                       "NDB/DME",
                                                       "OTHER - Other NAVAID",
                                                       "PAR - Precision Approach Radar",
                                                       "SDF - Simplified Directional Facility",
                                                       "TACAN - Tactical Air Navigation",
                                                       "TDR - GCA Touchdown Reflectors",
                                                       "VOR - VHF Omni Directional Range",
                                                       "VOR/DME",
                                                       "VORTAC - VOR + TACAN"};

constexpr std::array<std::string_view, 9> kVisual{
    "APBN - Airport Beacon",
    "ALS - Approach Lights",
    "PAPI - Precision Approach Path Indicator",
    "PLASI",
    "PVASI - Pulsating Visual Approach Slope Indicator",
    "REIL - Runway End Identifier Lights",
    "TRCV - Tri-color Visual Approach Slope Indicator",
    "TVASI",
    "VASI - Visual Approach Slope Indicator"};

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// "(09_IABC)", "(09)", "(IABC)" or nothing; `tail` follows the closing parenthesis.
std::string runwayAndIdentifier(const std::string& runway, const std::string& identifier,
                                std::string_view tail) {
  std::string text = "(" + runway + "_" + identifier + ")" + std::string(tail);
  replaceAll(text, "(_)", "");
  replaceAll(text, "(_", "(");
  replaceAll(text, "_)", ")");
  return text;
}

std::string typeCode(const std::string& type) {
  return type.substr(0, type.find('-'));
}

std::string feetText(const std::optional<long long>& feet) {
  return feet ? std::to_string(*feet) : std::string();
}

DmsPoint dmsPoint(const Table& table, int row, const PositionFields& fields) {
  auto f = [&](int n) -> std::string_view { return table.cell(row, n); };
  return DmsPoint{f(fields.latitude.degrees),  f(fields.latitude.minutes),
                  f(fields.latitude.seconds),  f(fields.longitude.degrees),
                  f(fields.longitude.minutes), f(fields.longitude.seconds)};
}

// The threshold of the runway end that the navaid serves; a later row replaces an earlier
// match, deleted runways of the survey included.
std::optional<DmsPoint> servedThreshold(const ExportContext& context,
                                        const std::string& designator) {
  const Table& runways = context.store.runways();
  std::optional<int> row;
  const PositionFields* threshold = nullptr;
  for (int r = 1; r <= runways.count(); ++r) {
    if (runways.cell(r, runway::SurveyLink) != context.key) continue;
    if (runways.cell(r, runway::RwyIdDesignator) == designator) {
      row = r;
      threshold = &runway::kRwyIdEnd.position;
    }
    if (runways.cell(r, runway::OppositeDesignator) == designator) {
      row = r;
      threshold = &runway::kOppositeEnd.position;
    }
  }
  if (!row) return std::nullopt;
  if (runways.cell(*row, threshold->latitude.degrees).empty()) return std::nullopt;
  return dmsPoint(runways, *row, *threshold);
}

struct Distances {
  std::string offset;  // centre to point
  std::string along;   // runway end threshold to point
};

Distances pointDistances(const ExportContext& context, int navaidRow) {
  const Table& navaids = context.store.navaids();
  auto filled = [&](int n) { return !navaids.cell(navaidRow, n).empty(); };
  const DmsPoint centre = dmsPoint(navaids, navaidRow, navaid::kPosition);
  const DmsPoint point = dmsPoint(navaids, navaidRow, navaid::kAssociatedPosition);
  Distances d;
  if (filled(navaid::LatitudeDegrees) && filled(navaid::AssociatedLatitudeDegrees)) {
    d.offset = feetText(geodesicFeet(centre, point));
  }
  if (filled(navaid::AssociatedLatitudeDegrees)) {
    if (const auto threshold = servedThreshold(context, navaids.cell(navaidRow, navaid::Runway))) {
      d.along = feetText(geodesicFeet(*threshold, point));
    }
  }
  return d;
}

// A navaid line, or with pointLine its point line: the same layout, other fields.
void writeNavaidLine(ExportContext& context, int row, int navaidRow, bool pointLine,
                     const Distances* distances) {
  using namespace navaid;
  const Table& navaids = context.store.navaids();
  auto field = [&](int n) -> CellText { return navaids.cell(navaidRow, n); };
  const PositionFields& position = pointLine ? kAssociatedPosition : kPosition;
  const ElevationFields& elevation = pointLine ? kAssociatedElevation : kElevation;
  auto record = [&field, pointLine] {
    std::string text = "navaid " + field(Type);
    const std::string name = runwayAndIdentifier(field(Runway), field(Identifier), "");
    if (!name.empty()) text += " " + name;
    return pointLine ? "associated " + field(AssociatedPoint) + " of the " + text : text;
  };

  RecordLine line(context.grid, row, record, {1, 35, 48, 62, 70, 78, 86, 93, 101},
                  context.shortened);
  line.separator(1);
  line.left(2, typeCode(field(Type)), "NAVAID Type");
  line.left(8,
            runwayAndIdentifier(field(Runway), field(Identifier),
                                pointLine ? "   " + field(AssociatedPoint) : ""),
            "Runway and NAVAID Identifier");
  line.separator(35);
  line.right(48,
             coordinate(context, navaids, navaidRow, position.latitude, CoordinateAxis::Latitude,
                        TableKind::Navaid),
             "Latitude");
  line.separator(48);
  line.right(62,
             coordinate(context, navaids, navaidRow, position.longitude, CoordinateAxis::Longitude,
                        TableKind::Navaid),
             "Longitude");
  line.separator(62);
  line.right(70, fillDecimals(field(elevation.orthometric), 1), "Elevation Orthometric");
  line.separator(70);
  line.right(78, fillDecimals(field(elevation.ellipsoidal), 1), "Elevation Ellipsoidal");
  line.separator(78);
  if (pointLine) {
    line.right(86, distances->offset + field(OffsetDirection), "Offset Distance and Direction");
  }
  line.separator(86);
  if (distances != nullptr) line.right(93, distances->along, "Distance along Centerline");
  line.separator(93);
  line.left(94, dateItem(field(SurveyDate)), "Survey Date");
  line.separator(101);
}

}  // namespace

char navaidGroup(std::string_view navaidType) {
  for (std::string_view type : kElectronic) {
    if (type == navaidType) return 'E';
  }
  for (std::string_view type : kVisual) {
    if (type == navaidType) return 'V';
  }
  return 'S';
}

int writeNavaidSection(ExportContext& context, int startRow) {
  const Table& navaids = context.store.navaids();
  const std::vector<int> rows = context.store.childRows(TableKind::Navaid, context.key);
  std::vector<char> groups;
  groups.reserve(rows.size());
  for (int navaidRow : rows) groups.push_back(navaidGroup(navaids.cell(navaidRow, navaid::Type)));
  int row = startRow;
  for (char group : {'E', 'V', 'S'}) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (groups[i] != group) continue;
      const int navaidRow = rows[i];
      const std::size_t before = context.shortened.size();
      const std::string& kind = navaids.cell(navaidRow, navaid::AssociatedPoint);
      if (kind == "NAVAID") {
        writeNavaidLine(context, row++, navaidRow, false, nullptr);
      } else {
        const Distances distances = pointDistances(context, navaidRow);
        writeNavaidLine(context, row++, navaidRow, false, kind == "CLPT" ? &distances : nullptr);
        writeNavaidLine(context, row++, navaidRow, true, &distances);
      }
      attributeShortened(context, before, TableKind::Navaid, navaidRow);
    }
    if (group != 'S') context.grid.placeMarker(row++, '#');
  }
  context.grid.placeMarker(row, '@');
  return row;
}

}  // namespace survey::uddf
