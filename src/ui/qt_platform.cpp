#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <QUrl>

#include "ui/pdf_report.h"

namespace survey::ui {

namespace {
// Draws the image scaled to the page, keeping its proportions.
bool paintOnPage(QPagedPaintDevice& device, const QPixmap& image) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(QPoint(0, 0), size), image);
  return painter.end();
}
}  // namespace

QtPlatform::QtPlatform(std::filesystem::path programDirectory)
    : directory_(std::move(programDirectory)) {}

bool QtPlatform::openDocument(const std::string& pathOrAddress) {
  const QString text = QString::fromStdString(pathOrAddress);
  const QUrl url = text.contains("://") ? QUrl(text) : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

void QtPlatform::printScreen(const Screen& screen) {
  QWidget* widget = screenWidget_ ? screenWidget_(screen) : nullptr;
  if (!widget) return;
  const QPixmap image = widget->window()->grab();
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    QPrinter device(printer, QPrinter::HighResolution);
    if (paintOnPage(device, image)) return;
    QMessageBox::warning(widget, "Print",
                         "The screen could not be printed on " + printer.printerName() + ".");
    return;
  }
  const auto answer = QMessageBox::question(
      widget, "Print",
      "No printer is set up on this computer. Save an image of the screen as a PDF file "
      "instead?",
      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) return;
  const QString file =
      QFileDialog::getSaveFileName(widget, "Save screen as PDF", "screen.pdf", "PDF files (*.pdf)");
  if (file.isEmpty()) return;
  QPdfWriter pdf(file);
  pdf.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
  if (!paintOnPage(pdf, image)) {
    QMessageBox::warning(widget, "Print", "The file " + file + " could not be written.");
  }
}

void QtPlatform::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::optional<std::filesystem::path> QtPlatform::chooseSaveFile(
    const std::string& title, const std::filesystem::path& suggested, const std::string& filter) {
  const QString file = QFileDialog::getSaveFileName(
      QApplication::activeWindow(), QString::fromStdString(title),
      QString::fromStdString(suggested.string()), QString::fromStdString(filter));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

std::string QtPlatform::writePdf(const ReportDocument& document,
                                 const std::filesystem::path& file) {
  return writeReportPdf(document, QString::fromStdString(file.string()));
}

void QtPlatform::quit() {
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace survey::ui
