// Obstructions imported from the formats GIS and CAD tools write: one reference set, turned
// into each format by ogr2ogr, must come back field by field.
#include "gis/obstruction_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "gis/gis_writer.h"
#include "store/schema/airport_fields.h"
#include "store/schema/obstruction_fields.h"
#include "support/fakes.h"
#include "survey/obstruction_surfaces.h"

namespace survey::gis {
namespace {

namespace fs = std::filesystem;
namespace ob = obstruction;

constexpr const char* kOgr2ogr = "/usr/bin/ogr2ogr";
constexpr const char* kKey = "PAE";

struct Reference {
  const char* object;
  int latD, latM;
  double latS;
  int lonD, lonM;
  double lonS;
  int top, agl;
  const char *runway, *surface, *horizontal, *vertical, *date;
};

// North and west, inside UTM zone 10.
const Reference kReference[] = {
    {"TREE", 47, 54, 12.34, 122, 16, 45.5, 612, 80, "16R", "PIR", "1", "A", "05/14/2026"},
    {"POLE", 47, 55, 1.07, 122, 17, 3.21, 655, 45, "34L", "C", "2", "B", "05/15/2026"},
    {"ANTENNA", 47, 53, 59.99, 122, 15, 0, 701, 120, "", "HCT", "3", "E", ""},
};

std::string number(double value) {
  char buffer[32];
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string secondsText(double seconds) {
  return number(std::round(seconds * 100) / 100);
}

void addSurvey(SurveyStore& store, const char* key) {
  store.current.surveyType = "AOC";
  store.appendAirport({{3, key}, {39, "True"}, {40, "False"}});
}

class ObstructionImport : public ::testing::Test {
 protected:
  void SetUp() override {
    addSurvey(store_, kKey);
    std::ofstream csv(path("reference.csv"));
    csv << "object,lat,lon,top,top_m,agl,runway,surf_code,acc_horiz,acc_vert,survey_dt\n";
    for (const auto& r : kReference) {
      csv << r.object << ',' << number(r.latD + r.latM / 60.0 + r.latS / 3600) << ','
          << number(-(r.lonD + r.lonM / 60.0 + r.lonS / 3600)) << ',' << r.top << ','
          << number(r.top * 0.3048) << ',' << r.agl << ',' << r.runway << ',' << r.surface << ','
          << r.horizontal << ',' << r.vertical << ',' << r.date << '\n';
    }
  }
  fs::path path(const std::string& name) const { return dir_.path() / name; }
  // The reference CSV turned by ogr2ogr into `name`; false when that failed.
  bool convert(const std::string& name, const std::string& args) const {
    const bool reprojected = args.find("-t_srs") != std::string::npos;
    const std::string command = std::string(kOgr2ogr) + " -q " + args + " '" + path(name).string() +
                                "' '" + path("reference.csv").string() +
                                "' -oo X_POSSIBLE_NAMES=lon -oo Y_POSSIBLE_NAMES=lat "
                                "-oo KEEP_GEOM_COLUMNS=NO -nln obstructions " +
                                (reprojected ? "-s_srs" : "-a_srs") + " EPSG:4269 2>/dev/null";
    return std::system(command.c_str()) == 0;
  }
  ImportPreview preview(const fs::path& file, ObstructionImportOptions options = {}) const {
    return previewObstructionImport(store_, kKey, file, options);
  }
  // Every reference row accepted and stored as the screen would store it; attributes only
  // when the format keeps them.
  void expectReference(const ImportPreview& result, bool attributes, bool agl = true) {
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.rows.size(), std::size(kReference));
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
      const Reference& r = kReference[i];
      const ImportRow& row = result.rows[i];
      SCOPED_TRACE(r.object);
      ASSERT_EQ(row.outcome, RowOutcome::Accepted) << row.message;
      const auto cell = [&row](int field) { return row.cells.at(static_cast<std::size_t>(field)); };
      const std::string expected[][2] = {{cell(ob::LatitudeDegrees), std::to_string(r.latD)},
                                         {cell(ob::LatitudeMinutes), std::to_string(r.latM)},
                                         {cell(ob::LatitudeSeconds), secondsText(r.latS)},
                                         {cell(ob::LongitudeDegrees), std::to_string(r.lonD)},
                                         {cell(ob::LongitudeMinutes), std::to_string(r.lonM)},
                                         {cell(ob::LongitudeSeconds), secondsText(r.lonS)},
                                         {cell(ob::TopElevationOrthometric), std::to_string(r.top)},
                                         {cell(ob::SurveyLink), kKey}};
      for (const auto& [got, want] : expected) EXPECT_EQ(got, want);
      if (!attributes) continue;
      EXPECT_EQ(cell(ob::Object), r.object);
      EXPECT_EQ(cell(ob::RwyId), r.runway);
      EXPECT_EQ(surfaceCodeOf(cell(ob::Surface)), r.surface);
      EXPECT_EQ(cell(ob::AccuracyHorizontal).substr(0, 1), r.horizontal);
      EXPECT_EQ(cell(ob::AccuracyVertical).substr(0, 1), r.vertical);
      EXPECT_EQ(cell(ob::SurveyDate), r.date);
      if (agl) {
        EXPECT_EQ(cell(ob::AboveGroundElevation), std::to_string(r.agl));
      }
    }
  }

  testing::TempDir dir_;
  SurveyStore store_;
};

TEST_F(ObstructionImport, EveryFormatGivesTheReferenceBack) {
  if (!fs::exists(kOgr2ogr)) GTEST_SKIP() << kOgr2ogr << " is not installed";
  const struct {
    const char* file;
    const char* args;
    ObstructionImportOptions options;
    bool attributes, agl;
  } cases[] = {
      {"ref.gpkg", "-f GPKG -oo Z_POSSIBLE_NAMES=top", {}, true, true},
      {"ref.shp", "-f 'ESRI Shapefile' -oo Z_POSSIBLE_NAMES=top", {}, true, true},
      {"ref.geojson", "-f GeoJSON", {}, true, true},
      {"ref.kml", "-f KML -oo Z_POSSIBLE_NAMES=top", {}, true, true},
      // CAD keeps no attributes and no coordinate system: the top comes from Z.
      {"ref.dxf", "-f DXF -oo Z_POSSIBLE_NAMES=top", {.srs = "EPSG:4269"}, false, false},
      // Projected, in metres: the top from Z, converted to feet.
      {"ref_utm.gpkg",
       "-f GPKG -t_srs EPSG:26910 -oo Z_POSSIBLE_NAMES=top_m -select "
       "object,runway,surf_code,acc_horiz,acc_vert,survey_dt",
       {.metres = true},
       true,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(convert(c.file, c.args));
    expectReference(preview(path(c.file), c.options), c.attributes, c.agl);
  }
  // The CSV itself, its coordinates in columns.
  expectReference(preview(path("reference.csv"), {.srs = "EPSG:4269"}), true);
}

TEST_F(ObstructionImport, OurOwnExportComesBackAsTheSameObstructions) {
  const auto first = preview(path("reference.csv"), {.srs = "EPSG:4269"});
  ASSERT_EQ(applyObstructionImport(store_, first).added, 3);
  const GisResult written = writeSurveyGis(store_, kKey, path("survey.gpkg"));
  ASSERT_TRUE(written.ok) << written.message;

  SurveyStore other;
  addSurvey(other, kKey);
  const auto again = previewObstructionImport(other, kKey, path("survey.gpkg"), {});
  ASSERT_EQ(again.error, "");
  ASSERT_EQ(applyObstructionImport(other, again).added, 3);
  for (int row = 1; row <= 3; ++row) {
    for (int field = 1; field <= ob::kWrittenFields; ++field) {
      EXPECT_EQ(other.obstructions().cell(row, field), store_.obstructions().cell(row, field))
          << "row " << row << " field " << field;
    }
  }
}

TEST_F(ObstructionImport, RefusesOrSkipsRowsWithTheScreensMessages) {
  store_.appendChild(TableKind::Obstruction, {{ob::LatitudeDegrees, "47"},
                                              {ob::LatitudeMinutes, "0"},
                                              {ob::LatitudeSeconds, "0"},
                                              {ob::LongitudeDegrees, "122"},
                                              {ob::LongitudeMinutes, "0"},
                                              {ob::LongitudeSeconds, "0"},
                                              {ob::TopElevationOrthometric, "500"}});
  const struct {
    const char *lat, *lon, *top, *surface, *date;
    RowOutcome outcome;
    std::string message;
  } cases[] = {
      {"47 10 0 N", "122 0 0 W", "100", "PIR", "05/14/2026", RowOutcome::Accepted, ""},
      {"95 10 0 N", "122 0 0 W", "100", "", "", RowOutcome::Refused,
       "95 is greater than 90.  Degree values must be between 0 and 90."},
      {"47 10 2.345 N", "122 0 0 W", "100", "", "", RowOutcome::Refused,
       "2.345:  Error (Only 2 decimal place allowed)"},
      {"47 10 0 N", "122 0 0 W", "100.5", "", "", RowOutcome::Refused,
       "100.5:  Error (Only 0 decimal place allowed)"},
      {"47 10 0 N", "122 0 0 W", "123456", "", "", RowOutcome::Refused,
       "123456:  Error (Entry too large for field)"},
      {"47 10 0 N", "122 0 0 W", "100", "", "13/01/2026", RowOutcome::Refused,
       "Date is incorrect format.  Check month. (mm/dd/yyyy)"},
      {"47 10 0 N", "122 0 0 W", "100", "", "tomorrow", RowOutcome::Refused,
       "Date is incorrect format (mm/dd/yyyy)"},
      {"-47.5", "-122.5", "100", "", "", RowOutcome::Refused,
       "the position lies in the southern hemisphere, the survey in the northern"},
      {"47.5", "122 30 0 E", "100", "", "", RowOutcome::Refused,
       "the position lies in the eastern hemisphere, the survey in the western"},
      {"47 10 0 N", "122 0 0 W", "100", "ANAPC", "", RowOutcome::Refused,
       "the surface \"ANAPC\" is not one of this survey's (AV, ANP, BV, C, D, PIR, SUPLC, HCT)"},
      {"47 10 0 N", "122 0 0 W", "", "", "", RowOutcome::Refused, "the top elevation is missing"},
      // The survey's own obstruction, and the first row again within a tenth of a second.
      {"47.0", "-122.0", "500", "", "", RowOutcome::Skipped,
       "the survey already has an obstruction here with this top elevation"},
      {"47 10 0.08 N", "122 0 0.05 W", "100", "", "", RowOutcome::Skipped,
       "the survey already has an obstruction here with this top elevation"},
      {"47 10 0.08 N", "122 0 0.05 W", "101", "", "", RowOutcome::Accepted, ""},
  };
  {
    std::ofstream csv(path("rows.csv"));
    csv << "lat;lon;top;surface;date\n";
    for (const auto& c : cases) {
      csv << c.lat << ';' << c.lon << ';' << c.top << ';' << c.surface << ';' << c.date << '\n';
    }
  }
  const auto result = preview(path("rows.csv"), {.srs = "EPSG:4269"});
  ASSERT_EQ(result.error, "");
  ASSERT_EQ(result.rows.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(result.rows[i].outcome, cases[i].outcome) << i << ": " << result.rows[i].message;
    EXPECT_EQ(result.rows[i].message, cases[i].message) << i;
  }
  EXPECT_EQ(result.rows[0].obstruction, 2);
  EXPECT_EQ(result.rows.back().obstruction, 3);
  EXPECT_EQ(result.rows[0].latitude, "47°10'0\" N");
}

TEST_F(ObstructionImport, RefusesTheWholeFile) {
  const struct {
    fs::path file;
    ObstructionImportOptions options;
    std::string error;
  } cases[] = {
      {path("reference.csv"),
       {},
       "the file names no coordinate system; give the EPSG code of the one its positions are in"},
      {path("reference.csv"),
       {.columns = {{"height", "top"}}, .srs = "EPSG:4269"},
       "\"height\" is not a value to map (object, top, top_ellip, agl, runway, surface, "
       "acc_horiz, acc_vert, date, lat, lon)"},
      {path("reference.csv"),
       {.columns = {{"top", "z"}}, .srs = "EPSG:4269"},
       "the file has no column \"z\" (for top)"},
      {path("missing.gpkg"), {}, path("missing.gpkg").string() + " does not exist"},
      // A coordinate system is named, never read from a file someone left there.
      {path("reference.csv"),
       {.srs = path("nad83.prj").string()},
       "\"" + path("nad83.prj").string() + "\" is not a coordinate system GDAL knows"},
      {path("reference.csv"),
       {.srs = "EPSG:4269", .layer = "points"},
       path("reference.csv").string() + " has no layer \"points\""},
      // A pipe would keep the reader waiting for a writer that never comes.
      {path("pipe.csv"), {}, path("pipe.csv").string() + " is not a file"},
      {path("notes.gpkg"),
       {},
       path("notes.gpkg").string() + " cannot be read as a GIS or CAD file"},
      // A virtual file would read another file, or an address, in its place.
      {path("elsewhere.vrt"),
       {},
       path("elsewhere.vrt").string() + " cannot be read as a GIS or CAD file"},
  };
  ASSERT_EQ(::mkfifo(path("pipe.csv").c_str(), 0600), 0);
  std::ofstream(path("elsewhere.vrt"))
      << "<OGRVRTDataSource><OGRVRTLayer name=\"reference\"><SrcDataSource>"
      << path("reference.csv").string()
      << "</SrcDataSource><LayerSRS>EPSG:4269</LayerSRS></OGRVRTLayer></OGRVRTDataSource>";
  std::ofstream(path("nad83.prj"))
      << R"(GEOGCS["GCS_North_American_1983",DATUM["D_North_American_1983",)"
      << R"(SPHEROID["GRS_1980",6378137.0,298.257222101]],PRIMEM["Greenwich",0.0],)"
      << R"(UNIT["Degree",0.0174532925199433]])";
  std::ofstream(path("notes.gpkg"), std::ios::binary) << std::string("\0\1\2", 3);
  for (const auto& c : cases) EXPECT_EQ(preview(c.file, c.options).error, c.error);
  EXPECT_EQ(inspectImportFile(path("pipe.csv"), "").error,
            path("pipe.csv").string() + " is not a file");
  // A mapped column wins over the guess.
  const auto mapped =
      preview(path("reference.csv"), {.columns = {{"object", "runway"}}, .srs = "EPSG:4269"});
  EXPECT_EQ(mapped.rows.at(0).object, "16R");
}

TEST_F(ObstructionImport, RepeatsAreSkippedUnlessAskedFor) {
  const auto first = preview(path("reference.csv"), {.srs = "EPSG:4269"});
  ASSERT_EQ(applyObstructionImport(store_, first).added, 3);
  const auto again = preview(path("reference.csv"), {.srs = "EPSG:4269"});
  EXPECT_EQ(again.count(RowOutcome::Skipped), 3);
  EXPECT_EQ(again.accepted(), 0);
  const auto kept = preview(path("reference.csv"), {.srs = "EPSG:4269", .keepRepeats = true});
  ASSERT_EQ(kept.accepted(), 3);
  for (const auto& row : kept.rows) {
    EXPECT_TRUE(row.repeat);
    EXPECT_EQ(row.message, "");
  }
  EXPECT_EQ(kept.rows.front().obstruction, 4);
}

TEST_F(ObstructionImport, AValueMappedToNoColumnIsNotGuessed) {
  const auto result = preview(path("reference.csv"),
                              {.columns = {{"object", ""}, {"surface", ""}}, .srs = "EPSG:4269"});
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.columns.count("object"), 0u);
  EXPECT_EQ(result.rows.at(0).cells.at(ob::Object), "");
  EXPECT_EQ(result.rows.at(0).cells.at(ob::Surface), "");
  EXPECT_EQ(result.rows.at(0).cells.at(ob::RwyId), "16R");  // still guessed
}

TEST_F(ObstructionImport, SurveysThatTakeNoObstructionsAreRefused) {
  SurveyStore runwayOnly;
  runwayOnly.current.surveyType = "RUNWAY";
  runwayOnly.appendAirport({{3, "RWY"}});
  EXPECT_EQ(previewObstructionImport(runwayOnly, "RWY", path("reference.csv"), {}).error,
            "a survey of type RUNWAY has no obstructions");
  store_.airports().setCell(store_.findSurveyRow(kKey), airport::Status, "CERTIFIED2");
  EXPECT_EQ(preview(path("reference.csv")).error,
            "survey PAE is locked: its obstructions cannot change");
  EXPECT_EQ(previewObstructionImport(store_, "NONE", path("reference.csv"), {}).error,
            "no survey with the identifier \"NONE\"");
}

TEST_F(ObstructionImport, InspectionNamesLayersColumnsAndTheCoordinateSystem) {
  if (!fs::exists(kOgr2ogr)) GTEST_SKIP() << kOgr2ogr << " is not installed";
  ASSERT_TRUE(convert("ref_utm.gpkg", "-f GPKG -t_srs EPSG:26910 -select object,runway"));
  const std::string addLayer = std::string(kOgr2ogr) + " -q -update -nln extra '" +
                               path("ref_utm.gpkg").string() + "' '" +
                               path("reference.csv").string() + "' 2>/dev/null";
  ASSERT_EQ(std::system(addLayer.c_str()), 0);
  const ImportFileLayout layout = inspectImportFile(path("ref_utm.gpkg"), "");
  ASSERT_EQ(layout.error, "");
  EXPECT_EQ(layout.layers, (std::vector<std::string>{"obstructions", "extra"}));
  EXPECT_EQ(layout.layer, "obstructions");
  EXPECT_EQ(layout.columns, (std::vector<std::string>{"object", "runway"}));
  EXPECT_EQ(layout.coordinateSystem, "NAD83 / UTM zone 10N (EPSG:26910)");
  EXPECT_EQ(layout.features, 3);
  const ImportFileLayout extra = inspectImportFile(path("ref_utm.gpkg"), "extra");
  EXPECT_EQ(extra.layer, "extra");
  EXPECT_EQ(extra.coordinateSystem, "");
  EXPECT_EQ(extra.columns.front(), "object");
  EXPECT_EQ(inspectImportFile(path("ref_utm.gpkg"), "nope").error,
            path("ref_utm.gpkg").string() + " has no layer \"nope\"");
}

TEST_F(ObstructionImport, NothingIsAddedWhenTheTableCannotHoldEveryRow) {
  Table& table = store_.obstructions();
  while (table.count() < table.shape().capacity - 2) {
    store_.appendWholeRow(TableKind::Obstruction, {});
  }
  const int before = table.count();
  const auto result = preview(path("reference.csv"), {.srs = "EPSG:4269"});
  EXPECT_EQ(result.room, 2);
  const ImportOutcome outcome = applyObstructionImport(store_, result);
  EXPECT_EQ(outcome.added, 0);
  EXPECT_EQ(outcome.error,
            "the obstruction table has room for 2 more obstructions, the file has 3 to add; "
            "nothing was imported");
  EXPECT_EQ(table.count(), before);
}

}  // namespace
}  // namespace survey::gis
