// Airport lines 0 to 7: identifier, name, place, datums, declination, elevations and
// the airport reference point.
#include "store/schema/airport_fields.h"
#include "uddf/export/sections.h"

namespace survey::uddf {

std::string dateItem(std::string_view date) {
  return formatUddfDate(date);
}

std::string coordinate(const ExportContext& context, std::string_view degrees,
                       std::string_view minutes, std::string_view seconds, CoordinateAxis kind,
                       TableKind record, bool filled) {
  const std::string text =
      formatCoordinate(degrees, minutes, seconds, kind, record, context.hemispheres);
  return filled ? fillDecimals(text, secondsDecimals(record)) : text;
}

std::string coordinate(const ExportContext& context, const Table& table, int row,
                       const CoordinateFields& fields, CoordinateAxis kind, TableKind record,
                       bool filled) {
  return coordinate(context, table.cell(row, fields.degrees), table.cell(row, fields.minutes),
                    table.cell(row, fields.seconds), kind, record, filled);
}

void attributeShortened(ExportContext& context, std::size_t from, TableKind table, int row) {
  for (std::size_t i = from; i < context.shortened.size(); ++i) {
    context.shortened[i].table = table;
    context.shortened[i].row = row;
  }
}

void writeAirportSection(ExportContext& context) {
  const Table& airports = context.store.airports();
  const int row = context.surveyRow;
  auto field = [&](airport::Field f) -> CellText { return airports.cell(row, f); };
  const std::string record = "airport " + context.key;
  const std::string date = dateItem(field(airport::SurveyDate));
  CellGrid& grid = context.grid;
  auto& shortened = context.shortened;

  {
    RecordLine line(grid, 0, record, {1, 8, 19, 24, 29}, shortened);
    line.separator(1);
    line.left(2, field(airport::Identifier), "Airport Identifier");
    line.separator(8);
    line.left(9, field(airport::SiteNumber), "Site Number");
    line.separator(19);
    line.left(20, field(airport::Region), "Region");
    line.separator(24);
    line.text(25, "1.07");
    line.separator(29);
  }
  {
    RecordLine line(grid, 1, record, {1, 72, 80}, shortened);
    line.separator(1);
    line.left(2, field(airport::Name), "Airport Name");
    line.separator(72);
    line.left(73, date, "Survey Date");
    line.separator(80);
  }
  {
    RecordLine line(grid, 2, record, {1, 42, 73}, shortened);
    line.separator(1);
    line.left(2, field(airport::City), "City");
    line.separator(42);
    line.left(43, field(airport::State), "State");
    line.separator(73);
  }
  {
    RecordLine line(grid, 3, record, {1, 12, 23, 34, 45, 61}, shortened);
    line.separator(1);
    line.text(2, "NAD83");
    line.separator(12);
    line.left(13, field(airport::HorizontalDatumTieAccuracy), "Horizontal Datum Tie Accuracy");
    line.separator(23);
    line.left(24, field(airport::EllipsoidalElevationTieAccuracy),
              "Ellipsoidal Elevation Tie Accuracy");
    line.separator(34);
    line.left(35, field(airport::VerticalDatum), "Vertical Datum");
    line.separator(45);
    line.left(46, field(airport::OrthometricElevationTieAccuracy),
              "Orthometric Elevation Tie Accuracy");
    line.separator(61);
  }
  {
    RecordLine line(grid, 4, record, {1, 7, 15}, shortened);
    line.separators({1, 7, 15});
    line.right(7, fillDecimals(field(airport::MagneticDeclination), 1), "Magnetic Declination");
    if (!field(airport::MagneticDeclination).empty()) line.left(8, date, "Survey Date");
  }
  {
    RecordLine line(grid, 5, record, {1, 9, 17, 26, 34}, shortened);
    line.separators({1, 9, 17, 26, 34});
    line.right(9, fillDecimals(field(airport::ElevationOrthometric), 1),
               "Airport Elevation Orthometric");
    line.right(17, fillDecimals(field(airport::ElevationEllipsoidal), 1),
               "Airport Elevation Ellipsoidal");
    line.left(18, field(airport::ElevationLocation), "Airport Elevation Location");
    if (!field(airport::ElevationOrthometric).empty() ||
        !field(airport::ElevationEllipsoidal).empty() ||
        !field(airport::ElevationLocation).empty()) {
      line.left(27, date, "Survey Date");
    }
  }
  {
    RecordLine line(grid, 6, record, {1, 9, 17, 25}, shortened);
    line.separators({1, 9, 17, 25});
    line.right(9, field(airport::TowerFloorElevationOrthometric),
               "Control Tower Floor Elevation Orthometric");
    line.right(17, field(airport::TowerFloorElevationEllipsoidal),
               "Control Tower Floor Elevation Ellipsoidal");
    if (!field(airport::TowerFloorElevationOrthometric).empty() ||
        !field(airport::TowerFloorElevationEllipsoidal).empty())
      line.left(18, date, "Survey Date");
  }
  {
    RecordLine line(grid, 7, record, {1, 11, 22}, shortened);
    line.separator(1);
    const PositionFields& point = airport::kReferencePoint;
    line.right(11,
               coordinate(context, airports, row, point.latitude, CoordinateAxis::Latitude,
                          TableKind::Airport),
               "Airport Reference Point Latitude");
    line.separator(11);
    line.right(22,
               coordinate(context, airports, row, point.longitude, CoordinateAxis::Longitude,
                          TableKind::Airport),
               "Airport Reference Point Longitude");
    line.separator(22);
  }
  attributeShortened(context, 0, TableKind::Airport, row);
  grid.placeMarker(8, '@');
}

}  // namespace survey::uddf
