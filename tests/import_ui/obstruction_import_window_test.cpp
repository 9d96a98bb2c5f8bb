// "Import Obstructions" on Qt's offscreen platform with the real GIS module: reached from
// the airport screen's File menu, the mapping it guesses and remembers, the preview, and
// the one journalled change the import makes.
#include "ui/obstruction_import_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "entry/all_screens.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "store/recovery_journal.h"
#include "store/schema/airport_fields.h"
#include "store/schema/obstruction_fields.h"
#include "support/fakes.h"
#include "support/file_menu.h"
#include "support/offscreen_application.h"
#include "ui/gis_module_loader.h"
#include "ui/import_preview_model.h"
#include "ui/main_window.h"

namespace survey::ui {
namespace {

namespace ob = obstruction;

// A point of a GeoJSON file (WGS 84, the format's own system) with its attributes.
struct Point {
  double lon, lat;
  const char *name, *elev, *rwy;
};

void writeGeoJson(const std::filesystem::path& file, const std::vector<Point>& points,
                  const char* nameColumn = "name") {
  std::ofstream out(file);
  out << R"({"type":"FeatureCollection","features":[)";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    out << (i ? "," : "") << R"({"type":"Feature","properties":{")" << nameColumn << R"(":")"
        << p.name << R"(","elev":")" << p.elev << R"(","rwy":")" << p.rwy
        << R"("},"geometry":{"type":"Point","coordinates":[)" << p.lon << ',' << p.lat << "]}}";
  }
  out << "]}";
}

const std::vector<Point> kPoints = {
    {-122.5, 47.25, "TREE", "612", "16R"},
    {-122.4, 47.30, "POLE", "655.5", "34L"},  // too many decimals for the top
    {-122.3, 47.35, "ANTENNA", "701", ""},
};

class ImportWindowTest : public ::testing::Test {
 protected:
  ImportWindowTest() : platform(dir.path()), program(dialogs, platform) {
    testing::offscreenApplication();
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(importMappingsFile());
    qputenv("SURVEY_GIS_MODULE", SURVEY_GIS_MODULE_FILE);
    registerAllScreens(program.screens);
    program.store.current.surveyType = "AOC";
    program.store.appendAirport(
        {{3, "PAE"}, {airport::Name, "PAINE"}, {39, "True"}, {40, "False"}});
    program.current().storeLoaded = true;
    program.current().surveyKey = "PAE";
    writeGeoJson(dir.path() / "points.geojson", kPoints);
  }

  const gis::GisModule& module() {
    const GisModuleLoad load = loadGisModule(GisUse::Import);
    EXPECT_NE(load.module, nullptr) << load.problem;
    return *load.module;
  }
  std::filesystem::path points() const { return dir.path() / "points.geojson"; }

  // Runs `drive` on the import window once the menu item has opened it modally.
  void throughTheMenu(MainWindow& main, std::function<void(ObstructionImportWindow&)> drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<ObstructionImportWindow*>(QApplication::activeModalWidget());
      ASSERT_NE(window, nullptr);
      driven = true;
      drive(*window);
      if (window->isVisible()) window->reject();
    });
    main.menuBar()
        ->findChild<QMenu*>("MenuFile")
        ->findChild<QAction*>("MenuImportObstructions")
        ->trigger();
    EXPECT_TRUE(driven);
  }

  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  testing::FakePlatform platform;
  Program program;
};

TEST_F(ImportWindowTest, OnlyTheAirportScreensFileMenuHasIt) {
  MainWindow main(program);
  main.show();
  for (const char* screenName : {screen::kMain, screen::kAirport}) {
    SCOPED_TRACE(screenName);
    const QMenu& file = testing::fileMenuOf(main, program, screenName);
    const bool found = file.findChild<QAction*>("MenuImportObstructions") != nullptr;
    EXPECT_EQ(found, screenName == std::string(screen::kAirport));
    testing::expectDistinctLetters(file);
  }
}

// Nothing is asked of a survey that cannot take obstructions; a cancelled file window
// changes nothing and says nothing.
TEST_F(ImportWindowTest, RefusesBeforeAskingForTheFile) {
  program.store.current.surveyType = "RUNWAY";
  program.store.appendAirport({{3, "RWY"}});
  program.store.appendAirport({{3, "OLD"}});
  program.store.airports().setCell(program.store.findSurveyRow("OLD"), airport::Status,
                                   "CERTIFIED2");
  const struct {
    const char* key;
    bool readOnly;
    std::string message;
  } cases[] = {
      {"", false, "You must first select an airport."},
      {"RWY", false,
       "No obstructions can be imported: a survey of type RUNWAY has no obstructions."},
      {"OLD", false,
       "No obstructions can be imported: survey OLD is locked: its obstructions "
       "cannot change."},
      {"PAE", true, readOnlyRefusal(program.session)},
      {"PAE", false, ""},  // the file window is cancelled
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    dialogs.shown.clear();
    program.current().surveyKey = c.key;
    program.session.readOnly = c.readOnly;
    platform.openFolder.clear();
    importObstructionsFromFile(program, nullptr);
    EXPECT_EQ(dialogs.last(), c.message);
    EXPECT_EQ(platform.openFolder.empty(), !c.message.empty());
  }
  EXPECT_EQ(program.store.obstructions().count(), 0);
}

TEST_F(ImportWindowTest, GuessesTheMappingAndPreviewsEveryRow) {
  ObstructionImportWindow window(program, module(), "PAE", points());
  window.show();
  ASSERT_EQ(window.fileProblem(), "");
  const struct {
    const char* mapKey;
    const char* column;
  } guessed[] = {{"object", "name"}, {"top", "elev"},   {"runway", "rwy"},
                 {"agl", "(none)"},  {"lat", "(none)"}, {"lon", "(none)"}};
  for (const auto& g : guessed) {
    EXPECT_EQ(window.columnChoice(g.mapKey)->currentText(), g.column) << g.mapKey;
  }
  EXPECT_EQ(window.findChild<QLabel*>("FileCoordinateSystem")->text(), "WGS 84 (EPSG:4326)");
  EXPECT_FALSE(window.layerChoice()->isEnabled());  // one layer only
  EXPECT_TRUE(window.previewButton()->isDefault());

  window.previewButton()->click();
  ASSERT_TRUE(window.previewShown());
  EXPECT_EQ(window.summary()->text(),
            "3 rows: 2 to import as obstructions 1 to 2, 1 refused, 0 skipped as repeats of "
            "obstructions already in the survey.");
  const QAbstractItemModel& rows = *window.previewTable()->model();
  ASSERT_EQ(rows.rowCount(), 3);
  const auto cell = [&rows](int row, PreviewColumn c) {
    return rows.index(row, column(c)).data().toString().toStdString();
  };
  EXPECT_EQ(cell(0, PreviewColumn::Outcome), "accepted");
  EXPECT_EQ(cell(0, PreviewColumn::Becomes), "obstruction 1");
  EXPECT_EQ(cell(0, PreviewColumn::Latitude), "47°15'0\" N");
  EXPECT_EQ(cell(1, PreviewColumn::Outcome), "refused");
  EXPECT_EQ(cell(1, PreviewColumn::Becomes), "655.5:  Error (Only 0 decimal place allowed)");
  EXPECT_EQ(cell(2, PreviewColumn::Becomes), "obstruction 2");
  EXPECT_TRUE(window.importButton()->isEnabled());
  EXPECT_EQ(window.focusWidget(), window.importButton());

  // Back keeps the mapping; a value set to (none) is not guessed again.
  window.backButton()->click();
  EXPECT_FALSE(window.previewShown());
  window.columnChoice("object")->setCurrentIndex(0);
  window.previewButton()->click();
  EXPECT_EQ(cell(0, PreviewColumn::Object), "");
}

TEST_F(ImportWindowTest, ImportsTheAcceptedRowsAsOneJournalledChange) {
  std::string error;
  program.session.journal = RecoveryJournal::open(program.store, dir.path(), 0, error);
  ASSERT_NE(program.session.journal, nullptr) << error;
  MainWindow main(program);
  main.show();
  prepareScreen(program, screen::kAirport, Preparation::Tab);
  showScreen(program, screen::kAirport);
  platform.openFile = points();
  throughTheMenu(main, [](ObstructionImportWindow& window) {
    window.previewButton()->click();
    window.importButton()->click();
  });
  EXPECT_EQ(dialogs.last(),
            "2 obstructions were imported from " + points().string() + ".\n1 row was refused.");
  const Table& table = program.store.obstructions();
  ASSERT_EQ(program.store.childRows(TableKind::Obstruction, "PAE"), (std::vector<int>{1, 2}));
  EXPECT_EQ(table.cell(2, ob::Object), "ANTENNA");
  EXPECT_EQ(table.cell(2, ob::TopElevationOrthometric), "701");
  EXPECT_EQ(inspectJournal(dir.path()).entries, 1);  // made durable before the message

  // The journal alone brings the import back after a crash.
  SurveyStore restarted;
  restarted.current.surveyType = "AOC";
  restarted.appendAirport({{3, "PAE"}, {airport::Name, "PAINE"}, {39, "True"}, {40, "False"}});
  program.session.journal.reset();
  restoreFromJournal(restarted, dir.path());
  EXPECT_EQ(restarted.obstructions().cell(2, ob::Object), "ANTENNA");

  // The same file again: every accepted row now repeats one, and is skipped unless asked.
  throughTheMenu(main, [](ObstructionImportWindow& window) {
    window.previewButton()->click();
    EXPECT_EQ(window.preview().count(RowOutcome::Skipped), 2);
    EXPECT_FALSE(window.importButton()->isEnabled());
    window.keepRepeatsChoice()->click();
    EXPECT_EQ(window.preview().accepted(), 2);
    EXPECT_EQ(window.previewTable()->model()->index(0, column(PreviewColumn::Becomes)).data(),
              "obstruction 3, repeating one already in the survey");
  });
  EXPECT_EQ(table.count(), 2);  // cancelled
}

TEST_F(ImportWindowTest, NothingIsImportedWhenTheRowsDoNotAllFit) {
  Table& table = program.store.obstructions();
  while (table.count() < table.shape().capacity - 1) {
    program.store.appendWholeRow(TableKind::Obstruction, {});
  }
  ObstructionImportWindow window(program, module(), "PAE", points());
  window.previewButton()->click();
  EXPECT_FALSE(window.importButton()->isEnabled());
  EXPECT_TRUE(window.summary()->text().endsWith(
      "The obstruction table has room for 1 more obstructions, the file has 2 to add; nothing "
      "was imported."))
      << window.summary()->text().toStdString();
  EXPECT_EQ(table.count(), table.shape().capacity - 1);
}

// The mapping, coordinate system and unit chosen for one file come back for the next file
// with the same columns, in whatever order; a file laid out otherwise is guessed afresh.
TEST_F(ImportWindowTest, RemembersTheMappingPerFileLayout) {
  const auto write = [this](const char* name, const std::string& text) {
    std::ofstream(dir.path() / name) << text;
  };
  write("first.csv", "name,elev,rwy,lat,lon\nTREE,612,16R,47.25,-122.5\n");
  {
    ObstructionImportWindow first(program, module(), "PAE", dir.path() / "first.csv");
    first.columnChoice("object")->setCurrentText("rwy");
    first.columnChoice("runway")->setCurrentIndex(0);
    first.coordinateSystem()->setText("EPSG:4269");
    first.metresChoice()->setChecked(true);
    first.previewButton()->click();
    first.importButton()->click();
  }
  ASSERT_EQ(program.store.obstructions().cell(1, ob::Object), "16R");
  EXPECT_EQ(program.store.obstructions().cell(1, ob::TopElevationOrthometric), "2008");

  write("same.csv", "LON,lat,Rwy,ELEV,name\n-122.1,47.1,16R,100,MAST\n");
  // The same columns, but a file that names its own coordinate system keeps it.
  write("named.geojson",
        R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":)"
        R"({"name":"MAST","elev":"100","rwy":"16R","lat":"47.1","lon":"-122.1"},)"
        R"("geometry":{"type":"Point","coordinates":[-122.1,47.1]}}]})");
  writeGeoJson(dir.path() / "other.geojson", {{-122.1, 47.1, "MAST", "100", "16R"}}, "label");
  const struct {
    const char* file;
    const char* object;
    const char* runway;
    const char* srs;
    bool metres;
  } cases[] = {{"same.csv", "Rwy", "(none)", "EPSG:4269", true},
               {"named.geojson", "rwy", "(none)", "", true},
               {"other.geojson", "label", "rwy", "", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ObstructionImportWindow next(program, module(), "PAE", dir.path() / c.file);
    EXPECT_EQ(next.columnChoice("object")->currentText(), c.object);
    EXPECT_EQ(next.columnChoice("runway")->currentText(), c.runway);
    EXPECT_EQ(next.coordinateSystem()->text(), c.srs);
    EXPECT_EQ(next.metresChoice()->isChecked(), c.metres);
  }
}

// A file of several layers: "obstructions" first when it has one, and another layer's own
// columns once it is chosen.
TEST_F(ImportWindowTest, AnotherLayerBringsItsOwnColumns) {
  const char* ogr2ogr = "/usr/bin/ogr2ogr";
  if (!std::filesystem::exists(ogr2ogr)) GTEST_SKIP() << ogr2ogr << " is not installed";
  std::ofstream(dir.path() / "poles.csv") << "label,height\nPOLE,40\n";
  const auto layers = (dir.path() / "layers.gpkg").string();
  const std::string commands[] = {
      std::string(ogr2ogr) + " -q -f GPKG -nln obstructions " + layers + " " + points().string(),
      std::string(ogr2ogr) + " -q -update -nln poles " + layers + " " +
          (dir.path() / "poles.csv").string()};
  for (const auto& command : commands) ASSERT_EQ(std::system(command.c_str()), 0) << command;

  ObstructionImportWindow window(program, module(), "PAE", layers);
  window.show();
  QComboBox& layer = *window.layerChoice();
  ASSERT_TRUE(layer.isEnabled());
  EXPECT_EQ(layer.currentText(), "obstructions");
  EXPECT_EQ(window.columnChoice("object")->currentText(), "name");
  layer.setFocus();
  QTest::keyClick(&layer, Qt::Key_Down);
  EXPECT_EQ(layer.currentText(), "poles");
  EXPECT_EQ(window.columnChoice("object")->currentText(), "label");
  EXPECT_EQ(window.columnChoice("agl")->currentText(), "height");
  EXPECT_EQ(window.columnChoice("top")->count(), 3);  // (none), label, height
  EXPECT_EQ(window.options().layer, "poles");
}

// The keyboard alone: Tab reaches every choice in reading order, Enter previews, Escape
// leaves without importing.
TEST_F(ImportWindowTest, WorksFromTheKeyboard) {
  ObstructionImportWindow window(program, module(), "PAE", points());
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  std::vector<QString> visited;
  for (int i = 0; i < 18; ++i) {
    visited.push_back(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const std::vector<QString> expected = {
      "CoordinateSystem", "ElevationsInFeet", "Column_object", "Column_top",
      "Column_top_ellip", "Column_agl",       "Column_runway", "Column_surface",
      "Column_acc_horiz", "Column_acc_vert",  "Column_date",   "Column_lat",
      "Column_lon",       "ShowPreview",      "CancelMapping", "CoordinateSystem"};
  EXPECT_EQ(std::vector<QString>(visited.begin(), visited.begin() + 16), expected);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(window.previewShown());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(program.store.obstructions().count(), 0);
}

}  // namespace
}  // namespace survey::ui
