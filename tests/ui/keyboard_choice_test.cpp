// Option groups, lists and grids as a keyboard and screen-reader user meets them in the real
// window: Tab lands on a group's choice, focus alone chooses nothing, and only the focused
// view tells the screen reader what it holds.
#include <QAccessible>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>

#include "real_program.h"
#include "ui/item_focus.h"

using namespace survey;
using survey::testing::RealProgram;

namespace {

// The moves of the focus a list or grid tells the screen reader of: the view and its row
// (-1: the view itself).
std::vector<std::pair<QObject*, int>> focusMoves;

void recordFocusMove(QAbstractItemView& view, int row) {
  focusMoves.emplace_back(&view, row);
}

// A survey ABC with two runways, 09/27 and 18/36, shown on the screen named.
void openWithTwoRunways(RealProgram& real, const char* screenName, Preparation mode) {
  real.addSurvey("ABC", "NEW");
  auto& current = real.program.current();
  current.surveyKey = "ABC";
  current.runwayMode = current.navaidMode = RecordMode::Add;
  real.program.store.appendChild(TableKind::Runway, {{2, "09"}, {27, "27"}});
  real.program.store.appendChild(TableKind::Runway, {{2, "18"}, {27, "36"}});
  prepareScreen(real.program, screenName, mode);
  showScreen(real.program, screenName);
  real.window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&real.window));
}

QString description(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

}  // namespace

class KeyboardChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    focusMoves.clear();
    ui::setFocusWitness(recordFocusMove);
  }
  void cleanup() { ui::setFocusWitness(nullptr); }

  // Tab from the screen's first field into an option group lands on the chosen button, Space
  // there keeps the choice, the next Tab leaves the group and Shift+Tab comes back to it.
  void tabReachesAnOptionGroupAtItsChoice_data() {
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("latitude S") << QString(screen::kAirport) << "RadioS";
    QTest::newRow("no perpendicular point") << QString(screen::kNavaid) << "RadioDEF";
  }
  void tabReachesAnOptionGroupAtItsChoice() {
    QFETCH(QString, screenName);
    QFETCH(QString, chosen);
    RealProgram real;
    openWithTwoRunways(real, qPrintable(screenName),
                       screenName == screen::kAirport ? Preparation::Tab : Preparation::Load);
    Screen& screen = real.program.screens.touch(screenName.toStdString());
    auto& option = screen.get<OptionButton>(chosen.toStdString());
    option.setValue(true);
    auto* button = real.widget<QRadioButton>(qPrintable(chosen));
    QVERIFY(button && button->isChecked());
    // The group: the option buttons beside it.
    auto inGroup = [button] {
      auto* focus = qobject_cast<QRadioButton*>(QApplication::focusWidget());
      return focus && focus->parentWidget() == button->parentWidget();
    };
    QTRY_VERIFY(QApplication::focusWidget() && !inGroup());
    for (int press = 0; press < 60 && !inGroup(); ++press) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(option.value() && button->isChecked());
    QTest::keyClick(button, Qt::Key_Tab);
    QVERIFY(!inGroup());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), button);
  }

  // Focus entering a list or grid with nothing chosen chooses nothing and says so; the first
  // Down chooses the first row.
  void theFirstArrowKeyInAViewWithNothingChosenGoesToTheFirstRow() {
    const struct {
      const char* screenName;
      Preparation mode;
      const char* view;
    } views[] = {{screen::kAirport, Preparation::Tab, "GridRunway"},
                 {screen::kRunway, Preparation::Load, "ListSurf"}};
    for (const auto& entry : views) {
      RealProgram real;
      openWithTwoRunways(real, entry.screenName, entry.mode);
      Control& control = real.program.screens.touch(entry.screenName).get<Control>(entry.view);
      auto chosenRow = [&control]() -> int {
        if (auto* grid = dynamic_cast<Grid*>(&control)) return grid->selectedRow() - 1;
        return static_cast<ListBox&>(control).chosen().value_or(-1);
      };
      auto* view = real.widget<QAbstractItemView>(entry.view);
      QVERIFY2(view && chosenRow() == -1, entry.view);
      focusMoves.clear();
      view->setFocus(Qt::TabFocusReason);
      QTRY_VERIFY(view->hasFocus());
      QCoreApplication::processEvents();
      QCOMPARE(chosenRow(), -1);
      QVERIFY2(!view->currentIndex().isValid(), entry.view);
      QVERIFY(description(view).startsWith("Nothing chosen"));
      // Announced as itself, not as its first row.
      QCOMPARE(focusMoves, (std::vector<std::pair<QObject*, int>>{{view, -1}}));
      // What the screen reader asks of the view's selection (Qt's table interface).
      QAccessibleTableInterface* table =
          QAccessible::queryAccessibleInterface(view)->tableInterface();
      QCOMPARE(table->selectedRowCount(), 0);
      QTest::keyClick(view, Qt::Key_Down);
      QTRY_COMPARE(chosenRow(), 0);
      QVERIFY(!description(view).startsWith("Nothing chosen"));
      QCOMPARE(table->selectedRows(), QList<int>{0});
    }
  }

  // Choices the program makes in lists without the focus (as when a screen is reloaded) are
  // not announced; focus entering a list announces its chosen row.
  void onlyTheFocusedViewAnnouncesItsChoice() {
    RealProgram real;
    real.openAirportOf("ABC");
    Screen& airport = real.program.screens.touch(screen::kAirport);
    auto* first = real.widget<QWidget>("Text1A");
    first->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(first->hasFocus());
    focusMoves.clear();
    for (const char* name : {"ListState", "ListHor", "ListVertDatum"}) {
      airport.get<ListBox>(name).choose(2);
    }
    QCoreApplication::processEvents();
    QVERIFY(focusMoves.empty());
    auto* state = real.widget<QListWidget>("ListState");
    QCOMPARE(state->selectedItems().value(0), state->item(2));
    state->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(state->hasFocus());
    QCOMPARE(focusMoves, (std::vector<std::pair<QObject*, int>>{{state, 2}}));
    QTest::keyClick(state, Qt::Key_Down);
    QTRY_COMPARE(airport.get<ListBox>("ListState").chosen(), std::optional<int>(3));
    QCOMPARE(focusMoves.back(), std::make_pair(static_cast<QObject*>(state), 3));
  }
};

QTEST_MAIN(KeyboardChoiceTest)
#include "keyboard_choice_test.moc"
