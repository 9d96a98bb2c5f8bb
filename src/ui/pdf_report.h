// A report drawn as a PDF file: title, identification and summary on the first page, then a
// table over as many pages as it needs, its column headings at the top of each page.
#pragma once

#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "shell/platform.h"

namespace survey::ui {

// A text of a report page and the box it stands in (device units). The painter draws these
// and nothing else, so a page's content can be read from them.
struct ReportText {
  enum class Role { Title, Heading, Summary, ColumnHeading, Cell, PageNumber };
  Role role = Role::Cell;
  QString text;
  QRectF box;               // a table cell's frame, the text wrapped inside it
  bool alignRight = false;  // a cell of a column of numbers
};
using ReportPage = std::vector<ReportText>;

// Writes the file whole or not at all (beside it first, then renamed over it). An empty
// text on success, otherwise why the file could not be written. `pages`, when given,
// receives the pages as drawn.
std::string writeReportPdf(const ReportDocument& document, const QString& file,
                           std::vector<ReportPage>* pages = nullptr);

}  // namespace survey::ui
