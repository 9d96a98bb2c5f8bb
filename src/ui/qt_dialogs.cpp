#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace survey::ui {

Button QtDialogs::show(const Message& message) {
  QWidget* parent = parent_ ? parent_() : nullptr;
  QMessageBox box(parent);
  box.setText(QString::fromStdString(message.text));
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setIcon(message.questionIcon ? QMessageBox::Question : QMessageBox::NoIcon);
  // A busy pointer must not hide the pointer a person needs to answer.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  Button result = Button::Ok;
  if (message.buttons == Buttons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
  } else {
    // Escape and the close control press the escape button: No, or Cancel where offered.
    const bool cancel = message.buttons == Buttons::YesNoCancel;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                           (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
    box.setDefaultButton(message.defaultButton == Button::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
    const int answer = box.exec();
    result = answer == QMessageBox::Yes  ? Button::Yes
             : answer == QMessageBox::No ? Button::No
                                         : Button::Cancel;
  }
  if (busy) QApplication::restoreOverrideCursor();
  return result;
}

}  // namespace survey::ui
