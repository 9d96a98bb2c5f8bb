#include "ui/item_focus.h"

#include <QAccessible>
#include <QItemSelectionModel>

namespace survey::ui {

namespace {
FocusWitness focusWitness = nullptr;
}  // namespace

void setFocusWitness(FocusWitness witness) {
  focusWitness = witness;
}

void announceFocus(QAbstractItemView& view, int row) {
  if (focusWitness) focusWitness(view, row);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(&view, QAccessible::Focus);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&view);
  if (row >= 0 && face && face->tableInterface()) {
    if (QAccessibleInterface* cell = face->tableInterface()->cellAt(row, 0)) {
      event.setChild(face->indexOfChild(cell));
    }
  }
  QAccessible::updateAccessibility(&event);
}

void enterChoiceView(QAbstractItemView& view, bool& quiet) {
  QItemSelectionModel* selection = view.selectionModel();
  if (!selection) return;
  const QModelIndexList rows = selection->selectedRows();
  const QModelIndex chosen = rows.isEmpty() ? QModelIndex() : rows.first();
  quiet = true;
  if (chosen.isValid()) {
    selection->setCurrentIndex(chosen, QItemSelectionModel::NoUpdate);
  } else {
    selection->clearCurrentIndex();
  }
  quiet = false;
  announceFocus(view, chosen.isValid() ? chosen.row() : -1);
}

}  // namespace survey::ui
