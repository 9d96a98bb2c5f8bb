// A report drawn as a PDF file: title, identification, a table over as many pages as it
// needs, and a summary.
#pragma once

#include <QString>
#include <string>

#include "shell/platform.h"

namespace survey::ui {

// The document as the rich text the PDF is drawn from.
QString reportHtml(const ReportDocument& document);
// An empty text on success, otherwise why the file could not be written.
std::string writeReportPdf(const ReportDocument& document, const QString& file);

}  // namespace survey::ui
