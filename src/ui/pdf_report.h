// A report drawn as a PDF file: title, identification, a table over as many pages as it
// needs (its headings repeated on each), and a summary.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "shell/platform.h"

namespace survey::ui {

// The document as the rich text the PDF is drawn from.
QString reportHtml(const ReportDocument& document);
// The PDF file's bytes.
QByteArray reportPdf(const ReportDocument& document);
// Writes the file whole or not at all (beside it first, then renamed over it). An empty
// text on success, otherwise why the file could not be written.
std::string writeReportPdf(const ReportDocument& document, const QString& file);

}  // namespace survey::ui
