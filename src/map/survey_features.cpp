#include "map/survey_features.h"

#include "map/local_projection.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/hemispheres.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "survey/navaid_types.h"

namespace survey::map {

namespace {

SurveyPoint pointOf(FeatureKind kind, TableKind table, int row) {
  SurveyPoint point;
  point.kind = kind;
  point.table = table;
  point.row = row;
  return point;
}

class Collector {
 public:
  Collector(const SurveyStore& store, std::string_view key) : store_(store) {
    features_.key = std::string(key);
    const int airportRow = store.findSurveyRow(key);
    if (airportRow > 0) {
      hemispheres_ = hemispheresOf(store.airports(), airportRow);
      addAirport(airportRow);
    }
    for (int row : store.childRows(TableKind::Runway, key)) addRunway(row);
    for (int row : store.childRows(TableKind::Navaid, key)) addNavaid(row);
    for (int row : store.childRows(TableKind::Obstruction, key)) addObstruction(row);
  }

  SurveyFeatures take() { return std::move(features_); }

 private:
  CellText cell(TableKind table, int row, int field) const {
    return store_.table(table).cell(row, field);
  }

  // Adds the point when its position reads; otherwise lists it as not placed, unless the
  // position is wholly empty and optional. Returns the point's index or -1.
  int addPoint(SurveyPoint point, const PositionFields& fields, const std::string& what,
               bool optional = false) {
    const auto texts = [&](const CoordinateFields& coordinate) {
      return DmsTexts{cell(point.table, point.row, coordinate.degrees),
                      cell(point.table, point.row, coordinate.minutes),
                      cell(point.table, point.row, coordinate.seconds)};
    };
    const DmsTexts latitude = texts(fields.latitude);
    const DmsTexts longitude = texts(fields.longitude);
    if (optional && latitude.empty() && longitude.empty()) return -1;
    const Placement placement = placePosition(latitude, longitude, hemispheres_);
    if (!placement.at) {
      features_.notPlaced.push_back({point.table, point.row, what, placement.problem});
      return -1;
    }
    point.at = *placement.at;
    point.latitudeText = dmsText(latitude, hemispheres_.latitudeLetter());
    point.longitudeText = dmsText(longitude, hemispheres_.longitudeLetter());
    features_.points.push_back(std::move(point));
    return static_cast<int>(features_.points.size()) - 1;
  }

  void setElevations(SurveyPoint& point, const ElevationFields& fields) const {
    point.orthometric = plainDecimalValue(cell(point.table, point.row, fields.orthometric));
    point.ellipsoidal = plainDecimalValue(cell(point.table, point.row, fields.ellipsoidal));
  }

  void addAirport(int row) {
    SurveyPoint point = pointOf(FeatureKind::Airport, TableKind::Airport, row);
    point.label = cell(TableKind::Airport, row, airport::Identifier);
    setElevations(point, airport::kElevation);
    addPoint(std::move(point), airport::kReferencePoint, "airport reference point");
  }

  void addRunway(int row) {
    SurveyRunway runway;
    runway.row = row;
    runway.designator1 = cell(TableKind::Runway, row, runway::RwyIdDesignator);
    runway.designator2 = cell(TableKind::Runway, row, runway::OppositeDesignator);
    const std::string name = "runway " + runway.designator1 + "/" + runway.designator2;
    int endIndex[2] = {-1, -1};
    for (int end = 1; end <= 2; ++end) {
      const runway::EndFields& fields =
          runway::endFields(end == 1 ? runway::End::RwyId : runway::End::Opposite);
      const std::string& designator = cell(TableKind::Runway, row, fields.designator);
      SurveyPoint point = pointOf(FeatureKind::RunwayEnd, TableKind::Runway, row);
      point.end = end;
      point.label = designator;
      setElevations(point, fields.endElevation);
      endIndex[end - 1] = addPoint(point, fields.position, name + ", end " + designator);
      point.kind = FeatureKind::DisplacedThreshold;
      point.label = designator + " displaced threshold";
      point.joinedTo = endIndex[end - 1];
      setElevations(point, fields.displacedElevation);
      addPoint(std::move(point), fields.displacedThreshold,
               name + ", displaced threshold " + designator, true);
    }
    runway.end1 = endIndex[0];
    runway.end2 = endIndex[1];
    if (runway.end1 >= 0 && runway.end2 >= 0) {
      addProfilePoints(runway, name);
      features_.runways.push_back(std::move(runway));
    }
  }

  // A profile point lies on the centre line at its distance from the end its group names.
  void addProfilePoints(const SurveyRunway& runway, const std::string& name) {
    const Table& runways = store_.runways();
    for (int field = runway::kFirstProfileGroup; field <= runway::kLastProfileGroup;
         field += runway::kProfileGroupSize) {
      const runway::ProfileGroupFields group = runway::profileGroup(field);
      const std::string& designator = runways.cell(runway.row, group.end);
      if (designator.empty()) continue;
      const bool fromEnd2 = designator == runway.designator2 && designator != runway.designator1;
      const int from = fromEnd2 ? runway.end2 : runway.end1;
      const int towards = fromEnd2 ? runway.end1 : runway.end2;
      const std::string& distanceText = runways.cell(runway.row, group.distance);
      const auto distance = plainDecimalValue(distanceText);
      const std::string what = name + ", profile point " + designator + " + " + distanceText;
      if (!distance) {
        features_.notPlaced.push_back(
            {TableKind::Runway, runway.row, what, "distance is not a number"});
        continue;
      }
      SurveyPoint point = pointOf(FeatureKind::ProfilePoint, TableKind::Runway, runway.row);
      point.field = field;
      point.label = designator + " + " + distanceText;
      point.at = alongGeodesic(features_.points[static_cast<std::size_t>(from)].at,
                               features_.points[static_cast<std::size_t>(towards)].at, *distance);
      point.joinedTo = from;
      setElevations(point, group.elevation);
      features_.points.push_back(std::move(point));
    }
  }

  void addNavaid(int row) {
    SurveyPoint point = pointOf(FeatureKind::Navaid, TableKind::Navaid, row);
    const std::string& type = cell(TableKind::Navaid, row, navaid::Type);
    const std::string& identifier = cell(TableKind::Navaid, row, navaid::Identifier);
    point.navaidClass = navaidClassOf(type);
    const std::string shortType = type.substr(0, type.find(" - "));
    point.label = identifier.empty() ? shortType : identifier + " " + shortType;
    setElevations(point, navaid::kElevation);
    const std::string what = "navaid " + point.label;
    const int centre = addPoint(point, navaid::kPosition, what);
    const std::string& answer = cell(TableKind::Navaid, row, navaid::AssociatedPoint);
    if (answer != "PP" && answer != "CLPT") return;
    point.kind = FeatureKind::AssociatedPoint;
    point.label = answer;
    point.joinedTo = centre;
    setElevations(point, navaid::kAssociatedElevation);
    addPoint(std::move(point), navaid::kAssociatedPosition, what + ", " + answer);
  }

  void addObstruction(int row) {
    SurveyPoint point = pointOf(FeatureKind::Obstruction, TableKind::Obstruction, row);
    point.label = cell(TableKind::Obstruction, row, obstruction::Object);
    point.surfaceCode = surfaceCodeOf(cell(TableKind::Obstruction, row, obstruction::Surface));
    point.heightAgl =
        plainDecimalValue(cell(TableKind::Obstruction, row, obstruction::AboveGroundElevation));
    setElevations(point, obstruction::kTopElevation);
    const std::string what = "obstruction " + std::to_string(row) +
                             (point.label.empty() ? "" : " (" + point.label + ")");
    addPoint(std::move(point), obstruction::kPosition, what);
  }

  const SurveyStore& store_;
  // Rows whose survey has no airport row lie north and west.
  Hemispheres hemispheres_{.south = false, .west = true};
  SurveyFeatures features_;
};

std::string elevationText(const std::optional<double>& feet) {
  if (!feet) return "-";
  return fixedText(*feet, 1) + " ft";
}

}  // namespace

SurveyFeatures collectSurveyFeatures(const SurveyStore& store, std::string_view key) {
  return Collector(store, key).take();
}

NavaidClass navaidClassOf(std::string_view type) {
  if (type.empty()) return NavaidClass::Stars;
  if (findNavaidType(electronicNavaidTypes(), type)) return NavaidClass::Electronic;
  if (findNavaidType(visualNavaidTypes(), type)) return NavaidClass::Visual;
  return NavaidClass::Stars;
}

std::string describe(const SurveyPoint& point, const SurveyStore& store) {
  const Table& table = store.table(point.table);
  std::string text;
  switch (point.kind) {
    case FeatureKind::Airport:
      text = "Airport " + point.label + " - " + table.cell(point.row, airport::Name);
      break;
    case FeatureKind::RunwayEnd:
      text = "Runway end " + point.label;
      break;
    case FeatureKind::DisplacedThreshold:
      text = "Displaced threshold of runway end " +
             table.cell(point.row,
                        point.end == 1 ? runway::RwyIdDesignator : runway::OppositeDesignator);
      break;
    case FeatureKind::ProfilePoint:
      text = "Profile point " + point.label + " ft";
      break;
    case FeatureKind::Navaid:
      text = "Navaid " + table.cell(point.row, navaid::Identifier) + " - " +
             table.cell(point.row, navaid::Type);
      break;
    case FeatureKind::AssociatedPoint:
      text = point.label + " of navaid " + table.cell(point.row, navaid::Identifier) + " - " +
             table.cell(point.row, navaid::Type);
      break;
    case FeatureKind::Obstruction:
      text = "Obstruction " + std::to_string(point.row) + ": " + point.label;
      break;
  }
  if (!point.latitudeText.empty()) {
    text += "\n" + point.latitudeText + "  " + point.longitudeText;
  }
  text += "\nElevation " + elevationText(point.orthometric) + " orthometric, " +
          elevationText(point.ellipsoidal) + " ellipsoidal";
  if (point.kind == FeatureKind::Obstruction) {
    text += "\nAGL " + elevationText(point.heightAgl) + ", surface " +
            (point.surfaceCode.empty() ? std::string("none") : point.surfaceCode);
  }
  return text;
}

}  // namespace survey::map
