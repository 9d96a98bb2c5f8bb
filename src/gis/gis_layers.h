// The layers a survey is written as for GIS and CAD tools: which points each
// holds and which record fields become its attributes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/survey_features.h"

namespace survey::gis {

enum class AttributeType { Text, Real };

struct AttributeValue {
  std::string text;            // UTF-8
  std::optional<double> real;  // Real attributes: the number, when the text is one
};

struct AttributeSpec {
  const char* name;  // at most 10 characters, so Shapefiles keep it whole
  AttributeType type;
};

enum class GeometryKind { Point, Line, Polygon };

struct LayerFeature {
  std::vector<map::GeoPosition> positions;     // one (point), two (line) or the rings'
  std::vector<std::optional<double>> heights;  // Z per position, feet
  std::vector<AttributeValue> values;          // one per attribute of the layer
  std::vector<std::size_t> ringSizes = {};     // polygons: positions per ring, outer first
  std::string cadLayer = {};                   // DXF: its own CAD layer, else the layer's name
};

struct Layer {
  const char* name;
  GeometryKind geometry;
  std::vector<AttributeSpec> attributes;
  std::vector<LayerFeature> features;
};

// airport, runways, runway_ends, displaced_thresholds, profile_points, navaids,
// associated_points, obstructions, surfaces; every layer is present, empty or not.
std::vector<Layer> surveyLayers(const SurveyStore& store, const map::SurveyFeatures& features);

}  // namespace survey::gis
