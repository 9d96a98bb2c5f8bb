#include "gis/gis_layers.h"

#include <functional>

#include "evaluation/obstruction_evaluation.h"
#include "evaluation/surface_outlines.h"
#include "map/surface_features.h"
#include "store/number_text.h"
#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/schema/runway_fields.h"
#include "store/text_encoding.h"

namespace survey::gis {

namespace {

using map::FeatureKind;
using map::SurveyPoint;

// Where an attribute's value comes from: a field of the record (end 2 of a runway reads
// `fieldEnd2`; a profile point counts from its group's first field), or a computation.
struct Source {
  AttributeSpec spec;
  int field = 0;
  int fieldEnd2 = 0;
  std::function<std::string(const SurveyPoint&)> compute = {};
};

Source text(const char* name, int field, int fieldEnd2 = 0) {
  return {{name, AttributeType::Text}, field, fieldEnd2};
}
Source real(const char* name, int field, int fieldEnd2 = 0) {
  return {{name, AttributeType::Real}, field, fieldEnd2};
}

std::string utf8(const std::string& text) {
  return isValidUtf8(text) ? text : windows1252ToUtf8(text);
}

std::string navaidClassName(const SurveyPoint& point) {
  switch (point.navaidClass) {
    case map::NavaidClass::Electronic:
      return "electronic";
    case map::NavaidClass::Visual:
      return "visual";
    default:
      return "STARS";
  }
}

struct LayerRecipe {
  const char* name;
  FeatureKind kind;
  std::vector<Source> sources;
};

const std::vector<LayerRecipe>& pointRecipes() {
  const auto label =
      Source{{"label", AttributeType::Text}, 0, 0, [](const SurveyPoint& p) { return p.label; }};
  const runway::EndFields& rwy = runway::kRwyIdEnd;
  const runway::EndFields& opp = runway::kOppositeEnd;
  // A profile point's fields count from its group's first field.
  constexpr runway::ProfileGroupFields group = runway::profileGroup(0);
  static const std::vector<LayerRecipe> recipes = {
      {"airport",
       FeatureKind::Airport,
       {label, text("ident", airport::Identifier), text("name", airport::Name),
        text("site_no", airport::SiteNumber), text("region", airport::Region),
        text("city", airport::City), text("state", airport::State),
        text("survey_dt", airport::SurveyDate), real("elev_orth", airport::ElevationOrthometric),
        real("elev_ellip", airport::ElevationEllipsoidal),
        real("mag_decl", airport::MagneticDeclination), text("vert_datum", airport::VerticalDatum),
        text("surv_type", airport::SurveyType), text("status", airport::Status)}},
      {"runway_ends",
       FeatureKind::RunwayEnd,
       {label, text("designator", rwy.designator, opp.designator),
        text("azimuth", rwy.geodeticAzimuth, opp.geodeticAzimuth),
        real("elev_orth", rwy.endElevation.orthometric, opp.endElevation.orthometric),
        real("elev_ellip", rwy.endElevation.ellipsoidal, opp.endElevation.ellipsoidal),
        real("tdz_orth", rwy.touchdownElevation.orthometric, opp.touchdownElevation.orthometric),
        real("tdz_ellip", rwy.touchdownElevation.ellipsoidal, opp.touchdownElevation.ellipsoidal),
        text("blast_pad", rwy.blastPad, opp.blastPad),
        real("thr_len_ft", rwy.displacedLength, opp.displacedLength),
        text("survey_dt", runway::SurveyDate, runway::SurveyDate)}},
      {"displaced_thresholds",
       FeatureKind::DisplacedThreshold,
       {label, text("designator", rwy.designator, opp.designator),
        real("thr_len_ft", rwy.displacedLength, opp.displacedLength),
        real("elev_orth", rwy.displacedElevation.orthometric, opp.displacedElevation.orthometric),
        real("elev_ellip", rwy.displacedElevation.ellipsoidal,
             opp.displacedElevation.ellipsoidal)}},
      {"profile_points",
       FeatureKind::ProfilePoint,
       {label, text("designator", group.end), real("dist_ft", group.distance),
        real("elev_orth", group.elevation.orthometric),
        real("elev_ellip", group.elevation.ellipsoidal)}},
      {"navaids",
       FeatureKind::Navaid,
       {label, text("ident", navaid::Identifier), text("type", navaid::Type),
        Source{{"kind", AttributeType::Text}, 0, 0, navaidClassName},
        text("runway", navaid::Runway), real("elev_orth", navaid::ElevationOrthometric),
        real("elev_ellip", navaid::ElevationEllipsoidal), text("assoc_pt", navaid::AssociatedPoint),
        text("offset_dir", navaid::OffsetDirection), real("dist_ft", navaid::Distance),
        text("survey_dt", navaid::SurveyDate)}},
      {"associated_points",
       FeatureKind::AssociatedPoint,
       {label, text("ident", navaid::Identifier), text("type", navaid::Type),
        text("assoc_pt", navaid::AssociatedPoint),
        real("elev_orth", navaid::AssociatedElevationOrthometric),
        real("elev_ellip", navaid::AssociatedElevationEllipsoidal)}},
      {"obstructions",
       FeatureKind::Obstruction,
       {label, text("object", obstruction::Object), text("runway", obstruction::RwyId),
        text("ois", obstruction::Surface),
        Source{{"surf_code", AttributeType::Text},
               0,
               0,
               [](const SurveyPoint& p) { return p.surfaceCode; }},
        real("elev_orth", obstruction::TopElevationOrthometric),
        real("elev_ellip", obstruction::TopElevationEllipsoidal),
        real("agl_ft", obstruction::AboveGroundElevation),
        text("acc_horiz", obstruction::AccuracyHorizontal),
        text("acc_vert", obstruction::AccuracyVertical),
        text("survey_dt", obstruction::SurveyDate)}},
  };
  return recipes;
}

AttributeValue valueOf(const Source& source, const SurveyPoint& point, const Table& table) {
  AttributeValue value;
  if (source.compute) {
    value.text = source.compute(point);
  } else {
    int field = point.end == 2 && source.fieldEnd2 ? source.fieldEnd2 : source.field;
    if (point.kind == FeatureKind::ProfilePoint) field += point.field;
    value.text = table.cell(point.row, field);
  }
  value.text = utf8(value.text);
  if (source.spec.type == AttributeType::Real) value.real = plainDecimalValue(value.text);
  return value;
}

std::vector<AttributeSpec> specsOf(const std::vector<Source>& sources) {
  std::vector<AttributeSpec> specs;
  for (const auto& source : sources) specs.push_back(source.spec);
  return specs;
}

Layer runwayLayer(const SurveyStore& store, const map::SurveyFeatures& features) {
  const std::vector<Source> sources = {text("rwy_id", 2),    text("opp_rwy", 27),
                                       real("length_ft", 5), real("width_ft", 6),
                                       text("surface", 7),   text("survey_dt", 1)};
  Layer layer{"runways", GeometryKind::Line, specsOf(sources), {}};
  for (const auto& runway : features.runways) {
    const SurveyPoint& end1 = features.points[static_cast<std::size_t>(runway.end1)];
    const SurveyPoint& end2 = features.points[static_cast<std::size_t>(runway.end2)];
    LayerFeature feature{{end1.at, end2.at}, {end1.orthometric, end2.orthometric}, {}};
    SurveyPoint record = end1;
    record.end = 1;
    for (const auto& source : sources) {
      feature.values.push_back(valueOf(source, record, store.runways()));
    }
    layer.features.push_back(std::move(feature));
  }
  return layer;
}

// The obstructions' judgement against the surfaces: which surface, its elevation there
// and the penetration (positive: above it). The layer holds the obstruction points in
// their order, each with its three values, empty where it was not judged.
void addEvaluation(Layer& obstructions, const map::SurveyFeatures& features,
                   std::vector<evaluation::ObstructionEvaluation> evaluations) {
  obstructions.attributes.push_back({"surface", AttributeType::Text});
  obstructions.attributes.push_back({"surf_elev", AttributeType::Real});
  obstructions.attributes.push_back({"penetr", AttributeType::Real});
  const auto verdicts = map::verdictsOfPoints(features, std::move(evaluations));
  std::size_t index = 0;
  for (std::size_t i = 0; i < features.points.size(); ++i) {
    if (features.points[i].kind != FeatureKind::Obstruction) continue;
    auto& values = obstructions.features[index++].values;
    if (!verdicts[i]) {
      values.insert(values.end(), 3, AttributeValue{});
      continue;
    }
    const evaluation::Verdict& verdict = *verdicts[i];
    values.push_back({std::string(evaluation::surfaceKindName(verdict.surface)), {}});
    values.push_back({evaluation::tenthText(verdict.surfaceElevation), verdict.surfaceElevation});
    values.push_back({evaluation::tenthText(verdict.penetration), verdict.penetration});
  }
}

// "surfaces-approach-05": a CAD layer name without the characters CAD tools refuse.
std::string cadLayerOf(const evaluation::SurfaceOutline& outline) {
  std::string name = "surfaces-" + std::string(evaluation::surfaceKindName(outline.kind));
  if (!outline.runway.empty()) name += '-';
  for (char c : outline.runway) name += c == '/' || c == ' ' ? '-' : c;
  return name;
}

Layer surfacesLayer(const evaluation::AirportSurfaces& surfaces) {
  Layer layer{"surfaces",
              GeometryKind::Polygon,
              {{"name", AttributeType::Text},
               {"surface", AttributeType::Text},
               {"elev_low", AttributeType::Real},
               {"elev_high", AttributeType::Real}},
              {}};
  for (const auto& outline : evaluation::surfaceOutlines(surfaces)) {
    LayerFeature feature;
    double low = outline.rings[0][0].elevation, high = low;
    for (const auto& ring : outline.rings) {
      for (const auto& vertex : ring) {
        feature.positions.push_back(vertex.at);
        feature.heights.push_back(vertex.elevation);
        low = std::min(low, vertex.elevation);
        high = std::max(high, vertex.elevation);
      }
      feature.ringSizes.push_back(ring.size());
    }
    feature.values = {{outline.name, {}},
                      {std::string(evaluation::surfaceKindName(outline.kind)), {}},
                      {evaluation::tenthText(low), low},
                      {evaluation::tenthText(high), high}};
    feature.cadLayer = cadLayerOf(outline);
    layer.features.push_back(std::move(feature));
  }
  return layer;
}

}  // namespace

std::vector<Layer> surveyLayers(const SurveyStore& store, const map::SurveyFeatures& features) {
  const auto surfaces = evaluation::AirportSurfaces::ofSurvey(store, features.key);
  std::vector<Layer> layers;
  for (const auto& recipe : pointRecipes()) {
    Layer layer{recipe.name, GeometryKind::Point, specsOf(recipe.sources), {}};
    for (const auto& point : features.points) {
      if (point.kind != recipe.kind) continue;
      LayerFeature feature{{point.at}, {point.orthometric}, {}};
      for (const auto& source : recipe.sources) {
        feature.values.push_back(valueOf(source, point, store.table(point.table)));
      }
      layer.features.push_back(std::move(feature));
    }
    if (recipe.kind == FeatureKind::Obstruction) {
      addEvaluation(layer, features,
                    evaluation::evaluateObstructions(store, features.key, surfaces));
    }
    layers.push_back(std::move(layer));
    if (recipe.kind == FeatureKind::Airport) layers.push_back(runwayLayer(store, features));
  }
  layers.push_back(surfacesLayer(surfaces));
  return layers;
}

}  // namespace survey::gis
