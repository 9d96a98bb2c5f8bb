// The obstruction evaluation's window on Qt's offscreen platform: reached from the menus,
// what it lists, filters and sorts, and the reports it saves.
#include "ui/obstruction_evaluation_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "evaluation/reference_airport.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "store/file_io.h"
#include "store/schema/airport_fields.h"
#include "support/fakes.h"
#include "support/file_menu.h"
#include "support/offscreen_application.h"
#include "ui/evaluation_table_model.h"
#include "ui/main_window.h"
#include "ui/pdf_report.h"

namespace survey::ui {
namespace {

using evaluation::testing::kNorthWest;
using evaluation::testing::ReferenceAirport;
using ::testing::AnyOf;
using ::testing::ElementsAre;

// Survey KREF: records 1 and 2 set the ends' classes far out, the others lie under the
// surfaces at the heights the surfaces' reference test works out by hand; one is deleted.
class EvaluationWindowTest : public ::testing::Test {
 protected:
  EvaluationWindowTest() : platform(dir.path()), program(dialogs, platform) {
    testing::offscreenApplication();
    registerAllScreens(program.screens);
    program.store.obstructions().setCell(2, 2, "SIGN \"EAST\"");
    airport.add("05", "BV", airport.at(0, 2200, 0), 1110, "TREE");  // 10.0 above
    airport.add("23", "PIR", airport.at(1, 15200, 0), 1300);        // 45.0 below
    airport.add("", "HCT", airport.at(0, -4000, 3000), 1180);       // 10.0 above
    airport.add("", "BV", airport.at(0, 2200, 0), 1100);            // no runway end
    airport.add("23", "PIR", airport.at(1, 10240, 0), 1230);        // 9.0 above
    program.store.markDeleted(TableKind::Obstruction,
                              airport.add("05", "BV", airport.at(0, 2200, 0), 1500));
    program.current().storeLoaded = true;
    program.current().surveyKey = "KREF";
  }

  // The records of the rows shown, top to bottom.
  static std::vector<std::string> recordsShown(const ObstructionEvaluationWindow& window) {
    std::vector<std::string> records;
    const QAbstractItemModel& shown = *window.table()->model();
    for (int row = 0; row < shown.rowCount(); ++row) {
      records.push_back(shown.index(row, kRecordColumn).data().toString().toStdString());
    }
    return records;
  }

  void clickHeading(ObstructionEvaluationWindow& window, int column) {
    QHeaderView* header = window.table()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
  }

  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  testing::FakePlatform platform;
  Program program;
  ReferenceAirport airport{kNorthWest, true, &program.store};
};

TEST_F(EvaluationWindowTest, TheFileMenusOpenItForTheCurrentSurvey) {
  MainWindow main(program);
  main.show();
  for (const char* screenName : {screen::kMain, screen::kAirport}) {
    SCOPED_TRACE(screenName);
    const QMenu& file = testing::fileMenuOf(main, program, screenName);
    QAction* item = file.findChild<QAction*>("MenuObstructionEvaluation");
    ASSERT_NE(item, nullptr);
    testing::expectDistinctLetters(file);
    item->trigger();
    auto* window = main.findChild<ObstructionEvaluationWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Obstruction Evaluation - KREF: REFERENCE");
    EXPECT_EQ(window->table()->model()->rowCount(), 7);
    delete window;
  }
  program.current().surveyKey = "NONE";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  main.findChild<QMenu*>("MenuFile")->findChild<QAction*>("MenuObstructionEvaluation")->trigger();
  EXPECT_EQ(dialogs.last(), "You must first select an airport.");
  EXPECT_EQ(main.findChild<ObstructionEvaluationWindow*>(), nullptr);
}

TEST_F(EvaluationWindowTest, ListsEveryLiveObstructionAndMarksThoseThatPenetrate) {
  ObstructionEvaluationWindow window(program, "KREF");
  EXPECT_EQ(window.summary()->text(),
            "7 obstructions: 3 penetrate, 1 clear, 2 outside the surfaces listed, "
            "1 not evaluated");
  const QAbstractItemModel& shown = *window.table()->model();
  ASSERT_EQ(shown.columnCount(), kEvaluationColumns);
  EXPECT_EQ(recordsShown(window), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
  const struct {
    int row;
    std::vector<const char*> texts;
    bool penetrates;
  } cases[] = {
      {2,
       {"3", "TREE", "05", "BV", "approach", "1100.0", "1110.0", "10.0",
        "Approach surface of 05 (BV, 20:1)"},
       true},
      {5, {"6", "POLE", "", "BV", "not evaluated", "", "1100.0", "", "no runway end"}, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.texts[0]);
    for (int column = 0; column < kEvaluationColumns; ++column) {
      const QModelIndex index = shown.index(c.row, column);
      EXPECT_EQ(index.data().toString(), c.texts[static_cast<std::size_t>(column)]);
      EXPECT_EQ(index.data(Qt::FontRole).value<QFont>().bold(), c.penetrates);
      const bool number = column >= kSurfaceElevationColumn && column <= kPenetrationColumn;
      EXPECT_EQ(index.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
                number ? Qt::AlignRight : Qt::Alignment());
    }
  }
  EXPECT_EQ(shown.index(2, 0).data(Qt::ToolTipRole).toString(),
            "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: penetrates by 10.0 ft");
}

TEST_F(EvaluationWindowTest, FiltersHideRowsAndHeadingsSortNumbersWithEmptyCellsLast) {
  ObstructionEvaluationWindow window(program, "KREF");
  window.show();
  QComboBox& ends = *window.runwayEnd();
  QStringList choices;
  for (int i = 0; i < ends.count(); ++i) choices << ends.itemText(i);
  EXPECT_EQ(choices.join(' '), "All 05 23");
  const struct {
    bool penetratingOnly;
    int end;
    std::vector<std::string> records;
  } filters[] = {{true, 0, {"3", "5", "7"}},
                 {false, 1, {"1", "3"}},
                 {true, 2, {"7"}},
                 {false, 0, {"1", "2", "3", "4", "5", "6", "7"}}};
  for (const auto& f : filters) {
    window.penetratingOnly()->setChecked(f.penetratingOnly);
    ends.setCurrentIndex(f.end);
    EXPECT_EQ(recordsShown(window), f.records) << f.penetratingOnly << " " << f.end;
  }
  // -45.0, 9.0, 10.0, 10.0: as numbers, not as texts ("10.0" before "9.0").
  clickHeading(window, kPenetrationColumn);
  EXPECT_EQ(recordsShown(window), (std::vector<std::string>{"4", "7", "3", "5", "1", "2", "6"}));
  clickHeading(window, kPenetrationColumn);
  EXPECT_EQ(recordsShown(window), (std::vector<std::string>{"3", "5", "7", "4", "1", "2", "6"}));
  clickHeading(window, kObjectColumn);
  // POLE, SIGN "EAST", TREE; the poles stay in the order of the sort before.
  EXPECT_EQ(recordsShown(window), (std::vector<std::string>{"5", "7", "4", "1", "6", "2", "3"}));
}

TEST_F(EvaluationWindowTest, KeyboardReachesEveryControlInOrderAndEscapeCloses) {
  QPointer window = new ObstructionEvaluationWindow(program, "KREF");
  window->show();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  window->penetratingOnly()->setFocus();
  QStringList order;
  for (int i = 0; i < 5; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order.join(' '), "PenetratingOnly RunwayEnd EvaluationTable SaveReport Close");
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "PenetratingOnly");  // round again
  QTest::keyClick(window->table(), Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST_F(EvaluationWindowTest, SaveReportWritesTheTableAsShownAsCsvOrPdf) {
  ObstructionEvaluationWindow window(program, "KREF");
  window.show();
  window.runwayEnd()->setCurrentIndex(2);  // 23
  clickHeading(window, kPenetrationColumn);
  clickHeading(window, kPenetrationColumn);  // descending
  auto* save = window.findChild<QPushButton*>("SaveReport");

  platform.saveAs = dir.path() / "report.csv";
  QTest::mouseClick(save, Qt::LeftButton);
  EXPECT_EQ(dialogs.last(), "The report was saved as " + platform.saveAs->string() + ".");
  EXPECT_EQ(readWholeFile(*platform.saveAs).bytes,
            "record,object,runway end,code,surface,surface elevation,top elevation,penetration,"
            "note\r\n"
            "7,POLE,23,PIR,approach,1221.0,1230.0,9.0,\"Approach surface of 23 (PIR, 40:1)\"\r\n"
            "4,POLE,23,PIR,approach,1345.0,1300.0,-45.0,\"Approach surface of 23 (PIR, 40:1)\"\r\n"
            "2,\"SIGN \"\"EAST\"\"\",23,PIR,outside,,0.0,,"
            "not under the approach or primary surface of 23 (PIR)\r\n");

  platform.saveAs = dir.path() / "report.pdf";
  QTest::mouseClick(save, Qt::LeftButton);
  EXPECT_EQ(readWholeFile(*platform.saveAs).bytes.substr(0, 5), "%PDF-");
  program.store.airports().setCell(program.store.findSurveyRow("KREF"), airport::SurveyDate,
                                   "04/02/2024");
  // Taken on either side of the report, should midnight fall between.
  const auto datesLine = [](QDate today) {
    return QString::asprintf("Survey date: 04/02/2024    Evaluated on %02d/%02d/%04d",
                             today.month(), today.day(), today.year())
        .toStdString();
  };
  const QDate before = QDate::currentDate();
  const ReportDocument report = window.report();
  const QDate after = QDate::currentDate();
  EXPECT_THAT(report.heading,
              ElementsAre("Airport: REFERENCE (KREF)", AnyOf(datesLine(before), datesLine(after)),
                          "Shown: 3 of 7 (runway end 23)"));
  EXPECT_EQ(report.summary,
            "7 obstructions: 3 penetrate, 1 clear, 2 outside the surfaces listed, 1 not evaluated");
  EXPECT_EQ(report.columns, (std::vector<std::string>{"record", "object", "runway end", "code",
                                                      "surface", "surface elevation",
                                                      "top elevation", "penetration", "note"}));
  EXPECT_EQ(report.rows, (std::vector<std::vector<std::string>>{
                             {"7", "POLE", "23", "PIR", "approach", "1221.0", "1230.0", "9.0",
                              "Approach surface of 23 (PIR, 40:1)"},
                             {"4", "POLE", "23", "PIR", "approach", "1345.0", "1300.0", "-45.0",
                              "Approach surface of 23 (PIR, 40:1)"},
                             {"2", "SIGN \"EAST\"", "23", "PIR", "outside", "", "0.0", "",
                              "not under the approach or primary surface of 23 (PIR)"}}));
  // The numbers stand right in their cells, the texts left.
  std::vector<ReportPage> pages;
  ASSERT_EQ(
      writeReportPdf(report, QString::fromStdString((dir.path() / "again.pdf").string()), &pages),
      "");
  std::vector<bool> rightInFirstRow;
  for (const ReportText& text : pages.at(0)) {
    if (text.role == ReportText::Role::Cell && rightInFirstRow.size() < report.columns.size())
      rightInFirstRow.push_back(text.alignRight);
  }
  EXPECT_EQ(rightInFirstRow,
            (std::vector<bool>{false, false, false, false, false, true, true, true, false}));
}

TEST_F(EvaluationWindowTest, AFailedSaveSaysWhyAndLeavesNoFile) {
  ObstructionEvaluationWindow window(program, "KREF");
  const auto folder = dir.path() / "reports";
  std::filesystem::create_directory(folder);
  for (const char* name : {"report.csv", "report.pdf"}) {
    // No such folder; the disk full halfway (root writes into a read-only folder).
    for (const auto& [file, faults] : {std::pair{dir.path() / "missing" / name, WriteFaults{}},
                                       std::pair{folder / name, WriteFaults{.spaceLeft = 100}}}) {
      SCOPED_TRACE(file.string());
      platform.saveAs = file;
      setWriteFaults(faults);
      QTest::mouseClick(window.findChild<QPushButton*>("SaveReport"), Qt::LeftButton);
      setWriteFaults({});
      EXPECT_EQ(dialogs.last().rfind("The report " + file.string() + " could not be saved: ", 0),
                0u)
          << dialogs.last();
      EXPECT_FALSE(std::filesystem::exists(file));
      EXPECT_TRUE(std::filesystem::is_empty(folder));  // no temporary file left either
    }
  }
}

}  // namespace
}  // namespace survey::ui
