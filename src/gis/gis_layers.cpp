#include "gis/gis_layers.h"

#include <functional>

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
  static const std::vector<LayerRecipe> recipes = {
      {"airport",
       FeatureKind::Airport,
       {label, text("ident", 3), text("name", 1), text("site_no", 2), text("region", 4),
        text("city", 6), text("state", 20), text("survey_dt", 5), real("elev_orth", 13),
        real("elev_ellip", 14), real("mag_decl", 16), text("vert_datum", 22), text("surv_type", 25),
        text("status", 41)}},
      {"runway_ends",
       FeatureKind::RunwayEnd,
       {label, text("designator", 2, 27), text("azimuth", 4, 29), real("elev_orth", 14, 36),
        real("elev_ellip", 15, 37), real("tdz_orth", 16, 38), real("tdz_ellip", 17, 39),
        text("blast_pad", 3, 28), real("thr_len_ft", 24, 46), text("survey_dt", 1, 1)}},
      {"displaced_thresholds",
       FeatureKind::DisplacedThreshold,
       {label, text("designator", 2, 27), real("thr_len_ft", 24, 46), real("elev_orth", 25, 47),
        real("elev_ellip", 26, 48)}},
      {"profile_points",
       FeatureKind::ProfilePoint,
       {label, text("designator", 0), real("dist_ft", 1), real("elev_orth", 2),
        real("elev_ellip", 3)}},
      {"navaids",
       FeatureKind::Navaid,
       {label, text("ident", 2), text("type", 15),
        Source{{"kind", AttributeType::Text}, 0, 0, navaidClassName}, text("runway", 1),
        real("elev_orth", 9), real("elev_ellip", 10), text("assoc_pt", 11), text("offset_dir", 13),
        real("dist_ft", 14), text("survey_dt", 18)}},
      {"associated_points",
       FeatureKind::AssociatedPoint,
       {label, text("ident", 2), text("type", 15), text("assoc_pt", 11), real("elev_orth", 26),
        real("elev_ellip", 27)}},
      {"obstructions",
       FeatureKind::Obstruction,
       {label, text("object", 2), text("runway", 1), text("surface", 21),
        Source{{"surf_code", AttributeType::Text},
               0,
               0,
               [](const SurveyPoint& p) { return p.surfaceCode; }},
        real("elev_orth", 9), real("elev_ellip", 10), real("agl_ft", 12), text("acc_horiz", 19),
        text("acc_vert", 20), text("survey_dt", 23)}},
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
  if (source.spec.type == AttributeType::Real) value.real = map::parseDecimal(value.text);
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

}  // namespace

std::vector<Layer> surveyLayers(const SurveyStore& store, const map::SurveyFeatures& features) {
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
    layers.push_back(std::move(layer));
    if (recipe.kind == FeatureKind::Airport) layers.push_back(runwayLayer(store, features));
  }
  return layers;
}

}  // namespace survey::gis
