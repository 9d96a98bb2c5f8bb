#include "ui/record_table.h"

#include <QHeaderView>
#include <QTableView>

namespace survey::ui {

QTableView* newRecordTable(const char* objectName, const char* accessibleName,
                           QAbstractItemModel* model) {
  auto* table = new QTableView;
  table->setObjectName(objectName);
  table->setAccessibleName(accessibleName);
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setTabKeyNavigation(false);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace survey::ui
