// The letters Alt reaches a menu's items by: no two may be alike.
#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace survey::testing {

inline QStringList menuLetters(const QMenu& menu) {
  QStringList letters;
  for (const QAction* action : menu.actions()) {
    if (action->text().contains('&')) letters << action->text().section('&', 1).left(1).toUpper();
  }
  return letters;
}

}  // namespace survey::testing
