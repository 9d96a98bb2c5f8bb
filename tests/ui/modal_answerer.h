// Answers the program's modal windows as a user does, and remembers the message boxes.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <vector>

namespace survey::testing {

struct BoxSeen {
  QString text, title;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// How a question is answered besides a click on one of its buttons.
enum class Gesture { Click, Escape, CloseControl };

// Watches for modal windows and answers them: questions from a script (No when the script
// is empty), notices with OK, a file window with the file set beforehand.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(5);
  }
  void script(std::initializer_list<QMessageBox::StandardButton> answers) {
    for (auto button : answers) answers_.push_back({button, Gesture::Click});
  }
  // The next question is answered with Escape or its close control instead.
  void scriptGesture(Gesture gesture) { answers_.push_back({QMessageBox::NoButton, gesture}); }
  // A file window is answered with this file, under this filter when one is named.
  void saveFileAs(const QString& path, const QString& filter = {}) {
    file_ = path;
    filter_ = filter;
  }
  const std::vector<BoxSeen>& seen() const { return seen_; }
  QStringList texts() const {
    QStringList result;
    for (const auto& box : seen_) result << box.text;
    return result;
  }

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (!filter_.isEmpty()) dialog->selectNameFilter(filter_);
      dialog->selectFile(file_);
      static_cast<QDialog*>(dialog)->accept();
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || !box->isVisible()) return;
    BoxSeen seen{box->text(), box->windowTitle(), QMessageBox::NoButton, box->icon()};
    if (auto* def = box->defaultButton()) seen.defaultButton = box->standardButton(def);
    seen_.push_back(seen);
    Answer next{QMessageBox::Ok, Gesture::Click};
    if (box->button(QMessageBox::Yes)) {
      next = answers_.empty() ? Answer{QMessageBox::No, Gesture::Click} : answers_.front();
      if (!answers_.empty()) answers_.pop_front();
    }
    if (next.gesture == Gesture::Escape) return QTest::keyClick(box, Qt::Key_Escape);
    // A button the box does not have is taken as its close control.
    QAbstractButton* button = box->button(next.button);
    if (next.gesture == Gesture::CloseControl || !button) return void(box->close());
    button->click();
  }
  struct Answer {
    QMessageBox::StandardButton button;
    Gesture gesture;
  };
  QTimer timer_;
  std::deque<Answer> answers_;
  std::vector<BoxSeen> seen_;
  QString file_;
  QString filter_;
};

}  // namespace survey::testing
