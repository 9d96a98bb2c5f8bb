// Importing 15,000 obstructions from a GeoPackage into an empty survey: read, judged
// row by row (duplicates looked for among all) and appended. Target: under a second.
#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <filesystem>
#include <stdexcept>

#include "gis/obstruction_import.h"

namespace {

using namespace survey;

constexpr int kPoints = 15000;

// A GeoPackage of kPoints points on a grid north and west, with the usual attributes.
const std::filesystem::path& pointFile() {
  static const std::filesystem::path file = [] {
    const auto path = std::filesystem::temp_directory_path() / "survey_bench_obstructions.gpkg";
    std::filesystem::remove(path);
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GPKG");
    GDALDataset* dataset = driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    OGRSpatialReference nad83;
    nad83.importFromEPSG(4269);
    OGRLayer* layer = dataset->CreateLayer("obstructions", &nad83, wkbPoint25D, nullptr);
    for (const char* name : {"object", "surf_code", "survey_dt"}) {
      OGRFieldDefn field(name, OFTString);
      layer->CreateField(&field);
    }
    if (layer->StartTransaction() != OGRERR_NONE) throw std::runtime_error("no transaction");
    for (int i = 0; i < kPoints; ++i) {
      OGRFeature feature(layer->GetLayerDefn());
      feature.SetField("object", ("OBJ" + std::to_string(i)).c_str());
      feature.SetField("surf_code", "PIR");
      feature.SetField("survey_dt", "05/14/2026");
      OGRPoint point(-122.5 + (i % 150) * 0.001, 47.5 + (i / 150) * 0.001, 300 + i % 200);
      feature.SetGeometry(&point);
      if (layer->CreateFeature(&feature) != OGRERR_NONE) throw std::runtime_error("no point");
    }
    if (layer->CommitTransaction() != OGRERR_NONE) throw std::runtime_error("not written");
    GDALClose(dataset);
    return path;
  }();
  return file;
}

void BM_ImportObstructionsFromGeoPackage(benchmark::State& state) {
  const auto& file = pointFile();
  for (auto _ : state) {
    SurveyStore store;
    store.current.surveyType = "AOC";
    store.appendAirport({{3, "PAE"}, {39, "True"}, {40, "False"}});
    const gis::ImportPreview preview = gis::previewObstructionImport(store, "PAE", file, {});
    const gis::ImportOutcome outcome = gis::applyObstructionImport(store, preview);
    if (outcome.added != kPoints) state.SkipWithError("not every point was imported");
    benchmark::DoNotOptimize(store);
  }
}
BENCHMARK(BM_ImportObstructionsFromGeoPackage)->Unit(benchmark::kMillisecond);

}  // namespace
