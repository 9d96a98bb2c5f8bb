// Texts the screens show whole: list items, the start of a long value, the lines of a note,
// a folded list's choice and the captions of the labels, measured with the widgets' fonts.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "modal_answerer.h"
#include "real_program.h"
#include "shell/record_screen.h"

using namespace survey;

namespace {

// The screen NAME of survey ABC (its state STATE, one navaid of the TYPE), as Edit opens it.
struct ShownScreen : testing::RealProgram {
  testing::ModalAnswerer answers;
  std::string shownName;
  explicit ShownScreen(const char* name, const std::string& type = "",
                       const std::string& state = "")
      : shownName(name) {
    program.store.appendAirport({{1, "Field"}, {3, "ABC"}, {20, state}});
    program.store.appendChild(TableKind::Navaid, {{15, type}});
    auto& current = program.current();
    current.storeLoaded = true;
    current.surveyKey = "ABC";
    current.navaidMode = RecordMode::Edit;
    current.navaidRow = 1;
    if (shownName == screen::kAirport) prepareScreen(program, name, Preparation::Tab);
    if (shownName == screen::kNavaid) prepareScreen(program, name, Preparation::Load);
    auto& shown = showScreen(program, name);
    if (auto* record = dynamic_cast<RecordScreen*>(&shown); record && !type.empty())
      record->loadRecord();
    QTest::qWait(20);
  }
  QWidget* view() { return window.viewOf(*program.screens.existing(shownName)); }
  template <class W>
  W* widget(const char* name) {
    return view()->findChild<W*>(name);
  }
};

// The lines a wrapping label lays its text out in.
QStringList shownLines(const QLabel& label) {
  if (!label.wordWrap()) return {label.text()};
  QTextLayout layout(label.text(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

}  // namespace

class CutTextTest : public QObject {
  Q_OBJECT

 private slots:
  // Every item of the type lists and the airport's lists shows whole, no sideways scrolling.
  void everyListItemFitsItsList() {
    for (const char* name : {screen::kNavaid, screen::kAirport}) {
      ShownScreen real(name);
      for (QListWidget* list : real.view()->findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row) {
          const QString text = list->item(row)->text();
          QVERIFY2(list->fontMetrics().horizontalAdvance(text) < list->viewport()->width(),
                   qPrintable(text));
        }
      }
    }
  }

  // A long value shows its start while the box does not have the focus.
  void longValueShowsItsStart_data() {
    QTest::addColumn<bool>("typed");
    QTest::newRow("loaded") << false;
    QTest::newRow("typed, then Tab") << true;
  }
  void longValueShowsItsStart() {
    QFETCH(bool, typed);
    ShownScreen real(screen::kNavaid, typed ? "" : "ASOS - Weather Station");
    auto* box = real.widget<QLineEdit>("Text15G");
    if (typed) {
      box->setFocus();
      QTest::keyClicks(box, "ASOS - Weather Station");
      QTest::keyClick(box, Qt::Key_Tab);
    }
    QCOMPARE(box->text(), QString("ASOS - Weather Station"));
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->cursorPosition(), 0);
  }

  // The certification texts show whole lines; those below are reached by scrolling.
  void notesShowWholeLines() {
    ShownScreen real(screen::kCertification);
    for (const char* name : {"TextSurvey2", "TextSurvey3"}) {
      auto* note = real.widget<QPlainTextEdit>(name);
      const QRect viewport = note->viewport()->rect();
      const QTextBlock block = note->document()->firstBlock();
      QVERIFY(block.layout()->lineCount() > 2);
      bool below = false;
      for (int i = 0; i < block.layout()->lineCount(); ++i) {
        QTextCursor start(block);
        start.setPosition(block.position() + block.layout()->lineAt(i).textStart());
        const QRect line = note->cursorRect(start).adjusted(0, 0, 1, 0);
        QVERIFY2(viewport.contains(line) || !viewport.intersects(line), name);
        below = below || !viewport.intersects(line);
      }
      QVERIFY2(!below || note->verticalScrollBar()->isVisible(), name);
    }
  }

  // Folded, the state list shows its choice and nothing of the states around it.
  void foldedStateListShowsItsChoiceAlone_data() {
    QTest::addColumn<QString>("state");
    QTest::newRow("none stored") << QString();
    QTest::newRow("TEXAS stored") << QString("TEXAS");
  }
  void foldedStateListShowsItsChoiceAlone() {
    QFETCH(QString, state);
    ShownScreen real(screen::kAirport, "", state.toStdString());
    auto* list = real.widget<QListWidget>("ListState");
    QCOMPARE(list->currentItem()->text(), state);
    for (int row = 0; row < list->count(); ++row) {
      const QRect item = list->visualItemRect(list->item(row));
      QCOMPARE(list->viewport()->rect().intersects(item), row == list->currentRow());
      if (row == list->currentRow()) QVERIFY(list->viewport()->rect().contains(item));
    }
  }

  // Every caption shows whole, a hint in parentheses never broken: "Existing Longitude"
  // above "(dd mm ss.s)", "(ddd mm ss.s)" on one line.
  void captionsShowWholeAndKeepHintsTogether() {
    for (const char* name : {screen::kAirport, screen::kNavaid}) {
      ShownScreen real(name);
      for (QLabel* label : real.view()->findChildren<QLabel*>()) {
        const QStringList lines = shownLines(*label);
        QVERIFY(label->height() >= int(lines.size()) * label->fontMetrics().lineSpacing());
        for (const QString& line : lines) {
          QVERIFY2(line.count('(') == line.count(')'), qPrintable(line));
          QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->width(),
                   qPrintable(line));
        }
      }
    }
    ShownScreen real(screen::kAirport);
    QCOMPARE(shownLines(*real.widget<QLabel>("LabelField10")).size(), 2);
  }
};

QTEST_MAIN(CutTextTest)
#include "cut_text_test.moc"
