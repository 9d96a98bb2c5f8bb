// Answers the program's modal windows as a user does, and remembers the message boxes.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <vector>

namespace survey::testing {

struct BoxSeen {
  QString text, title;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for modal windows and answers them: questions from a script (No when the script
// is empty), notices with OK, a file window with the file set beforehand.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(5);
  }
  void script(std::initializer_list<QMessageBox::StandardButton> answers) {
    answers_.insert(answers_.end(), answers);
  }
  void saveFileAs(const QString& path) { file_ = path; }
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
      dialog->selectFile(file_);
      static_cast<QDialog*>(dialog)->accept();
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || !box->isVisible()) return;
    BoxSeen seen{box->text(), box->windowTitle(), QMessageBox::NoButton, box->icon()};
    if (auto* def = box->defaultButton()) seen.defaultButton = box->standardButton(def);
    seen_.push_back(seen);
    QMessageBox::StandardButton button = QMessageBox::Ok;
    if (box->button(QMessageBox::Yes)) {
      button = answers_.empty() ? QMessageBox::No : answers_.front();
      if (!answers_.empty()) answers_.pop_front();
    }
    box->button(button)->click();
  }
  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
  std::vector<BoxSeen> seen_;
  QString file_;
};

}  // namespace survey::testing
