#include "ui/pdf_report.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <string_view>

#include "store/file_io.h"

namespace survey::ui {

namespace {
QString escaped(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}
}  // namespace

QString reportHtml(const ReportDocument& document) {
  const auto alignment = [&](std::size_t column) {
    return column < document.rightAligned.size() && document.rightAligned[column]
               ? QString(" align='right'")
               : QString();
  };
  QString html = "<html><body><h2>" + escaped(document.title) + "</h2>";
  for (const std::string& line : document.heading) html += "<p>" + escaped(line) + "</p>";
  // A table head is repeated at the top of every page the table runs onto.
  html += "<table border='1' cellspacing='0' cellpadding='3' width='100%'><thead><tr>";
  for (const std::string& column : document.columns) html += "<th>" + escaped(column) + "</th>";
  html += "</tr></thead><tbody>";
  for (const auto& row : document.rows) {
    html += "<tr>";
    for (std::size_t column = 0; column < row.size(); ++column) {
      html += "<td" + alignment(column) + ">" + escaped(row[column]) + "</td>";
    }
    html += "</tr>";
  }
  html += "</tbody></table>";
  if (!document.summary.empty()) html += "<p><b>" + escaped(document.summary) + "</b></p>";
  return html + "</body></html>";
}

QByteArray reportPdf(const ReportDocument& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QString::fromStdString(document.title));
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QTextDocument text;
    text.setDefaultFont(QFont("Sans Serif", 9));
    text.setHtml(reportHtml(document));
    text.print(&pdf);
  }
  return bytes;
}

std::string writeReportPdf(const ReportDocument& document, const QString& file) {
  const QByteArray bytes = reportPdf(document);
  if (bytes.isEmpty()) return "nothing could be drawn into it";
  return writeFileAtomically(
      file.toStdString(),
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace survey::ui
