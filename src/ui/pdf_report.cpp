#include "ui/pdf_report.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace survey::ui {

namespace {
QString escaped(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}
}  // namespace

QString reportHtml(const ReportDocument& document) {
  QString html = "<html><body><h2>" + escaped(document.title) + "</h2>";
  for (const std::string& line : document.heading) html += "<p>" + escaped(line) + "</p>";
  html += "<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr>";
  for (const std::string& column : document.columns) html += "<th>" + escaped(column) + "</th>";
  html += "</tr>";
  for (const auto& row : document.rows) {
    html += "<tr>";
    for (const std::string& cell : row) html += "<td>" + escaped(cell) + "</td>";
    html += "</tr>";
  }
  html += "</table><p><b>" + escaped(document.summary) + "</b></p></body></html>";
  return html;
}

std::string writeReportPdf(const ReportDocument& document, const QString& file) {
  {
    // QPdfWriter says nothing when it cannot write: try the file first.
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) return probe.errorString().toStdString();
  }
  QPdfWriter pdf(file);
  pdf.setTitle(QString::fromStdString(document.title));
  pdf.setPageSize(QPageSize(QPageSize::Letter));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QTextDocument text;
  text.setDefaultFont(QFont("Sans Serif", 9));
  text.setHtml(reportHtml(document));
  text.print(&pdf);
  if (QFileInfo(file).size() == 0) return "nothing could be written to it";
  return {};
}

}  // namespace survey::ui
