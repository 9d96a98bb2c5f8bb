// The windowed program as it runs: the real QApplication, the Qt dialogs and platform, the
// main window, and message boxes answered as a user answers them.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "entry/all_screens.h"
#include "entry/file_chooser_screen.h"
#include "entry/main_screen.h"
#include "modal_answerer.h"
#include "real_program.h"
#include "shell/navigation.h"
#include "shell/screen_names.h"
#include "store/recovery_journal.h"
#include "support/fakes.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_platform.h"

using namespace survey;
using survey::testing::BoxSeen;
using survey::testing::Gesture;
using survey::testing::ModalAnswerer;
using survey::testing::RealProgram;

namespace {

// A widget that stands for one control of the screen (not one of Qt's inner parts).
bool isControl(const QWidget* widget) {
  return !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_");
}

// The control that holds the focus: a directory list's focus is on its inner list.
QWidget* focusedControl(QWidget* view) {
  QWidget* widget = QApplication::focusWidget();
  while (widget && widget != view && !isControl(widget)) widget = widget->parentWidget();
  return widget && view->isAncestorOf(widget) ? widget : nullptr;
}

// One round of Tab from the first control of the screen, in the order the stops come.
QList<QWidget*> tabRound(QWidget* view) {
  auto topLeft = [view](const QWidget* widget) {
    const QPoint at = widget->mapTo(view, QPoint());
    return std::pair(at.y(), at.x());
  };
  QWidget* start = nullptr;
  for (QWidget* child : view->findChildren<QWidget*>()) {
    if (isControl(child) && child->isVisible() && child->isEnabled() &&
        (child->focusPolicy() & Qt::TabFocus) && (!start || topLeft(child) < topLeft(start))) {
      start = child;
    }
  }
  QList<QWidget*> stops;
  if (!start) return stops;
  start->setFocus(Qt::TabFocusReason);
  for (int press = 0; press < 300; ++press) {
    QWidget* stop = focusedControl(view);
    if (!stop || (press > 0 && stop == start)) return stops;
    if (stops.contains(stop)) return {};  // a loop that never comes back to the start
    stops << stop;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  return {};
}

// The two neighbours a step of Tab goes between, as the screen lays them out: the stops
// themselves within one frame, else the frames (or stops) side by side that hold them.
std::pair<QRect, QRect> sidesOfStep(QWidget* from, QWidget* to, QWidget* view) {
  auto unitBelow = [view](QWidget* widget, QWidget* common) {
    while (widget->parentWidget() != common) widget = widget->parentWidget();
    return QRect(widget->mapTo(view, QPoint()), widget->size());
  };
  QWidget* common = from->parentWidget();
  while (common != view && !common->isAncestorOf(to)) common = common->parentWidget();
  return {unitBelow(from, common), unitBelow(to, common)};
}

// Whether a comes before b when read line by line (tops within a few pixels share a line).
bool readsBefore(const QRect& a, const QRect& b) {
  constexpr int kSameLine = 8;
  if (std::abs(a.top() - b.top()) <= kSameLine) return a.left() < b.left();
  return a.top() < b.top();
}

}  // namespace

class RealWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Yes to the exit question; then the save question answered by a click on a button or by
  // a gesture: Yes or No ends the program after this one dialogue, the others take it back.
  // The row's name says the path: from the survey list (or the airport screen), by File >
  // Exit or the window's close control, Yes, then the answer to the save question.
  void exitEndsTheProgramOrIsTakenBack_data() {
    QTest::addColumn<QString>("path");
    for (const char* path :
         {"File > Exit > Yes > No", "File > Exit > Yes > Yes",
          "airport screen, File > Exit > Yes > Yes", "close control > Yes > No",
          "airport screen, close control > Yes > Yes", "File > Exit > Yes > Cancel",
          "File > Exit > Yes > Escape", "File > Exit > Yes > its close control"}) {
      QTest::newRow(path) << QString(path);
    }
  }
  void exitEndsTheProgramOrIsTakenBack() {
    QFETCH(QString, path);
    const QString answer = path.section(" > ", -1);
    const std::map<QString, QMessageBox::StandardButton> buttons = {
        {"Yes", QMessageBox::Yes}, {"No", QMessageBox::No}, {"Cancel", QMessageBox::Cancel}};
    const int button = buttons.contains(answer) ? int(buttons.at(answer)) : 0;
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    makeChangesDurable(real.program);
    QVERIFY(journalExists(real.dir.path()));
    if (path.startsWith("airport screen")) {
      prepareScreen(real.program, screen::kAirport, Preparation::Tab);
      showScreen(real.program, screen::kAirport);
    }
    ModalAnswerer answers;
    answers.script({QMessageBox::Yes});
    if (button == 0) {
      answers.scriptGesture(answer == "Escape" ? Gesture::Escape : Gesture::CloseControl);
    } else {
      answers.script({QMessageBox::StandardButton(button)});
    }
    const bool ends = button == QMessageBox::Yes || button == QMessageBox::No;
    const int status = RealProgram::runAfter([&] {
      if (path.contains("close control >")) {
        real.window.close();
      } else {
        real.triggerMenu("MenuExit");
      }
    });
    QCOMPARE(status, ends ? 0 : -1);
    QCOMPARE(answers.texts(),
             (QStringList{"Do you really want to exit program?", "Do you want to save changes?"}));
    QCOMPARE(std::filesystem::exists(real.dir.path() / "survey_apt.txt"),
             button == QMessageBox::Yes);
    if (ends) return;
    QCOMPARE(answers.seen()[1].title, QString("Save?"));
    QCOMPARE(answers.seen()[1].defaultButton, QMessageBox::No);
    QVERIFY(real.window.isVisible());
    QVERIFY(real.program.screens.isShown(MainScreen::kName));
    QVERIFY(journalExists(real.dir.path()));
  }

  void aCopyOpenedReadOnlySaysSoAndRefusesChanges() {
    std::unique_ptr<StoreLock> writer;  // the other copy, which holds the store
    ModalAnswerer answers;
    answers.script({QMessageBox::Yes});  // open it read-only
    RealProgram real([&writer](const std::filesystem::path& dir) {
      LockHolder holder;
      std::string error;
      writer = StoreLock::acquire(dir, holder, error);
    });
    QVERIFY(writer);
    QVERIFY(real.program.session.readOnly);
    const QString holder = "process " + QString::number(::getpid()) + " on machine ";
    auto* status = real.widget<QLabel>("ReadOnlyStatus");
    QVERIFY(status);
    QVERIFY(status->text().startsWith("Read-only: " + holder));
    QCOMPARE(real.window.windowTitle(), QString("Current and Completed Surveys (read-only)"));
    real.openAirportOf("ABC");
    QCOMPARE(real.window.windowTitle(), QString("Part A: Airport Information (read-only)"));
    showScreen(real.program, MainScreen::kName);

    QTest::mouseClick(real.widget<QPushButton>("CommandDelete"), Qt::LeftButton);
    QTRY_VERIFY(!answers.seen().empty());
    QVERIFY(
        answers.seen().back().text.startsWith("This survey store is open read-only: " + holder));
    QVERIFY(answers.seen().back().text.endsWith(" holds it."));
    QCOMPARE(real.program.store.findSurveyRow("ABC"), 1);
  }

  void theMapMenusStayAfterEveryScreenChange() {
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    real.program.current().surveyKey = "ABC";
    const struct {
      const char* screen;
      bool exportData;
    } steps[] = {{screen::kMain, true},     {screen::kAirport, false}, {screen::kMain, true},
                 {screen::kAirport, false}, {screen::kAirport, false}, {screen::kMain, true}};
    for (const auto& step : steps) {
      if (step.screen == std::string(screen::kAirport)) {
        prepareScreen(real.program, screen::kAirport, Preparation::Tab);
      }
      showScreen(real.program, step.screen);
      QVERIFY2(real.menuItem("MenuSurveyMap", "MenuFile"), step.screen);
      QCOMPARE(real.menuItem("MenuExportSurveyData", "MenuFile") != nullptr, step.exportData);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY2(real.menuItem("MenuSurveyMap", "MenuFile"), step.screen);
    }
  }

  void declinedExitAndFailedSaveKeepTheWindowUsable() {
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    ModalAnswerer answers;
    answers.script({QMessageBox::No});
    QCOMPARE(RealProgram::runAfter([&] { real.triggerMenu("MenuExit"); }), -1);
    QCOMPARE(answers.seen().size(), std::size_t(1));
    QCOMPARE(answers.seen()[0].title, QString("Exit?"));
    QCOMPARE(answers.seen()[0].defaultButton, QMessageBox::No);
    QCOMPARE(answers.seen()[0].icon, QMessageBox::Question);

    // A store file that cannot be written: told, and the window works on.
    std::filesystem::create_directory(real.dir.path() / "survey_gs.txt");
    answers.script({QMessageBox::Yes, QMessageBox::Yes});
    QCOMPARE(RealProgram::runAfter([&] { real.window.close(); }), -1);
    QCOMPARE(answers.seen().size(), std::size_t(4));
    QVERIFY(answers.seen()[3].text.contains("survey_gs.txt"));
    QVERIFY(real.window.isVisible());
    QVERIFY(real.program.screens.isShown(MainScreen::kName));

    // Once the cause is gone, the same window exits normally.
    std::filesystem::remove(real.dir.path() / "survey_gs.txt");
    answers.script({QMessageBox::Yes, QMessageBox::Yes});
    QCOMPARE(RealProgram::runAfter([&] { real.triggerMenu("MenuExit"); }), 0);
    QCOMPARE(answers.seen().size(), std::size_t(6));
    QVERIFY(std::filesystem::exists(real.dir.path() / "survey_gs.txt"));
  }

  void createUddfWritesOnlyASurveyCertifiedAtOk() {
    RealProgram real;
    real.addSurvey("NEWX", "NEW");
    real.addSurvey("CERT", "CERTIFIED");
    real.program.current().surveyKey = "CERT";
    ModalAnswerer answers;
    QTest::mouseClick(real.widget<QPushButton>("Command1"), Qt::LeftButton);
    QWidget* fileWindow = real.window.viewOf(*real.program.screens.existing(screen::kOutputFile));
    QVERIFY(fileWindow);
    QCOMPARE(fileWindow->window()->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), fileWindow->window());

    // The survey changes under the open window: OK refuses instead of writing it.
    real.program.current().surveyKey = "NEWX";
    QTest::keyClicks(fileWindow->findChild<QLineEdit*>("Text1"), "out");
    QTest::mouseClick(fileWindow->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QTRY_COMPARE(answers.seen().size(), std::size_t(1));
    QCOMPARE(answers.seen()[0].text,
             QString("You must first certify this survey (Finalize Input on Airport Screen)."));
    QVERIFY(!std::filesystem::exists(real.dir.path() / "out.f77"));
    QVERIFY(!real.program.screens.isShown(screen::kOutputFile));
  }

  void printWithoutPrinterOffersAPdfAsTheProgramAsks() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this computer has a printer");
    RealProgram real;
    ModalAnswerer answers;
    answers.script({QMessageBox::No});
    real.triggerMenu("MenuPrint");
    QCOMPARE(answers.seen().size(), std::size_t(1));
    const BoxSeen offer = answers.seen()[0];
    QVERIFY(offer.text.startsWith("No printer is set up on this computer."));
    QCOMPARE(offer.title, QString(kProgramTitle));
    QCOMPARE(offer.defaultButton, QMessageBox::No);
    QCOMPARE(offer.icon, QMessageBox::Question);

    const QString pdf = QString::fromStdString((real.dir.path() / "screen.pdf").string());
    answers.saveFileAs(pdf);
    answers.script({QMessageBox::Yes});
    real.triggerMenu("MenuPrint");
    std::ifstream file(pdf.toStdString(), std::ios::binary);
    std::string head(4, '\0');
    file.read(head.data(), 4);
    QCOMPARE(head, std::string("%PDF"));

    // A file that cannot be written is told through the same message boxes.
    answers.saveFileAs(QString::fromStdString((real.dir.path() / "none" / "x.pdf").string()));
    answers.script({QMessageBox::Yes});
    real.triggerMenu("MenuPrint");
    QCOMPARE(answers.seen().size(), std::size_t(4));
    QVERIFY(answers.seen()[3].text.endsWith("could not be written."));
    QCOMPARE(answers.seen()[3].title, QString(kProgramTitle));
  }

  void helpThatCannotBeOpenedSaysWhereItIs() {
    RealProgram real;
    ModalAnswerer answers;
    real.triggerMenu("OnLineHelp");
    std::ofstream(real.dir.path() / "help.pdf") << "%PDF-1.4";
    const bool opened = real.platform.openDocument((real.dir.path() / "help.pdf").string());
    real.triggerMenu("OnLineHelp");
    const QString where = QString::fromStdString((real.dir.path() / "help.pdf").string());
    QCOMPARE(answers.seen().size(), std::size_t(opened ? 1 : 2));
    QCOMPARE(answers.seen()[0].text, "The help file " + where + " was not found.");
    if (!opened) QVERIFY(answers.seen()[1].text.contains(where));
    QVERIFY(!real.platform.openDocument("no-such-scheme-for-anything:x"));
  }

  void tabbingThroughEveryScreenFollowsItsLayoutAndChoosesNothing_data() {
    QTest::addColumn<QString>("screenName");
    for (const char* name :
         {screen::kMain, screen::kSurveyType, screen::kAirport, screen::kRunway, screen::kRunwayPP,
          screen::kNavaid, screen::kObstruction, screen::kCertification, screen::kReview,
          screen::kOutputFile, screen::kImport}) {
      QTest::newRow(name) << QString(name);
    }
  }
  void tabbingThroughEveryScreenFollowsItsLayoutAndChoosesNothing() {
    QFETCH(QString, screenName);
    const std::string name = screenName.toStdString();
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    auto& current = real.program.current();
    current.surveyKey = "ABC";
    current.runwayMode = current.navaidMode = current.obstructionMode = RecordMode::Add;
    prepareScreen(real.program, name,
                  name == screen::kAirport ? Preparation::Tab : Preparation::Load);
    showScreen(real.program, name);
    ModalAnswerer answers;
    const auto before = real.chosenItems(name.c_str());
    QWidget* view = real.window.viewOf(*real.program.screens.existing(name));
    QVERIFY(view);
    view->window()->activateWindow();  // a file window stands beside the main window
    QVERIFY(QTest::qWaitForWindowActive(view->window()));
    const QList<QWidget*> stops = tabRound(view);
    QVERIFY(!stops.isEmpty());

    // Every control a keyboard user can work is reached exactly once.
    for (QWidget* child : view->findChildren<QWidget*>()) {
      if (isControl(child) && child->isVisible() && child->isEnabled() &&
          (child->focusPolicy() & Qt::TabFocus)) {
        QVERIFY2(stops.count(child) == 1, qPrintable(child->objectName()));
      }
    }
    // In reading order: a frame is finished before the next begins, and each stop lies
    // right of the one before on its line, or below it.
    for (qsizetype at = 1; at < stops.size(); ++at) {
      const auto [from, to] = sidesOfStep(stops[at - 1], stops[at], view);
      const QString step = stops[at - 1]->objectName() + " -> " + stops[at]->objectName();
      QVERIFY2(!readsBefore(to, from), qPrintable(step));
    }
    for (QGroupBox* frame : view->findChildren<QGroupBox*>()) {
      qsizetype first = -1, last = -1, inside = 0;
      for (qsizetype at = 0; at < stops.size(); ++at) {
        if (!frame->isAncestorOf(stops[at])) continue;
        first = first < 0 ? at : first;
        last = at;
        ++inside;
      }
      QVERIFY2(inside == 0 || last - first + 1 == inside, qPrintable(frame->objectName()));
    }

    QCoreApplication::processEvents();
    const auto after = real.chosenItems(name.c_str());
    QVERIFY(after == before);
    // What the lists show is what the program holds.
    for (QWidget* stop : stops) {
      if (auto* list = qobject_cast<QListWidget*>(stop)) {
        const auto chosen = after.at(list->objectName().toStdString());
        QCOMPARE(list->selectedItems().isEmpty(), !chosen.has_value());
      }
    }
  }

  // Enter in a file window's folder list opens the folder and nothing else: no file is
  // written or read, no message comes. The drive list is named by its label.
  void enterInAFolderListOpensTheFolderOnly() {
    for (const char* name : {screen::kOutputFile, screen::kImport}) {
      RealProgram real;
      real.addSurvey("CERT", "CERTIFIED");
      real.program.current().surveyKey = "CERT";
      std::filesystem::create_directory(real.dir.path() / "sub");
      ModalAnswerer answers;
      real.widget<QPushButton>(name == screen::kImport ? "Command2" : "Command1")->click();
      auto& chooser = static_cast<FileChooserScreen&>(*real.program.screens.existing(name));
      QWidget* view = real.window.viewOf(chooser);
      QVERIFY(QTest::qWaitForWindowActive(view->window()));
      const auto labels = QAccessible::queryAccessibleInterface(view->findChild<QWidget*>("Drive1"))
                              ->relations(QAccessible::Label);
      QVERIFY(std::any_of(labels.begin(), labels.end(), [](const auto& label) {
        return label.first->text(QAccessible::Name) == "Drive";
      }));
      auto* folders = view->findChild<QWidget*>("Dir1")->findChild<QListWidget*>();
      folders->setCurrentItem(folders->findItems("sub", Qt::MatchExactly).value(0));
      QTest::keyClick(folders, Qt::Key_Return);
      QVERIFY(real.program.screens.isShown(name));  // OK would have closed the output window
      QCOMPARE(answers.texts(), QStringList());
      QCOMPARE(chooser.directory().path(), (real.dir.path() / "sub").string());
    }
  }

  void arrowKeysAndLettersChooseInTheStateListAndEscapeCancels() {
    RealProgram real;
    real.openAirportOf("ABC");
    real.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&real.window));
    auto& state = real.program.screens.touch(screen::kAirport).get<ListBox>("ListState");
    // The screen takes the keys at its first field.
    QTRY_VERIFY(QApplication::focusWidget() == real.widget<QLineEdit>("Text1A"));
    auto* list = real.widget<QListWidget>("ListState");
    QVERIFY(list);
    list->setFocus(Qt::TabFocusReason);
    const struct {
      Qt::Key key;
      const char* typed;
      const char* chosen;
    } steps[] = {{Qt::Key_Down, "", "ALABAMA"},     {Qt::Key_Down, "", "ALASKA"},
                 {Qt::Key_Down, "", "ARIZONA"},     {Qt::Key_Up, "", "ALASKA"},
                 {Qt::Key_unknown, "tex", "TEXAS"}, {Qt::Key_Down, "", "UTAH"},
                 {Qt::Key_End, "", "WYOMING"},      {Qt::Key_Down, "", "WYOMING"},
                 {Qt::Key_Up, "", "WISCONSIN"}};
    for (const auto& step : steps) {
      if (step.key != Qt::Key_unknown) QTest::keyClick(list, step.key);
      QTest::keyClicks(list, step.typed);
      QTRY_COMPARE(QString::fromStdString(state.item(0)), QString(step.chosen));
      QCOMPARE(QString::fromStdString(state.chosenText()), QString(step.chosen));
      QCOMPARE(list->selectedItems().size(), 1);
      QCOMPARE(list->selectedItems().first()->text(), QString(step.chosen));
      QCOMPARE(list->currentItem()->text(), QString(step.chosen));
      QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
    }
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QString::fromStdString(state.item(0)), QString("WISCONSIN"));
    // Escape presses the screen's "Cancel": back to the survey list.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(real.program.screens.isShown(MainScreen::kName));
  }

  // Distance, Tab, orthometric, Tab, ellipsoidal, Alt+A, and again: each point keeps its
  // values apart, because Add leaves the cursor in Distance.
  void profilePointsAddByKeyboardStartsTheNextPointAtItsDistance() {
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    auto& current = real.program.current();
    current.surveyKey = "ABC";
    current.runwayEnd = "09";
    current.runwayMode = RecordMode::Add;
    real.program.store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}, {5, "5000"}});
    prepareScreen(real.program, screen::kRunwayPP, Preparation::Load);
    showScreen(real.program, screen::kRunwayPP);
    real.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&real.window));
    auto* distance = real.widget<QLineEdit>("Text1PP");
    QTRY_VERIFY(QApplication::focusWidget() == distance);
    const QList<QStringList> points = {{"800", "1.5", "2"}, {"1600", "2.5", "3"}};
    for (const QStringList& point : points) {
      for (const QString& value : point) {
        if (&value != &point.front()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), value);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
      QTRY_VERIFY(QApplication::focusWidget() == distance);
      QVERIFY(distance->text().isEmpty());
    }
    const Grid& grid = real.program.screens.touch(screen::kRunwayPP).get<Grid>("GridPP");
    QCOMPARE(grid.rows(), 3);
    for (int row = 1; row <= 2; ++row) {
      for (int column = 1; column <= 3; ++column) {
        QCOMPARE(QString::fromStdString(grid.cell(row, column)), points[row - 1][column - 1]);
      }
    }
  }

  // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp go between the survey list and the
  // airport screen from whatever control holds the focus.
  void tabKeysSwitchScreensWhereverTheFocusIs() {
    RealProgram real;
    real.addSurvey("ABC", "NEW");
    real.program.current().surveyKey = "ABC";
    real.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&real.window));
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const struct {
      const char* focus;
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      const char* to;
    } steps[] = {{"GridAirport", Qt::Key_Tab, ctrl, screen::kAirport},
                 {"Text1A", Qt::Key_Backtab, ctrl | Qt::ShiftModifier, screen::kMain},
                 {"CommandEditAPT", Qt::Key_PageDown, ctrl, screen::kAirport},
                 {"ListState", Qt::Key_PageUp, ctrl, screen::kMain},
                 {"GridAirport", Qt::Key_PageUp, ctrl, screen::kAirport},
                 {"GridRunway", Qt::Key_Tab, ctrl, screen::kMain}};
    for (const auto& step : steps) {
      QWidget* target = nullptr;
      QTRY_VERIFY2((target = real.widget<QWidget>(step.focus)) && target->isVisible(), step.focus);
      target->setFocus(Qt::TabFocusReason);
      QTRY_VERIFY2(target->hasFocus(), step.focus);
      QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
      QTRY_VERIFY2(real.program.screens.isShown(step.to), step.focus);
    }
  }

  // "Go to Field" on a finding of the airport record opens the airport screen for editing:
  // the fix typed there is saved by its Save.
  void goToFieldOnAnAirportFindingOpensTheAirportForEditing() {
    RealProgram real;
    real.openAirportOf("ABC");
    real.triggerMenu("MenuReviewSurvey");
    QTRY_VERIFY(real.program.screens.isShown(screen::kReview));
    const Grid& findings =
        real.program.screens.existing(screen::kReview)->get<Grid>("GridFindings");
    QVERIFY(findings.rows() > 1);
    QCOMPARE(QString::fromStdString(findings.cell(findings.selectedRow(), 1)),
             QString("airport ABC"));
    auto* go = real.widget<QPushButton>("CommandOpen");
    QVERIFY(go);
    QTest::mouseClick(go, Qt::LeftButton);
    QTRY_VERIFY(real.program.screens.isShown(screen::kAirport));
    QPushButton* save = nullptr;
    QTRY_VERIFY((save = real.widget<QPushButton>("CommandSubmitAirport")) && save->isVisible());
    QVERIFY(save->isEnabled());
    QVERIFY(real.program.current().airportMode == RecordMode::Edit);
  }

  void accessibilityInputReachesTheProgram() {
    RealProgram real;
    real.program.current().airportMode = RecordMode::Add;
    prepareScreen(real.program, screen::kAirport, Preparation::Load);
    showScreen(real.program, screen::kAirport);
    Screen& airport = real.program.screens.touch(screen::kAirport);
    ModalAnswerer answers;

    // Text inserted as a screen reader or dictation tool does: checked and stored.
    const struct {
      const char* box;
      const char* inserted;
      const char* kept;
    } insertions[] = {{"Text1A", "Springfield", "Springfield"},
                      {"Text3A", "KJFK", ""},  // an ICAO identifier is refused
                      {"Text7A", "95", ""}};
    for (const auto& insertion : insertions) {
      auto* edit = real.widget<QLineEdit>(insertion.box);
      QVERIFY2(edit, insertion.box);
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
      QVERIFY(face && face->editableTextInterface());
      face->editableTextInterface()->insertText(0, insertion.inserted);
      QCOMPARE(QString::fromStdString(airport.get<TextBox>(insertion.box).text()),
               QString(insertion.kept));
      QCOMPARE(edit->text(), QString(insertion.kept));
    }
    QCOMPARE(answers.seen().size(), std::size_t(2));  // the two refusals

    // Option buttons: announced as radio buttons, one chosen whatever the path.
    auto* south = real.widget<QRadioButton>("RadioS");
    auto* north = real.widget<QRadioButton>("RadioN");
    QAccessibleInterface* southFace = QAccessible::queryAccessibleInterface(south);
    QCOMPARE(southFace->role(), QAccessible::RadioButton);
    southFace->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(south->isChecked() && !north->isChecked());
    QVERIFY(airport.get<OptionButton>("RadioS").value());
    south->toggle();  // a chosen option cannot be unchosen on its own
    QVERIFY(south->isChecked() && airport.get<OptionButton>("RadioS").value());
    north->setChecked(true);
    QVERIFY(!south->isChecked() && !airport.get<OptionButton>("RadioS").value());

    // A list item chosen through the list's accessibility interface.
    auto* list = real.widget<QListWidget>("ListHor");
    QVERIFY(list && list->count() > 2);
    QAccessibleInterface* listFace = QAccessible::queryAccessibleInterface(list);
    QVERIFY(listFace && listFace->tableInterface());
    listFace->tableInterface()->selectRow(2);
    QTRY_VERIFY(airport.get<ListBox>("ListHor").chosen() == std::optional<int>(2));
  }
};

QTEST_MAIN(RealWindowTest)
#include "real_window_test.moc"
