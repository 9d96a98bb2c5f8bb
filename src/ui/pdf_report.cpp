#include "ui/pdf_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "ui/drawn_file.h"

namespace survey::ui {

namespace {

using Role = ReportText::Role;

QFont fontOf(Role role) {
  QFont font("Sans Serif", role == Role::Title ? 14 : 9);
  font.setBold(role == Role::Title || role == Role::Summary || role == Role::ColumnHeading);
  return font;
}

bool inTable(Role role) {
  return role == Role::ColumnHeading || role == Role::Cell;
}

qreal lineSpacing(QPaintDevice& device) {
  return QFontMetricsF(fontOf(Role::Cell), &device).lineSpacing();
}

// Between a table cell's frame and its text.
qreal cellPadding(QPaintDevice& device) {
  return lineSpacing(device) / 4;
}

// A text broken into lines of a width, at word boundaries where it has them.
class WrappedText {
 public:
  WrappedText(const QString& text, Role role, QPaintDevice& device, qreal width,
              bool alignRight = false)
      : layout_(text, fontOf(role), &device) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (alignRight) option.setAlignment(Qt::AlignRight);
    layout_.setTextOption(option);
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, height_));
      height_ += line.height();
    }
    layout_.endLayout();
  }
  qreal height() const { return height_; }
  void draw(QPainter& painter, QPointF at) const { layout_.draw(&painter, at); }

 private:
  QTextLayout layout_;
  qreal height_ = 0;
};

// Each column gets at least its longest word, and what is left in proportion to how much
// more its longest text needs; a table narrower than the page is widened to fill it.
std::vector<qreal> columnWidths(const ReportDocument& document, QPaintDevice& device,
                                qreal available) {
  const std::size_t count = document.columns.size();
  const qreal padding = 2 * cellPadding(device);
  std::vector<qreal> least(count, padding), natural(count, padding);
  auto measure = [&](const QFontMetricsF& metrics, std::size_t column, const std::string& text) {
    const QString whole = QString::fromStdString(text);
    natural[column] = std::max(natural[column], metrics.horizontalAdvance(whole) + padding);
    for (const QString& word : whole.split(' ', Qt::SkipEmptyParts)) {
      least[column] = std::max(least[column], metrics.horizontalAdvance(word) + padding);
    }
  };
  const QFontMetricsF headingMetrics(fontOf(Role::ColumnHeading), &device);
  const QFontMetricsF cellMetrics(fontOf(Role::Cell), &device);
  for (std::size_t column = 0; column < count; ++column) {
    measure(headingMetrics, column, document.columns[column]);
    for (const auto& row : document.rows) {
      if (column < row.size()) measure(cellMetrics, column, row[column]);
    }
  }
  // A word longer than a fair share of the page is broken rather than squeezing the others.
  for (qreal& width : least) width = std::min(width, available / static_cast<qreal>(count));
  const qreal leastSum = std::accumulate(least.begin(), least.end(), 0.0);
  const qreal naturalSum = std::accumulate(natural.begin(), natural.end(), 0.0);
  std::vector<qreal> widths(count);
  for (std::size_t column = 0; column < count; ++column) {
    if (naturalSum <= available) {
      widths[column] = natural[column] * available / naturalSum;
    } else if (leastSum >= available) {
      widths[column] = least[column] * available / leastSum;
    } else {
      widths[column] = least[column] + (natural[column] - least[column]) * (available - leastSum) /
                                           (naturalSum - leastSum);
    }
  }
  return widths;
}

// The pages of the document within `page` (the printable area, in the device's units).
std::vector<ReportPage> layOutReport(const ReportDocument& document, QPaintDevice& device,
                                     const QRectF& page) {
  std::vector<ReportPage> pages(1);
  const qreal line = lineSpacing(device);
  const qreal padding = cellPadding(device);
  qreal y = page.top();
  auto place = [&](Role role, const std::string& text, qreal gapAfter) {
    const QString shown = QString::fromStdString(text);
    const WrappedText wrapped(shown, role, device, page.width());
    pages.back().push_back({role, shown, QRectF(page.left(), y, page.width(), wrapped.height())});
    y += wrapped.height() + gapAfter;
  };
  place(Role::Title, document.title, line / 2);
  for (const std::string& heading : document.heading) place(Role::Heading, heading, 0);
  y += line / 2;
  if (!document.summary.empty()) place(Role::Summary, document.summary, line);

  // A row of the table as it stands at the top of a page; its cells as high as the highest.
  const std::vector<qreal> widths = columnWidths(document, device, page.width());
  auto tableRow = [&](const std::vector<std::string>& cells, Role role) {
    ReportPage row;
    qreal x = page.left(), height = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
      const QString text = QString::fromStdString(column < cells.size() ? cells[column] : "");
      height =
          std::max(height, WrappedText(text, role, device, widths[column] - 2 * padding).height());
      const bool right = role == Role::Cell && column < document.rightAligned.size() &&
                         document.rightAligned[column];
      row.push_back({role, text, QRectF(x, 0, widths[column], 0), right});
      x += widths[column];
    }
    for (ReportText& cell : row) cell.box.setHeight(std::max(height, line) + 2 * padding);
    return row;
  };
  auto put = [&](ReportPage row) {
    for (ReportText& cell : row) cell.box.translate(0, y);
    y += row.empty() ? 0 : row.front().box.height();
    pages.back().insert(pages.back().end(), row.begin(), row.end());
  };
  const qreal bottom = page.bottom() - 2 * line;  // the page number below
  if (!widths.empty()) {
    const ReportPage headings = tableRow(document.columns, Role::ColumnHeading);
    put(headings);
    bool rowsOnPage = false;
    for (const auto& cells : document.rows) {
      ReportPage row = tableRow(cells, Role::Cell);
      if (rowsOnPage && y + row.front().box.height() > bottom) {
        pages.emplace_back();
        y = page.top();
        put(headings);
      }
      put(std::move(row));
      rowsOnPage = true;
    }
  }

  const QFontMetricsF metrics(fontOf(Role::PageNumber), &device);
  for (std::size_t index = 0; index < pages.size(); ++index) {
    const QString number = QString("Page %1 of %2").arg(index + 1).arg(pages.size());
    const qreal width = metrics.horizontalAdvance(number) + 1;
    pages[index].push_back({Role::PageNumber, number,
                            QRectF(page.right() - width, page.bottom() - line, width, line)});
  }
  return pages;
}

// The report as PDF pages into `device`; `laidOut` receives what each page holds.
std::string drawReport(const ReportDocument& document, QIODevice& device,
                       std::vector<ReportPage>& laidOut) {
  QPdfWriter pdf(&device);
  pdf.setTitle(QString::fromStdString(document.title));
  pdf.setPageSize(QPageSize(QPageSize::Letter));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  // The painter's origin is the corner of the printable area.
  const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
  laidOut = layOutReport(document, pdf, area);
  {
    QPainter painter;
    if (!painter.begin(&pdf)) return "nothing could be drawn in it";
    painter.setPen(QPen(Qt::black, pdf.resolution() / 144.0));  // half a point
    const qreal padding = cellPadding(pdf);
    for (std::size_t index = 0; index < laidOut.size(); ++index) {
      if (index > 0) pdf.newPage();
      for (const ReportText& text : laidOut[index]) {
        if (!inTable(text.role)) {
          WrappedText(text.text, text.role, pdf, text.box.width())
              .draw(painter, text.box.topLeft());
          continue;
        }
        if (text.role == Role::ColumnHeading) painter.fillRect(text.box, QColor(230, 230, 230));
        painter.drawRect(text.box);
        WrappedText(text.text, text.role, pdf, text.box.width() - 2 * padding, text.alignRight)
            .draw(painter, text.box.topLeft() + QPointF(padding, padding));
      }
    }
  }
  return {};
}

}  // namespace

std::string writeReportPdf(const ReportDocument& document, const QString& file,
                           std::vector<ReportPage>* pages) {
  // Drawn in memory first, so that a failed write leaves any earlier file as it was.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  std::vector<ReportPage> laidOut;
  if (std::string why = drawReport(document, buffer, laidOut); !why.empty()) return why;
  if (std::string why = writeDrawnFile(file, bytes); !why.empty()) return why;
  if (pages) *pages = std::move(laidOut);
  return {};
}

}  // namespace survey::ui
