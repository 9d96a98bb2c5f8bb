#include "survey/obstruction_import_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/schema/obstruction_fields.h"

namespace survey {
namespace {

TEST(ObstructionImportPlan, ColumnsAreGuessedByNameOncePerColumn) {
  const struct {
    std::vector<std::string> columns;
    std::map<std::string, std::string> fixed;
    std::map<std::string, std::string> guessed;
  } cases[] = {
      {{"Name", "LAT", "Lon", "Elev", "Height"},
       {},
       {{"object", "Name"}, {"lat", "LAT"}, {"lon", "Lon"}, {"top", "Elev"}, {"agl", "Height"}}},
      // The best name wins, whatever the order of the columns.
      {{"elevation", "top", "surface", "surf_code"},
       {},
       {{"top", "top"}, {"surface", "surf_code"}}},
      // A column given for one value is not guessed for another; a value given as none
      // stays none.
      {{"top", "elev", "name"},
       {{"agl", "top"}, {"object", ""}},
       {{"agl", "top"}, {"object", ""}, {"top", "elev"}}},
      // A controller's or our own CSV export's coordinates.
      {{"X", "Y", "Z"}, {}, {{"lat", "Y"}, {"lon", "X"}}},
      {{"Northing", "Easting", "code"}, {}, {{"lat", "Northing"}, {"lon", "Easting"}}},
      {{"a", "b"}, {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(guessedColumns(c.columns, c.fixed), c.guessed);
}

TEST(ObstructionImportPlan, RememberedMappingsSurviveOnlyWhereTheyStillFit) {
  const std::vector<std::string> columns = {"name", "top;m", "a=b", "100%", "lat", "lon"};
  const std::map<std::string, std::string> mapping = {
      {"object", "name"}, {"top", "top;m"}, {"agl", "a=b"}, {"date", "100%"}, {"surface", ""}};
  EXPECT_EQ(mappingOfText(mappingText(mapping), columns),
            (std::map<std::string, std::string>{
                {"object", "name"}, {"top", "top;m"}, {"agl", "a=b"}, {"date", "100%"}}));
  const struct {
    std::string text;
    std::map<std::string, std::string> read;
  } stale[] = {
      {"object=gone;lat=lat", {{"lat", "lat"}}},          // a column the file no longer has
      {"height=name;lon=lon", {{"lon", "lon"}}},          // not a value to map
      {"object=name;runway=name", {{"object", "name"}}},  // one column for two values
      {"object=%4;top=%ZZ;lat", {}},                      // broken escapes, no '='
      {"", {}},
      {"object=NAME;lon=Lon", {{"object", "name"}, {"lon", "lon"}}},  // the file's spelling
  };
  for (const auto& c : stale) EXPECT_EQ(mappingOfText(c.text, columns), c.read) << c.text;
}

TEST(ObstructionImportPlan, LayoutsDifferOnlyInTheirColumns) {
  const std::string layout = layoutSignature({"Name", "lat", "lon"});
  EXPECT_EQ(layoutSignature({"LON", "name", "LAT"}), layout);
  EXPECT_NE(layoutSignature({"name", "lat", "lon", "top"}), layout);
  EXPECT_NE(layoutSignature({"namelat", "lon"}), layout);
  EXPECT_EQ(layout.size(), std::string("layout-").size() + 16);
}

ImportRow row(RowOutcome outcome, int obstruction = 0) {
  ImportRow r;
  r.outcome = outcome;
  r.obstruction = obstruction;
  if (outcome == RowOutcome::Accepted) {
    r.cells.assign(obstruction::kStorageFields + 1, "");
    r.cells[obstruction::Object] = "TREE " + std::to_string(obstruction);
    r.cells[obstruction::SurveyLink] = "ABC";
  }
  return r;
}

TEST(ObstructionImportPlan, SummaryAndReportCountEveryOutcome) {
  ImportPreview preview;
  preview.rows = {row(RowOutcome::Accepted, 4), row(RowOutcome::Refused),
                  row(RowOutcome::Accepted, 5), row(RowOutcome::Skipped), row(RowOutcome::Refused)};
  preview.room = 10;
  EXPECT_EQ(previewSummary(preview),
            "5 rows: 2 to import as obstructions 4 to 5, 2 refused, 1 skipped as repeats of "
            "obstructions already in the survey.");
  EXPECT_EQ(importReport(preview, 2, "/data/points.gpkg"),
            "2 obstructions were imported from /data/points.gpkg.\n2 rows were refused.\n1 row "
            "was skipped: it repeats an obstruction already in the survey.");
  preview.room = 1;
  EXPECT_EQ(previewSummary(preview),
            "5 rows: 2 to import as obstructions 4 to 5, 2 refused, 1 skipped as repeats of "
            "obstructions already in the survey.\nThe obstruction table has room for 1 more "
            "obstructions, the file has 2 to add; nothing was imported.");
  preview.error = "the file names no coordinate system";
  EXPECT_EQ(previewSummary(preview),
            "Nothing can be imported: the file names no coordinate system.");
  EXPECT_EQ(importReport(ImportPreview{}, 0, "f.csv"), "No obstructions were imported from f.csv.");
}

TEST(ObstructionImportPlan, AppliesAllOrNothing) {
  SurveyStore store;
  store.current.surveyType = "AOC";
  store.appendAirport({{3, "ABC"}});
  ImportPreview preview;
  preview.rows = {row(RowOutcome::Accepted, 1), row(RowOutcome::Refused),
                  row(RowOutcome::Accepted, 2)};
  preview.room = 1;
  EXPECT_EQ(applyObstructionImport(store, preview).added, 0);
  EXPECT_EQ(store.obstructions().count(), 0);
  preview.room = 2;
  const ImportOutcome outcome = applyObstructionImport(store, preview);
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.added, 2);
  EXPECT_EQ(store.obstructions().cell(2, obstruction::Object), "TREE 2");
  EXPECT_EQ(store.childRows(TableKind::Obstruction, "ABC"), (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace survey
