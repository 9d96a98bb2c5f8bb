// The Qt layer on the offscreen platform: real widgets bound to the controls.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>
#include <fstream>

#include "entry/all_screens.h"
#include "entry/main_screen.h"
#include "entry/review_screen.h"
#include "modal_answerer.h"
#include "review/review_fixture.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "store/file_io.h"
#include "support/fakes.h"
#include "ui/control_binding.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"
#include "ui/pdf_report.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

using namespace survey;
using survey::testing::ModalAnswerer;

namespace {

// Two grids with one long cell: in the middle column of one, in the only column of the other.
class LongCellScreen : public Screen {
 public:
  static constexpr const char* kName = "FormTestGrids";
  static inline const std::string kLong = std::string(60, 'x') + " the end of a long text";
  explicit LongCellScreen(Program& program) : Screen(program, kName, "Test grids") {
    setSizeTwips(7000, 5000);
    auto& wide = add<Grid>("GridWide", nullptr, 3);
    wide.setColumnWidthsTwips({1000, 2000, 1500});
    wide.place(120, 120, 6000, 2000);
    auto& one = add<Grid>("GridOne", nullptr, 1);
    one.setColumnWidthsTwips({2000});
    one.place(120, 2400, 3000, 2000);
    const std::vector<std::vector<std::string>> rows = {{"Kind", "What is wrong", "Computed value"},
                                                        {"Error", kLong, "12.5"}};
    Grid::Batch batch(wide);
    wide.setRows(2);
    one.setRows(2);
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 3; ++column) wide.setCell(row, column, rows[row][column]);
      one.setCell(row, 0, rows[row][1]);
    }
  }
};

// The letter that Alt presses in a caption such as "&File" ("&&" is an ampersand).
QString mnemonicOf(const QString& text) {
  const qsizetype amp = QString(text).replace("&&", "__").indexOf('&');
  return amp < 0 || amp + 1 >= text.size() ? QString() : text.mid(amp + 1, 1).toLower();
}

}  // namespace

class BindingTest : public QObject {
  Q_OBJECT

 private:
  struct World {
    testing::TempDir dir;
    ui::QtDialogs dialogs;
    testing::FakePlatform platform{dir.path()};
    Program program{dialogs, platform};
    ui::MainWindow window{program};
    World() {
      registerAllScreens(program.screens);
      program.screens.registerScreen(
          LongCellScreen::kName, [](Program& p) { return std::make_unique<LongCellScreen>(p); });
      dialogs.setParentProvider([this] { return &window; });
    }
    void show(const std::string& screenName) {
      showScreen(program, screenName);
      window.show();
    }
    // The review screen of that survey, shown; its grid of findings.
    QTableView* showReview(const review::testing::KnownSurvey& survey) {
      program.store = survey.store;
      program.current().surveyKey = survey.key;
      program.current().storeLoaded = true;
      show(screen::kReview);
      return QTest::qWaitForWindowActive(&window) ? window.findChild<QTableView*>("GridFindings")
                                                  : nullptr;
    }
  };

 private slots:
  void typingIntoTheAirportDegreesBoxRefusesAndEmptiesIt() {
    World world;
    world.program.store.appendAirport({{3, "ABC"}, {1, "Abc Field"}});
    world.program.current().storeLoaded = true;
    prepareScreen(world.program, screen::kAirport, Preparation::Tab);
    world.show(screen::kAirport);
    auto* degrees = world.window.findChild<QLineEdit*>("Text7A");
    QVERIFY(degrees && degrees->isEnabled());
    QVERIFY(degrees->font().bold());
    QCOMPARE(degrees->accessibleName(), QString("Existing Latitude  (dd mm ss.s) Deg"));
    ModalAnswerer answers;
    QTest::keyClicks(degrees, "95");
    QTest::keyClicks(degrees, "12.5");
    QCOMPARE(answers.texts(),
             (QStringList{"95 is greater than 90.  Degree values must be between 0 and 90.",
                          "12.:  Improper Entry"}));
    for (const auto& seen : answers.seen()) QCOMPARE(seen.title, QString());
    QCOMPARE(degrees->text(), QString("5"));  // the box was emptied at "12.", then 5 was typed
    auto& box = world.program.screens.touch(screen::kAirport).get<TextBox>("Text7A");
    QCOMPARE(box.text(), std::string("5"));
    box.setText("45");  // a program change shows in the widget
    QCOMPARE(degrees->text(), QString("45"));

    // Scrolling the state list opens it to its full height.
    auto* states = world.window.findChild<QListWidget*>("ListState");
    QVERIFY(states);
    auto& stateList = world.program.screens.touch(screen::kAirport).get<ListBox>("ListState");
    stateList.setHeightTwips(300);
    states->verticalScrollBar()->setValue(5);
    QCOMPARE(stateList.heightTwips(), 1500);
    // Folded, the list shows one row, its choice; open, the nearest number of whole rows.
    const int row = states->sizeHintForRow(0);
    for (int twips : {300, 500, 1500}) {
      stateList.setHeightTwips(twips);
      const int inside = states->height() - 2 * states->frameWidth();
      QCOMPARE(inside % row, 0);
      if (twips < 1500) {
        QCOMPARE(inside, row);
      } else {
        QVERIFY(std::abs(states->height() - ui::pixels(twips)) <=
                row / 2 + 2 * states->frameWidth());
      }
    }
  }

  void refusalShowsTheProgramsMessageBox() {
    World world;
    world.program.store.appendAirport({{3, "ABC"}});
    world.program.current().surveyKey.clear();
    world.show(MainScreen::kName);
    auto* edit = world.window.findChild<QPushButton*>("CommandEditAPT");
    QVERIFY(edit && edit->isEnabled());
    ModalAnswerer answers;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);  // Enter presses the focused button
    QCOMPARE(answers.texts(), QStringList{"You must first select an airport."});
    QCOMPARE(answers.seen()[0].title, QString(kProgramTitle));
  }

  void gridClickChoosesTheSurvey() {
    World world;
    for (const char* key : {"AAA", "BBB"}) world.program.store.appendAirport({{3, key}, {1, key}});
    world.program.current().surveyKey.clear();
    world.program.current().storeLoaded = true;
    world.show(MainScreen::kName);
    auto* view = world.window.findChild<QTableView*>("GridAirport");
    QVERIFY(view);
    QCOMPARE(view->model()->rowCount(), 2);
    QAbstractItemModelTester tester(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QRect cell = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(world.program.current().surveyKey, std::string("BBB"));
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view->selectionModel()->selectedRows().first().row(), 1);
  }

  // A long text widens its column only as far as the headings after it stay in sight; a
  // column with none after it grows to the whole text and scrolls sideways.
  void aLongCellLeavesEveryHeadingInSight() {
    World world;
    world.show(LongCellScreen::kName);
    auto* wide = world.window.findChild<QTableView*>("GridWide");
    auto* one = world.window.findChild<QTableView*>("GridOne");
    QVERIFY(wide && one);
    const QString text = QString::fromStdString(LongCellScreen::kLong);
    const int textWidth = wide->fontMetrics().horizontalAdvance(text);
    QCOMPARE(wide->model()->index(0, 1).data(Qt::ToolTipRole).toString(), text);
    QVERIFY(wide->horizontalHeader()->length() <= wide->viewport()->width());
    QVERIFY(wide->columnWidth(1) < textWidth);
    QCOMPARE(wide->columnWidth(0), ui::pixels(1000));
    QVERIFY(wide->columnWidth(1) > ui::pixels(2000));  // grew as far as there is room
    const int lastStart = wide->horizontalHeader()->sectionViewportPosition(2);
    QVERIFY(lastStart + ui::pixels(1500) <= wide->viewport()->width());
    QVERIFY(one->columnWidth(0) >= textWidth);
    QVERIFY(one->horizontalHeader()->length() > one->viewport()->width());  // scrolls sideways
  }

  void tabsSwitchTheWorkingScreenAndItsMenus() {
    World world;
    world.show(MainScreen::kName);
    auto* bar = world.window.findChild<QTabBar*>("TabStrip1");
    QVERIFY(bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QVERIFY(world.program.screens.isShown(screen::kAirport));
    QVERIFY(!world.program.screens.isShown(MainScreen::kName));
    // An arrow key on the tab strip switches as a click does.
    QWidget* airport = world.window.viewOf(*world.program.screens.existing(screen::kAirport));
    QTest::keyClick(airport->findChild<QTabBar*>("TabStrip1"), Qt::Key_Left);
    QVERIFY(world.program.screens.isShown(MainScreen::kName));
    QVERIFY(!world.program.screens.isShown(screen::kAirport));
    // The menus are those of the screen shown now.
    QStringList titles;
    for (QAction* action : world.window.menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Help", "&Obstructions"}));
    auto* help = world.window.findChild<QAction*>("OnLineHelp");
    QVERIFY(help);
    std::ofstream(world.dir.path() / "help.pdf") << "%PDF-1.4";
    help->trigger();
    QCOMPARE(world.platform.opened.size(), std::size_t(1));
  }

  // A screen reader tells every control apart by its name, and every button and menu of a
  // window has a letter of its own for Alt (where its caption has one left); a button shows
  // its whole caption.
  void everyScreenNamesEachControlOnceAndGivesEachButtonItsOwnLetter() {
    World world;
    world.program.store.appendAirport({{3, "ABC"}, {1, "Abc Field"}});
    for (const char* name :
         {screen::kMain, screen::kSurveyType, screen::kAirport, screen::kRunway, screen::kRunwayPP,
          screen::kNavaid, screen::kObstruction, screen::kCertification, screen::kReview,
          screen::kOutputFile, screen::kImport}) {
      showScreen(world.program, name);
      QWidget* view = world.window.viewOf(*world.program.screens.existing(name));
      QVERIFY2(view, name);
      QMap<QString, QString> spoken, letters;        // to the control that has it
      QList<QPair<QString, QString>> withoutLetter;  // where, caption
      if (view->window() == &world.window) {
        for (QAction* menu : world.window.menuBar()->actions()) {
          QVERIFY2(!mnemonicOf(menu->text()).isEmpty(), qPrintable(menu->text()));
          letters[mnemonicOf(menu->text())] = "menu " + menu->text();
        }
      }
      for (QWidget* widget : view->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) continue;
        const QString where = QString(name) + "." + widget->objectName();
        const QString said = widget->accessibleName();
        QVERIFY2(!said.trimmed().isEmpty(), qPrintable(where));
        if (qobject_cast<QGroupBox*>(widget))
          QVERIFY2(said != widget->objectName(), qPrintable(where));
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(view)) {
          QVERIFY2(!spoken.contains(said),
                   qPrintable(where + " and " + spoken[said] + ": " + said));
          spoken[said] = widget->objectName();
        }
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button && button->isVisibleTo(view)) {
          const QString letter = mnemonicOf(button->text());
          if (letter.isEmpty()) withoutLetter.append({where, button->text()});
          const QString caption = QString(button->text()).replace("&&", "_").remove('&');
          QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(),
                   qPrintable(where + " cuts " + caption));
          if (!letter.isEmpty()) {
            QVERIFY2(!letters.contains(letter),
                     qPrintable(where + " and " + letters[letter] + ": Alt+" + letter));
            letters[letter] = widget->objectName();
          }
        }
        // Grids: every column a screen reader meets has a heading or some text.
        if (auto* table = qobject_cast<QTableView*>(widget)) {
          const QAbstractItemModel& model = *table->model();
          for (int column = 0; column < model.columnCount(); ++column) {
            bool text = !model.headerData(column, Qt::Horizontal).toString().isEmpty();
            for (int row = 0; row < model.rowCount() && !text; ++row) {
              text = !model.index(row, column).data().toString().isEmpty();
            }
            QVERIFY2(text, qPrintable(where + " column " + QString::number(column)));
          }
        }
      }
      // A button goes without a letter only when every letter of its caption is taken.
      for (const auto& [where, caption] : withoutLetter) {
        for (const QChar c : caption.toLower()) {
          if (c.isLetter())
            QVERIFY2(letters.contains(c), qPrintable(where + " could have Alt+" + c));
        }
      }
    }
  }

  void sideWindowClosesOnEscapeAndDiscardsItsScreen() {
    World world;
    world.show(MainScreen::kName);
    world.program.screens.touch(MainScreen::kName).get<CommandButton>("Command2").click();
    QVERIFY(world.program.screens.isShown(screen::kImport));
    QWidget* side = world.window.viewOf(*world.program.screens.existing(screen::kImport));
    QVERIFY(side);
    auto* ok = side->findChild<QPushButton*>("Command3");
    QVERIFY(ok && ok->isDefault());
    QTest::keyClick(side->window(), Qt::Key_Escape);
    QVERIFY(!world.program.screens.isShown(screen::kImport));
    QVERIFY(world.program.screens.isShown(MainScreen::kName));
  }

  void enterOnAReviewFindingOpensItsFieldWithTheFocus() {
    World world;
    review::testing::KnownSurvey survey;
    survey.store.runways().setCell(survey.runway, 5, "7000");
    auto* grid = world.showReview(survey);
    QVERIFY(grid);
    QCOMPARE(grid->model()->rowCount(), 1);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(world.program.screens.isShown(screen::kRunway));
    QTRY_VERIFY(QApplication::focusWidget() &&
                QApplication::focusWidget()->objectName() == "Text5R");
  }

  // A grid's column is as wide as Qt's own measure of its texts says, without that measure's
  // cost; past Qt's 1000 measured rows it still fits the widest text.
  void gridColumnFitsItsWidestText_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("exact");
    QTest::newRow("kerned pairs") << QStringList{"AVAVAVAV", "WAVE Tower", "To Ty Te Yo",
                                                 "Tree 1",   "ffi waffle", "AVAVAVAW"}
                                  << true;
    QStringList trees;
    for (int n = 100; n < 400; ++n) trees << "Tree " + QString::number(n);
    QTest::newRow("equal widths") << trees << true;
    QTest::newRow("other scripts")
        << QStringList{"Gate",
                       "\u0395\u03bb\u03bb\u03ac\u03b4\u03b1",
                       "\u0645\u0637\u0627\u0631 \u0645\u0637\u0627\u0631",
                       "e\u0301\u0301\u0301",
                       "\U0001F6EB\U0001F6EB",
                       "a"}
        << true;
    QTest::newRow("empty") << QStringList{"", ""} << true;
    // Ligatures may leave the bound above the text: never narrower, at most a little wider.
    QStringList ligatures;
    for (int k = 0; k < 100; ++k) {
      ligatures << QString("ffi").repeated(k % 20) + QString("office").repeated(10 - k % 10);
    }
    QTest::newRow("ligatures") << ligatures << false;
  }

  void gridColumnFitsItsWidestText() {
    QFETCH(QStringList, texts);
    QFETCH(bool, exact);
    QStandardItemModel model;
    for (const QString& text : texts) model.appendRow(new QStandardItem(text));
    ui::GridView view;
    view.setModel(&model);
    const int qtWidth = static_cast<QAbstractItemView&>(view).sizeHintForColumn(0);
    if (exact) QCOMPARE(view.contentWidth(0), qtWidth);
    QVERIFY(view.contentWidth(0) >= qtWidth);
    QVERIFY(view.contentWidth(0) <= qtWidth + 20);

    for (int row = 0; row < 1500; ++row) model.appendRow(new QStandardItem("x"));
    model.item(1400)->setText(texts.join(' ') + " and more beyond the first thousand rows");
    QVERIFY(view.contentWidth(0) > qtWidth);
    QCOMPARE(view.contentWidth(0), view.sizeHintForIndex(model.index(1400, 0)).width() + 1);
  }

  void aSavedFileTakesTheChosenFiltersExtensionWhenItHasNone() {
    const QString filters = "PDF document (*.pdf);;CSV file (*.csv)";
    const struct {
      const char *typed, *chosen, *saved;
    } cases[] = {{"r", "CSV file (*.csv)", "r.csv"},
                 {"r", "PDF document (*.pdf)", "r.pdf"},
                 {"r.CSV", "PDF document (*.pdf)", "r.CSV"},
                 {"r.txt", "PDF document (*.pdf)", "r.txt.pdf"},
                 {"r", "", "r"}};
    for (const auto& c : cases) {
      QCOMPARE(ui::withChosenExtension(c.typed, filters, c.chosen), QString(c.saved));
    }
  }

  // Each finding's message is shown whole: its column lies within the view, and each cell is
  // as high as its message wrapped in that column needs, also once the user narrows it.
  void theReviewGridShowsEachMessageWhole() {
    World world;
    review::testing::KnownSurvey survey;
    survey.store.runways().setCell(survey.runway, 5, "7000");
    survey.store.runways().setCell(survey.runway, 19, "20");
    survey.store.navaids().setCell(survey.navaid, 18, "11/01/2021");
    auto* grid = world.showReview(survey);
    QVERIFY(grid);
    const QAbstractItemModel& model = *grid->model();
    QCOMPARE(model.rowCount(), 3);
    const int column = 3;
    QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), QString("What is wrong"));
    QVERIFY(grid->columnViewportPosition(column) + grid->columnWidth(column) <=
            grid->viewport()->width());
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    auto wrappedRows = [&] {  // -1 when a message is cut
      int wrapped = 0;
      for (int row = 0; row < model.rowCount(); ++row) {
        const QRect cell = grid->visualRect(model.index(row, column));
        const QRect needed = grid->fontMetrics().boundingRect(
            QRect(0, 0, cell.width() - margins, 10000), Qt::TextWordWrap,
            model.index(row, column).data().toString());
        if (needed.width() > cell.width() - margins || needed.height() > cell.height()) return -1;
        wrapped += needed.height() > grid->fontMetrics().lineSpacing() ? 1 : 0;
      }
      return wrapped;
    };
    const int wrapped = wrappedRows();
    QVERIFY(wrapped > 0);
    grid->setColumnWidth(column, grid->columnWidth(column) / 2);  // as the user may drag it
    QVERIFY(wrappedRows() >= wrapped);
  }

  // A report of many findings: the type and date of the survey apart, the counts above the
  // table, its column headings atop each page, every finding once and in order, and as many
  // pages in the file as laid out.
  void theReviewReportRepeatsItsHeadingsOnEveryPageOrSaysWhyNot() {
    testing::TempDir dir;
    review::testing::KnownSurvey survey;
    std::vector<review::Finding> findings(150);
    for (std::size_t i = 0; i < findings.size(); ++i) {
      findings[i].severity = i < 40 ? review::Severity::Error : review::Severity::Warning;
      findings[i].record = "obstruction " + std::to_string(i);
      findings[i].message = std::string(i % 7 == 0 ? 90 : 2, 'x') + " is wrong <&>";
    }
    ReportDocument report = reviewReport(survey.store, survey.key, findings, {2026, 12, 6});
    const QString file = QString::fromStdString((dir.path() / "report.pdf").string());
    std::vector<ui::ReportPage> pages;
    QCOMPARE(ui::writeReportPdf(report, file, &pages), std::string());
    QVERIFY(pages.size() >= 3);
    using Role = ui::ReportText::Role;
    auto textsOf = [](const ui::ReportPage& page, Role role) {
      std::vector<ui::ReportText> texts;
      std::copy_if(page.begin(), page.end(), std::back_inserter(texts),
                   [role](const ui::ReportText& text) { return text.role == role; });
      return texts;
    };
    QStringList headings;
    for (const auto& heading : textsOf(pages[0], Role::Heading)) headings << heading.text;
    QVERIFY(headings.contains("Survey type: AOC") && headings.contains("Survey date: 11/20/2026"));
    const auto summary = textsOf(pages[0], Role::Summary);
    QCOMPARE(summary.at(0).text, QString("Summary: 40 errors, 110 warnings"));
    QVERIFY(summary[0].box.bottom() <= textsOf(pages[0], Role::ColumnHeading).at(0).box.top());

    std::vector<std::string> cells;
    for (const ui::ReportPage& page : pages) {
      const auto columnHeadings = textsOf(page, Role::ColumnHeading);
      QCOMPARE(columnHeadings.size(), report.columns.size());
      for (std::size_t i = 0; i < columnHeadings.size(); ++i)
        QCOMPARE(columnHeadings[i].text.toStdString(), report.columns[i]);
      const qreal pageNumberTop = textsOf(page, Role::PageNumber).at(0).box.top();
      for (const ui::ReportText& cell : textsOf(page, Role::Cell)) {
        QVERIFY(cell.box.top() >= columnHeadings[0].box.bottom());
        QVERIFY(cell.box.bottom() <= pageNumberTop);
        cells.push_back(cell.text.toStdString());
      }
    }
    std::vector<std::string> expected;
    for (const auto& row : report.rows) expected.insert(expected.end(), row.begin(), row.end());
    QVERIFY(cells == expected);

    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray first = written.readAll();
    QCOMPARE(static_cast<std::size_t>(first.count("/Type /Page\n")), pages.size());
    const QString inMissingDirectory = QString::fromStdString((dir.path() / "no/r.pdf").string());
    QVERIFY(!ui::writeReportPdf(report, inMissingDirectory).empty());
    // A write that fails halfway leaves the earlier report as it was.
    report.rows.assign(300, {"3", "4"});
    setWriteFaults({.spaceLeft = 1000});
    const std::string failure = ui::writeReportPdf(report, file);
    setWriteFaults({});
    QVERIFY(!failure.empty());
    QFile again(file);  // by its name: the one opened above is the old file whatever happened
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), first);
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  }
};

QTEST_MAIN(BindingTest)
#include "binding_test.moc"
