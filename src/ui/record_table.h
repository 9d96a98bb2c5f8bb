// A table of many records, one a row: whole rows selected, Tab leaving it for the buttons,
// rows of one fixed height (tens of thousands of them need no measuring), the last column
// taking the room left.
#pragma once

class QAbstractItemModel;
class QTableView;

namespace survey::ui {

QTableView* newRecordTable(const char* objectName, const char* accessibleName,
                           QAbstractItemModel* model);

}  // namespace survey::ui
