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
  if (message.buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultButton == Button::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    result = box.exec() == QMessageBox::Yes ? Button::Yes : Button::No;
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
  }
  if (busy) QApplication::restoreOverrideCursor();
  return result;
}

}  // namespace survey::ui
