// Each format is read back through GDAL itself, as a GIS would open it.
#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogrsf_frmts.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "evaluation/reference_airport.h"
#include "gis/gis_layers.h"
#include "gis/gis_writer.h"
#include "map/survey_sample.h"
#include "store/file_io.h"
#include "store/store_files.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey::gis {
namespace {

namespace fs = std::filesystem;
using testing::kArpLatitude;
using testing::kArpLongitude;

// Field names as OGR compares them, without regard to case: GDAL's KML reader gives an
// attribute "name" back in its own placemark field "Name".
struct FieldNameLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
  }
};

struct ReadFeature {
  double x = 0, y = 0, z = 0;
  std::map<std::string, std::string, FieldNameLess> fields;
};
using ReadBack = std::map<std::string, std::vector<ReadFeature>>;  // by survey layer

// The names in a folder, sorted.
std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> all;
  for (const auto& entry : fs::directory_iterator(folder)) all.push_back(entry.path().filename());
  std::sort(all.begin(), all.end());
  return all;
}

// Reads every layer; `groupBy` names the field that tells the survey layer when the format
// holds them all in one (GeoJSON's "layer", DXF's "Layer").
void readInto(const fs::path& path, ReadBack& out, const char* groupBy = nullptr,
              const std::string& as = {}) {
  GDALAllRegister();
  GDALDataset* dataset = static_cast<GDALDataset*>(
      GDALOpenEx(path.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
  ASSERT_NE(dataset, nullptr) << path;
  for (OGRLayer* layer : dataset->GetLayers()) {
    for (auto& feature : *layer) {
      ReadFeature read;
      if (const OGRGeometry* geometry = feature->GetGeometryRef()) {
        if (wkbFlatten(geometry->getGeometryType()) == wkbPoint) {
          const auto* point = geometry->toPoint();
          read = {point->getX(), point->getY(), point->getZ(), {}};
        } else if (wkbFlatten(geometry->getGeometryType()) == wkbLineString) {
          const auto* line = geometry->toLineString();
          read = {line->getX(0), line->getY(0), line->getZ(0), {}};
          read.fields["end2"] = std::to_string(line->getY(1));
        } else if (wkbFlatten(geometry->getGeometryType()) == wkbPolygon) {
          const auto* ring = geometry->toPolygon()->getExteriorRing();
          read = {ring->getX(0), ring->getY(0), ring->getZ(0), {}};
        }
      }
      for (int i = 0; i < feature->GetFieldCount(); ++i) {
        if (feature->IsFieldSetAndNotNull(i)) {
          read.fields[feature->GetFieldDefnRef(i)->GetNameRef()] = feature->GetFieldAsString(i);
        }
      }
      std::string group = !as.empty() ? as : layer->GetName();
      if (groupBy) group = read.fields[groupBy];
      out[group].push_back(std::move(read));
    }
  }
  GDALClose(dataset);
}

ReadBack readBack(const fs::path& file, GisFormat format) {
  ReadBack out;
  switch (format) {
    case GisFormat::GeoJson:
      readInto(file, out, "layer");
      break;
    case GisFormat::Dxf:
      readInto(file, out, "Layer");
      // Each surface has a CAD layer of its own.
      for (auto it = out.begin(); it != out.end();) {
        if (!it->first.starts_with("surfaces-")) {
          ++it;
          continue;
        }
        out["surfaces"].push_back(it->second.front());
        it = out.erase(it);
      }
      break;
    case GisFormat::Csv:
      for (const char* layer :
           {"airport", "runways", "runway_ends", "displaced_thresholds", "profile_points",
            "navaids", "associated_points", "obstructions", "surfaces"}) {
        readInto(csvLayerPath(file, layer), out, nullptr, layer);
      }
      for (auto& [name, features] : out) {
        for (auto& feature : features) {  // the X and Y columns are the coordinates here
          if (feature.fields.count("X")) {
            feature.x = std::stod(feature.fields["X"]);
            feature.y = std::stod(feature.fields["Y"]);
          }
        }
      }
      break;
    default:
      readInto(file, out);
  }
  return out;
}

// The first layer's coordinate system is NAD83's.
bool holdsNad83(const fs::path& path) {
  auto* dataset = static_cast<GDALDataset*>(
      GDALOpenEx(path.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
  if (!dataset) return false;
  const OGRSpatialReference* srs = dataset->GetLayer(0)->GetSpatialRef();
  OGRSpatialReference nad83;
  nad83.importFromEPSG(4269);
  const char* criteria[] = {"CRITERION=EQUIVALENT", "IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES",
                            nullptr};
  const bool same = srs && srs->IsSame(&nad83, criteria);
  GDALClose(dataset);
  return same;
}

// Every attribute of every feature reads back under its own name with the value written.
void expectEveryAttribute(ReadBack& read, const std::vector<Layer>& layers) {
  for (const Layer& layer : layers) {
    ASSERT_EQ(read[layer.name].size(), layer.features.size()) << layer.name;
    for (std::size_t f = 0; f < layer.features.size(); ++f) {
      for (std::size_t a = 0; a < layer.attributes.size(); ++a) {
        const AttributeValue& written = layer.features[f].values[a];
        const std::string got = read[layer.name][f].fields[layer.attributes[a].name];
        SCOPED_TRACE(std::string(layer.name) + " " + layer.attributes[a].name);
        const bool real = layer.attributes[a].type == AttributeType::Real;
        if (real && written.real) {
          EXPECT_DOUBLE_EQ(got.empty() ? NAN : std::stod(got), *written.real);
        } else {
          EXPECT_EQ(got, real ? "" : written.text);  // a number field holds no other text
        }
      }
    }
  }
}

const std::map<std::string, std::size_t> kExpectedCounts = {
    {"airport", 1},        {"runways", 1}, {"runway_ends", 2},       {"displaced_thresholds", 1},
    {"profile_points", 2}, {"navaids", 3}, {"associated_points", 1}, {"obstructions", 1},
    {"surfaces", 2}};  // the horizontal and conical surfaces

TEST(GisExport, EveryFormatReadsBackWithLayersCoordinatesAndAttributes) {
  struct Case {
    const char* file;
    GisFormat format;
    bool attributes;  // DXF carries no free attributes
  };
  const Case cases[] = {
      {"survey.gpkg", GisFormat::GeoPackage, true}, {"survey.geojson", GisFormat::GeoJson, true},
      {"survey.kml", GisFormat::Kml, true},         {"survey.dxf", GisFormat::Dxf, false},
      {"survey.shp", GisFormat::Shapefile, true},   {"survey.csv", GisFormat::Csv, true},
  };
  SurveyStore store;
  testing::addSouthernSurvey(store);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    testing::TempDir dir;
    const GisResult result = writeSurveyGis(store, "SBB", dir.path() / c.file);
    ASSERT_TRUE(result.ok) << result.message;
    const std::string into = c.format == GisFormat::Csv ? "9 CSV files beside " : "";
    EXPECT_NE(result.message.find("Wrote 14 features of survey SBB to " + into), std::string::npos)
        << result.message << " (one CSV file per layer, side files not counted)";
    EXPECT_NE(result.message.find("2 records have no usable position"), std::string::npos);
    for (const auto& name : namesIn(dir.path()))
      EXPECT_EQ(name.find(".writing-"), std::string::npos);

    ReadBack read = readBack(dir.path() / c.file, c.format);
    for (const auto& [layer, count] : kExpectedCounts) {
      EXPECT_EQ(read[layer].size(), count) << layer;
    }
    ASSERT_EQ(read["airport"].size(), 1u);
    ReadFeature& arp = read["airport"][0];
    EXPECT_NEAR(arp.y, kArpLatitude, 1e-9);   // south: negative
    EXPECT_NEAR(arp.x, kArpLongitude, 1e-9);  // east: positive
    if (c.format != GisFormat::Csv) {
      EXPECT_NEAR(arp.z, 21.0, 1e-9);
    }
    if (!c.attributes) continue;
    expectEveryAttribute(read, surveyLayers(store, map::collectSurveyFeatures(store, "SBB")));
    // KML is always WGS 84; CSV holds no coordinate system.
    if (c.format != GisFormat::Csv && c.format != GisFormat::Kml) {
      EXPECT_TRUE(holdsNad83(dir.path() / c.file));
    }
    EXPECT_EQ(arp.fields["name"], "Botany Bay Aer\u00f3dromo");
    EXPECT_EQ(std::stod(arp.fields["elev_ellip"]), 43.5);
    ASSERT_EQ(read["obstructions"].size(), 1u);
    auto& tree = read["obstructions"][0].fields;
    EXPECT_EQ(tree["object"], "TREE");
    EXPECT_EQ(tree["surf_code"], "PIR");
    EXPECT_EQ(tree["surface"], "not evaluated");  // listed for no runway end
    EXPECT_EQ(tree["penetr"], "");
    auto& horizontal = read["surfaces"][0].fields;
    EXPECT_EQ(horizontal["surface"], "horizontal");
    EXPECT_EQ(std::stod(horizontal["elev_low"]), 171.0);
    EXPECT_NEAR(read["surfaces"][0].z, 171.0, 1e-9);
    EXPECT_EQ(std::stod(tree["agl_ft"]), 60);
    EXPECT_EQ(tree["acc_horiz"], "1 - +/- 20 FT");
    auto& runway = read["runways"][0].fields;
    EXPECT_EQ(runway["rwy_id"] + "/" + runway["opp_rwy"], "16/34");
    EXPECT_EQ(std::stod(runway["length_ft"]), 8000);
    std::map<std::string, std::string> kinds;
    for (auto& navaid : read["navaids"]) kinds[navaid.fields["label"]] = navaid.fields["kind"];
    EXPECT_EQ(kinds, (std::map<std::string, std::string>{
                         {"ISBB GS", "electronic"}, {"PAPI", "visual"}, {"WIND CONE", "STARS"}}));
  }
}

TEST(GisExport, RefusesWithAMessageAndWritesNothing) {
  SurveyStore store;
  testing::addSouthernSurvey(store);
  store.current.surveyType = "AOC";
  store.appendAirport({{1, "Empty Field"}, {3, "EMP"}});
  testing::TempDir dir;
  fs::create_directories(dir.path() / "taken.shp");
  std::ofstream(dir.path() / "taken.shp" / "notes.txt") << "mine";
  // A store beside it, and names in the export folder that lead to its files.
  const fs::path storeDir = dir.path() / "store";
  fs::create_directories(storeDir);
  ASSERT_TRUE(saveStore(store, storeDir).ok());
  fs::create_hard_link(storeDir / "survey_apt.txt", dir.path() / "hard.geojson");
  fs::create_symlink(storeDir / "survey_gs.txt", dir.path() / "link.kml");
  const std::string airports = readWholeFile(storeDir / "survey_apt.txt").bytes;
  const auto before = namesIn(dir.path());
  for (const auto& c : testing::caseTable("map/gis_refusals.cases", 4)) {
    const fs::path file = dir.path() / c[1];
    const GisResult result =
        writeSurveyGis(store, c[0], file, c[3].empty() ? fs::path() : storeDir);
    EXPECT_FALSE(result.ok) << file;
    EXPECT_NE(result.message.find(c[2]), std::string::npos) << result.message;
    EXPECT_EQ(namesIn(dir.path()), before) << file;
    EXPECT_EQ(readWholeFile(storeDir / "survey_apt.txt").bytes, airports);
  }
}

TEST(GisExport, ReplacesAnExistingFileOnlyWithACompleteOne) {
  SurveyStore store;
  testing::addSouthernSurvey(store);
  testing::TempDir dir;
  for (const char* name : {"site.gpkg", "site.geojson", "site.shp"}) {
    const fs::path file = dir.path() / name;
    ASSERT_TRUE(writeSurveyGis(store, "SBB", file).ok);
    // A survey with nothing placeable is refused: the earlier export stays as it was.
    store.obstructions().setCell(1, 9, "999");
    store.airports().setCell(1, 41, "edited");
    SurveyStore empty;
    empty.current.surveyType = "AOC";
    empty.appendAirport({{3, "SBB"}});
    ASSERT_FALSE(writeSurveyGis(empty, "SBB", file).ok);
    EXPECT_EQ(readBack(file, gisFormatOf(file)->format)["airport"].size(), 1u) << name;
    // A new export replaces it whole.
    ASSERT_TRUE(writeSurveyGis(store, "SBB", file).ok);
    ReadBack read = readBack(file, gisFormatOf(file)->format);
    EXPECT_EQ(read["airport"][0].fields["status"], "edited") << name;
    EXPECT_EQ(read["obstructions"].size(), 1u) << name;
    store.airports().setCell(1, 41, "");
  }
  EXPECT_EQ(namesIn(dir.path()),
            (std::vector<std::string>{"site.geojson", "site.gpkg", "site.shp"}));
}

}  // namespace
}  // namespace survey::gis

namespace survey::gis {
namespace {

// Each surface on a CAD layer named after it and its runway; the obstructions' judgement
// written as numbers where there is one and left empty where there is none.
TEST(GisExport, SurfacesHaveTheirOwnCadLayersAndObstructionsTheirJudgement) {
  SurveyStore store;
  evaluation::testing::ReferenceAirport airport{evaluation::testing::kNorthWest, true, &store};
  airport.add("05", "BV", airport.at(0, 2200, 0), 1110, "TREE");  // 10.0 ft above the approach
  testing::TempDir dir;
  const auto write = [&](const char* name) {
    const GisResult result = writeSurveyGis(store, "KREF", dir.path() / name);
    EXPECT_TRUE(result.ok) << result.message;
    return (dir.path() / name).string();
  };
  const std::string dxf = write("kref.dxf");
  std::vector<std::string> cadLayers;
  auto* dataset =
      static_cast<GDALDataset*>(GDALOpenEx(dxf.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
  ASSERT_NE(dataset, nullptr);
  for (auto& feature : *dataset->GetLayer(0)) {
    const std::string name = feature->GetFieldAsString("Layer");
    if (name.starts_with("surfaces-") && std::ranges::find(cadLayers, name) == cadLayers.end()) {
      cadLayers.push_back(name);
    }
  }
  GDALClose(dataset);
  EXPECT_EQ(cadLayers, (std::vector<std::string>{"surfaces-primary-05-23", "surfaces-approach-05",
                                                 "surfaces-approach-23", "surfaces-horizontal",
                                                 "surfaces-conical"}));

  const std::string gpkg = write("kref.gpkg");
  dataset = static_cast<GDALDataset*>(
      GDALOpenEx(gpkg.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
  ASSERT_NE(dataset, nullptr);
  std::map<std::string, std::vector<std::string>>
      judged;  // object -> surface, elevation, penetration
  for (auto& feature : *dataset->GetLayerByName("obstructions")) {
    std::vector<std::string>& values = judged[feature->GetFieldAsString("label")];
    for (const char* field : {"surface", "surf_elev", "penetr"}) {
      values.push_back(feature->IsFieldSetAndNotNull(feature->GetFieldIndex(field))
                           ? feature->GetFieldAsString(field)
                           : "");
    }
  }
  GDALClose(dataset);
  ASSERT_EQ(judged.size(), 2u);
  // The reference airport's two POLEs lie far out, under no surface: judged, but no numbers.
  EXPECT_EQ(judged["POLE"], (std::vector<std::string>{"outside", "", "", "outside", "", ""}));
  EXPECT_EQ(judged["TREE"], (std::vector<std::string>{"approach", "1100", "10"}));
}

}  // namespace
}  // namespace survey::gis
