#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
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

QtPlatform::QtPlatform(std::filesystem::path programDirectory, Dialogs& dialogs)
    : directory_(std::move(programDirectory)), dialogs_(dialogs) {}

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
    dialogs_.show(
        notice("The screen could not be printed on " + printer.printerName().toStdString() + "."));
    return;
  }
  const Message offer = question(
      "No printer is set up on this computer. Save an image of the screen as a PDF file instead?",
      kProgramTitle);
  if (dialogs_.show(offer) != Button::Yes) return;
  const QString file =
      QFileDialog::getSaveFileName(widget, "Save screen as PDF", "screen.pdf", "PDF files (*.pdf)");
  if (file.isEmpty()) return;
  QPdfWriter pdf(file);
  pdf.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
  if (!paintOnPage(pdf, image)) {
    dialogs_.show(notice("The file " + file.toStdString() + " could not be written."));
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
  QString chosenFilter;
  const QString file = QFileDialog::getSaveFileName(
      QApplication::activeWindow(), QString::fromStdString(title),
      QString::fromStdString(suggested.string()), QString::fromStdString(filter), &chosenFilter);
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(
      withChosenExtension(file, QString::fromStdString(filter), chosenFilter).toStdString());
}

std::optional<std::filesystem::path> QtPlatform::chooseOpenFile(const std::string& title,
                                                                const std::filesystem::path& folder,
                                                                const std::string& filter) {
  const QString file = QFileDialog::getOpenFileName(
      QApplication::activeWindow(), QString::fromStdString(title),
      QString::fromStdString(folder.string()), QString::fromStdString(filter));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

QString withChosenExtension(const QString& file, const QString& filters,
                            const QString& chosenFilter) {
  static const QRegularExpression extension(R"(\*(\.\w+))");
  for (const auto& match : extension.globalMatch(filters)) {
    if (file.endsWith(match.captured(1), Qt::CaseInsensitive)) return file;
  }
  const auto chosen = extension.match(chosenFilter);
  return chosen.hasMatch() ? file + chosen.captured(1) : file;
}

std::string QtPlatform::writePdf(const ReportDocument& document,
                                 const std::filesystem::path& file) {
  return writeReportPdf(document, QString::fromStdString(file.string()));
}

// Leaves the event loop once the current event has finished. Not QCoreApplication::quit():
// that closes every window first, and the main window's close would ask to exit again.
void QtPlatform::quit() {
  QMetaObject::invokeMethod(
      qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace survey::ui
