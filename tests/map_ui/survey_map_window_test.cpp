// The survey map's window on Qt's offscreen platform: what it draws, lists, opens and saves.
#include "ui/survey_map_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsPolygonItem>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <functional>
#include <set>
#include <tuple>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "map/survey_sample.h"
#include "shell/navigation.h"
#include "store/file_io.h"
#include "store/schema/airport_fields.h"
#include "support/fakes.h"
#include "support/offscreen_application.h"
#include "ui/modal_answerer.h"
#include "ui/qt_platform.h"
#include "ui/survey_map_scene.h"
#include "ui/survey_map_view.h"

namespace survey::ui {
namespace {

class SurveyMapWindowTest : public ::testing::Test {
 protected:
  SurveyMapWindowTest() : platform(dir.path(), dialogs), program(dialogs, platform) {
    testing::offscreenApplication();
    registerAllScreens(program.screens);
    testing::addSouthernSurvey(program.store);
    // The tree listed for end 16 under PIR gives the runway its surfaces; the pole stands
    // 2,200 ft out from 16 on the extended centre line, 40 ft into the approach surface.
    testing::applyChanges(program.store,
                          "set obstruction 1 1=16; append obstruction 1=16, 2=POLE, 3=33, 4=54, "
                          "5=39.1, 6=151, 7=9, 8=53.0, 9=100, 12=80, "
                          "21=PIR: Precision Instrument Approach");
    showScreen(program, MainScreen::kName);
    program.current().surveyKey = "SBB";
  }

  // The symbol that stands for the first feature the test wants.
  static QGraphicsItem* symbolOf(SurveyMapWindow& window,
                                 const std::function<bool(std::size_t)>& wanted) {
    for (QGraphicsItem* item : window.view()->scene()->items()) {
      const QVariant index = item->data(kFeatureIndexKey);
      if (index.isValid() && wanted(static_cast<std::size_t>(index.toInt()))) return item;
    }
    return nullptr;
  }

  // Every symbol's and label's extent in the viewport's pixels (the surfaces aside).
  static std::vector<QRectF> extentsOnScreen(const SurveyMapView& view) {
    std::vector<QRectF> all;
    for (const QGraphicsItem* item : view.scene()->items()) {
      if (item->parentItem() || item->data(kSurfaceOutlineKey).isValid()) continue;
      all.push_back(item->deviceTransform(view.viewportTransform())
                        .mapRect(item->boundingRect() | item->childrenBoundingRect()));
    }
    return all;
  }

  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  QtPlatform platform;  // its file windows are Qt's, answered by a ModalAnswerer
  Program program;
};

TEST_F(SurveyMapWindowTest, DrawsListsZoomsAndOpensRecords) {
  SurveyMapWindow window(program, "SBB",
                         {{TableKind::Obstruction, 1, map::MarkSeverity::Error, "too tall"}});
  window.show();
  ASSERT_EQ(window.notPlacedList()->count(), 2);
  EXPECT_EQ(window.notPlacedList()->item(0)->text().toStdString(),
            "obstruction 3 (POLE): latitude minutes \"7x\" is not a number of minutes");

  const auto& features = window.features();
  QGraphicsItem* tree = symbolOf(window, [&](std::size_t i) {
    return features.points[i].kind == map::FeatureKind::Obstruction &&
           features.points[i].label == "TREE";
  });
  ASSERT_NE(tree, nullptr);
  const int treeIndex = window.view()->featureAt(window.view()->mapFromScene(tree->scenePos()));
  ASSERT_GE(treeIndex, 0);
  const QString tip = window.toolTipOf(treeIndex);
  EXPECT_NE(tip.indexOf("Obstruction 1: TREE"), -1) << tip.toStdString();
  EXPECT_NE(tip.indexOf("Error: too tall"), -1) << tip.toStdString();
  // North is up: the runway's end 1 (north of end 2) is higher on the screen.
  const auto& runway = features.runways.at(0);
  QGraphicsItem* end1 =
      symbolOf(window, [&](std::size_t i) { return i == std::size_t(runway.end1); });
  QGraphicsItem* end2 =
      symbolOf(window, [&](std::size_t i) { return i == std::size_t(runway.end2); });
  ASSERT_TRUE(end1 && end2);
  EXPECT_LT(end1->pos().y(), end2->pos().y());

  const double before = window.view()->feetPerPixel();
  QTest::keyClick(window.view(), Qt::Key_Plus);
  EXPECT_NEAR(window.view()->feetPerPixel(), before / 1.25, before * 1e-9);
  QTest::keyClick(window.view(), Qt::Key_Minus);
  EXPECT_NEAR(window.view()->feetPerPixel(), before, before * 1e-9);

  window.view()->centerOn(tree);
  const QPoint at = window.view()->mapFromScene(tree->scenePos());
  QTest::mouseDClick(window.view()->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(program.screens.isShown("FormObstruction"));
  EXPECT_EQ(program.screens.touch("FormObstruction").get<TextBox>("Text2O").text(), "TREE");
}

TEST_F(SurveyMapWindowTest, OpensFittedZoomsAboutThePointerAndPansToEveryLabel) {
  SurveyMapWindow window(program, "SBB");
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  SurveyMapView& view = *window.view();
  const QRectF viewport = view.viewport()->rect();
  QRectF together;
  for (const QRectF& extent : extentsOnScreen(view)) together |= extent;
  EXPECT_TRUE(viewport.contains(together));  // whole, and filling the view across or down
  EXPECT_GT(std::max(together.width() / viewport.width(), together.height() / viewport.height()),
            0.8);
  for (const auto& [across, down, turn] :
       {std::tuple{0.2, 0.3, 120}, {0.85, 0.7, -240}, {0.5, 0.1, 2400}, {0.05, 0.95, -4800}}) {
    const QPointF at(viewport.width() * across, viewport.height() * down);
    const QPointF under = view.viewportTransform().inverted().map(at);
    const double before = view.feetPerPixel();
    QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), {}, {0, turn}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_EQ(view.feetPerPixel() < before, turn > 0) << turn;
    EXPECT_LT(QLineF(view.viewportTransform().map(under), at).length(), 1.5) << turn;
    // However far in or out, panning brings every symbol and label into view.
    const double margin = 20 * view.feetPerPixel();
    const QRectF reachable = view.sceneRect().adjusted(margin, margin, -margin, -margin);
    for (const QRectF& extent : extentsOnScreen(view)) {
      EXPECT_TRUE(reachable.contains(view.viewportTransform().inverted().mapRect(extent))) << turn;
    }
  }
}

TEST_F(SurveyMapWindowTest, SavesThePlanAsShownUnderATitleAndSaysWhenItCannot) {
  SurveyMapWindow window(program, "SBB");
  window.resize(800, 600);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QString title = QString::fromUtf8("SBB  Botany Bay Aer\u00f3dromo  \u2014  ");
  EXPECT_EQ(window.imageTitle(), title + "survey of 05/14/2026");
  // Under the title, the plan as on screen, pixel for pixel: the scale bar measures the
  // runway as drawn, and symbols and labels keep their size.
  const QSize size = window.imageSize();
  QImage image(size, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    window.paintImage(painter);
  }
  const QImage screen = window.view()->viewport()->grab().toImage();
  // Compared a little blurred, as antialiasing differs between screen and image here and
  // there, and a dashed outline may start its dashes elsewhere; a misplaced scale bar or
  // legend, or a label of another size, changes hundreds of blocks.
  const auto blurred = [](const QImage& from) {
    return from.scaled(from.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
  };
  const QImage plan =
      blurred(image.copy(QRect({0, size.height() - screen.height()}, screen.size())));
  const QImage shown = blurred(screen);
  qsizetype alike = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      alike += std::abs(qGray(plan.pixel(x, y)) - qGray(shown.pixel(x, y))) < 24;
    }
  }
  EXPECT_GE(alike, shown.width() * shown.height() * 499 / 500);
  QImage blank(size.width(), size.height() - screen.height(), image.format());
  blank.fill(Qt::white);
  EXPECT_NE(image.copy(blank.rect()), blank);  // the title is written above the plan

  // The files hold that image; the PDF page a pixel at the screen's resolution.
  const auto png = dir.path() / "map.png";
  const auto pdf = dir.path() / "map.pdf";
  EXPECT_TRUE(window.saveImage(QString::fromStdString(png.string())).isEmpty());
  EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), size);
  EXPECT_TRUE(window.saveImage(QString::fromStdString(pdf.string())).isEmpty());
  QFile file(QString::fromStdString(pdf.string()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  const auto page = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(bytes);
  const double points = 72.0 / window.view()->logicalDpiY();
  EXPECT_NEAR(page.captured(1).toDouble(), size.width() * points, 1);
  EXPECT_NEAR(page.captured(2).toDouble(), size.height() * points, 1);
  EXPECT_FALSE(
      window.saveImage(QString::fromStdString((dir.path() / "none/map.png").string())).isEmpty());

  // A save that fails on the way leaves the file there as it was, byte for byte, and nothing
  // beside it, and says why.
  const auto folder = dir.path() / "folder.png";
  std::filesystem::create_directory(folder);
  const struct {
    std::filesystem::path file;
    WriteFaults faults;
    const char* says;
  } failures[] = {
      {png, {.spaceLeft = 100}, "cannot write: No space left on device"},
      {pdf, {.failWrite = 1}, "cannot write: Input/output error"},
      {pdf, {.failRename = 1}, "cannot replace the old file: Input/output error"},
      {folder, {}, "a directory of that name is in the way"},
  };
  const auto bytesOf = [](const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const auto entries = [&] {
    std::set<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.insert(entry.path().filename());
    }
    return names;
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.says);
    const QByteArray before = bytesOf(failure.file);
    const auto namesBefore = entries();
    setWriteFaults(failure.faults);
    const QString problem = window.saveImage(QString::fromStdString(failure.file.string()));
    setWriteFaults({});
    EXPECT_EQ(problem.toStdString(),
              std::string("The file cannot be written there: ") + failure.says + ".");
    EXPECT_EQ(bytesOf(failure.file), before);
    EXPECT_EQ(entries(), namesBefore);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));

  program.store.airports().setCell(1, airport::SurveyDate, "");
  EXPECT_EQ(window.imageTitle(),
            title + "no survey date; saved " + QDate::currentDate().toString("MM/dd/yyyy"));
}

TEST_F(SurveyMapWindowTest, DrawsTheSurfacesUnderThePointsMarksPenetrationsAndHidesOnRequest) {
  SurveyMapWindow window(program, "SBB");
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  SurveyMapView& view = *window.view();
  // Primary, approach of 16, horizontal, conical: under every symbol, each in dashes of its
  // own, named by its tool-tip; panning reaches them (the approach 50,000 ft out), Fit not.
  std::vector<QGraphicsPolygonItem*> outlines;
  std::set<int> dashes;
  std::vector<std::string> marked;
  QRectF reach;
  for (QGraphicsItem* item : view.scene()->items()) {
    const auto* polygon = dynamic_cast<QGraphicsPolygonItem*>(item);
    if (!item->data(kSurfaceOutlineKey).isValid()) {
      EXPECT_TRUE(item->parentItem() || item->zValue() > -1);
      if (polygon && polygon->pen() == penetrationMarkPen()) {
        marked.push_back(window.features().points.at(item->data(kFeatureIndexKey).toUInt()).label);
      }
      continue;
    }
    outlines.push_back(static_cast<QGraphicsPolygonItem*>(item));
    EXPECT_EQ(item->zValue(), -1);
    const auto& outline = window.surfaces().outlines.at(item->data(kSurfaceOutlineKey).toUInt());
    EXPECT_EQ(item->toolTip().toStdString(), map::describe(outline));
    dashes.insert(outlines.back()->pen().style());
    reach |= item->sceneBoundingRect();
  }
  ASSERT_EQ(outlines.size(), 4u);
  EXPECT_EQ(dashes.size(), 4u);
  EXPECT_FALSE(view.mapToScene(view.viewport()->rect()).boundingRect().contains(reach));
  EXPECT_TRUE(view.sceneRect().contains(reach));
  const QPointF corner = outlines.front()->polygon().front();
  EXPECT_EQ(view.outlineAt(view.mapFromScene(corner) + QPoint(2, 1)), outlines.front());
  // The pole, not the tree, is marked, and says by how much it penetrates.
  EXPECT_EQ(marked, std::vector<std::string>{"POLE"});
  const QGraphicsItem* pole =
      symbolOf(window, [&](std::size_t i) { return window.features().points[i].label == "POLE"; });
  EXPECT_TRUE(window.toolTipOf(pole->data(kFeatureIndexKey).toInt())
                  .contains(QRegularExpression(
                      "\\nPenetrates the Approach surface of 16 \\(PIR, 50:1\\) by [0-9.]+ ft$")));

  const auto legend = [&] {
    QStringList texts;
    for (const LegendEntry& entry : view.legend()) texts << entry.text;
    return texts.join("; ").toStdString();
  };
  EXPECT_EQ(legend(),
            "Primary surface; Approach surface; Horizontal surface (edge); "
            "Conical surface (outer edge); Penetrates a surface");
  // Drawn in the corner, so in the saved image too (which is the view as shown).
  const QImage withLegend = view.viewport()->grab(QRect(0, 0, 200, 120)).toImage();
  const std::vector<LegendEntry> entries = view.legend();
  view.setLegend({});
  EXPECT_NE(view.viewport()->grab(QRect(0, 0, 200, 120)).toImage(), withLegend);
  view.setLegend(entries);

  // "Show surfaces" off: outlines and their legend go, the mark stays, panning stays near.
  ASSERT_TRUE(window.surfacesToggle()->isChecked());
  window.surfacesToggle()->click();
  for (const auto* item : outlines) EXPECT_FALSE(item->isVisible());
  EXPECT_EQ(legend(), "Penetrates a surface");
  EXPECT_FALSE(view.sceneRect().contains(reach));
  EXPECT_EQ(view.outlineAt(view.mapFromScene(corner)), nullptr);
  window.surfacesToggle()->click();
  EXPECT_TRUE(outlines.front()->isVisible());
}

// "Export Survey Data" opens the GIS module only now; a module that cannot be loaded is
// named in the message, and the next export tries again. A name typed without an extension
// of the formats takes the one of the format chosen in the file window (GeoPackage at first).
TEST_F(SurveyMapWindowTest, ExportSurveyDataLoadsTheGisModuleOnFirstUse) {
  const std::string missing = (dir.path() / "gone" / "survey-gis.so").string();
  const struct {
    std::string module, typed, filter, saysStart, written;
  } cases[] = {
      {missing, "first.geojson", "",
       "The export for GIS and CAD tools could not be loaded from " + missing, ""},
      {SURVEY_GIS_MODULE_FILE, "second.geojson", "", "Wrote ", "second.geojson"},
      {SURVEY_GIS_MODULE_FILE, "third", "GeoJSON (*.geojson)", "Wrote ", "third.geojson"},
      {SURVEY_GIS_MODULE_FILE, "fourth.GEOJSON", "KML (Google Earth) (*.kml)", "Wrote ",
       "fourth.GEOJSON"},
      {SURVEY_GIS_MODULE_FILE, "fifth", "", "Wrote ", "fifth.gpkg"},
  };
  testing::ModalAnswerer answerer;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    qputenv("SURVEY_GIS_MODULE", QByteArray::fromStdString(c.module));
    answerer.saveFileAs(QString::fromStdString((dir.path() / c.typed).string()),
                        QString::fromStdString(c.filter));
    exportSurveyData(program);
    EXPECT_TRUE(dialogs.last().starts_with(c.saysStart)) << dialogs.last();
    if (c.written.empty()) {
      EXPECT_FALSE(std::filesystem::exists(dir.path() / c.typed));
      continue;
    }
    const auto file = dir.path() / c.written;
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(dialogs.last().find(" to " + file.string() + "."), std::string::npos)
        << dialogs.last();
    EXPECT_EQ(std::filesystem::exists(dir.path() / c.typed), c.typed == c.written);
  }
  qunsetenv("SURVEY_GIS_MODULE");
}

TEST_F(SurveyMapWindowTest, ASurveyWithNothingPlaceableShowsTextInsteadOfAnEmptyPlan) {
  program.store.current.surveyType = "AOC";
  program.store.appendAirport({{1, "Lakeside"}, {3, "LKS"}});
  SurveyMapWindow window(program, "LKS");
  window.show();
  EXPECT_FALSE(window.view()->isVisible());
  EXPECT_EQ(window.notPlacedList()->count(), 1);
  EXPECT_TRUE(window.view()->scene()->items().isEmpty());
}

TEST(ScaleBar, PicksARoundLengthThatFits) {
  const std::pair<double, double> cases[] = {{160, 100},   {199, 100},   {250, 200}, {999, 500},
                                             {1000, 1000}, {7300, 5000}, {0.3, 0.2}, {0, 0}};
  for (const auto& [room, length] : cases) EXPECT_DOUBLE_EQ(niceScaleLength(room), length) << room;
}

}  // namespace
}  // namespace survey::ui
