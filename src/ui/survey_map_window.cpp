#include "ui/survey_map_window.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDate>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/open_record.h"
#include "map/review_marks.h"
#include "shell/exit_help_print.h"
#include "store/schema/airport_fields.h"
#include "ui/drawn_file.h"
#include "ui/gis_module_loader.h"
#include "ui/survey_map_scene.h"
#include "ui/survey_map_view.h"

namespace survey::ui {

namespace {

QPushButton* addButton(QHBoxLayout* bar, const QString& text, const QString& tip,
                       std::vector<QPushButton*>& tools) {
  auto* button = new QPushButton(text);
  tools.push_back(button);
  button->setToolTip(tip);
  button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the map
  bar->addWidget(button);
  return button;
}

// The review's findings of this survey, when it has been reviewed in this run.
std::vector<map::MapMark> reviewMarksOf(const Program& program) {
  if (program.reviewedKey != program.store.current.surveyKey) return {};
  return map::marksOfFindings(program.reviewFindings);
}

}  // namespace

SurveyMapWindow::SurveyMapWindow(Program& program, std::string key, std::vector<map::MapMark> marks,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      program_(program),
      key_(std::move(key)),
      marks_(std::move(marks)),
      scene_(new QGraphicsScene(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  view_ = new SurveyMapView(scene_);
  connect(addButton(bar, "Zoom &In", "Zoom in (+ or the mouse wheel)", tools_),
          &QPushButton::clicked, this, [this] { view_->zoomBy(1.25); });
  connect(addButton(bar, "Zoom &Out", "Zoom out (- or the mouse wheel)", tools_),
          &QPushButton::clicked, this, [this] { view_->zoomBy(0.8); });
  connect(addButton(bar, "&Fit", "Show the whole survey", tools_), &QPushButton::clicked, this,
          [this] { view_->fitAll(); });
  connect(addButton(bar, "&Save Image...", "Write the map as shown to a PNG or PDF file", tools_),
          &QPushButton::clicked, this, [this] { chooseAndSaveImage(); });
  showSurfaces_ = new QCheckBox("Show s&urfaces");
  showSurfaces_->setChecked(true);
  showSurfaces_->setToolTip(
      "Draw the outlines of the primary, approach, horizontal and conical surfaces");
  showSurfaces_->setFocusPolicy(Qt::NoFocus);
  connect(showSurfaces_, &QCheckBox::toggled, this, [this] { showSurfaces(); });
  bar->addSpacing(8);
  bar->addWidget(showSurfaces_);
  bar->addStretch();
  bar->addWidget(
      new QLabel("Drag or use the arrow keys to pan; double-click a symbol to open "
                 "its record."));
  layout->addLayout(bar);
  nothing_ = new QLabel;
  nothing_->setAlignment(Qt::AlignCenter);
  nothing_->setWordWrap(true);
  layout->addWidget(view_, 1);
  layout->addWidget(nothing_, 1);
  notPlacedTitle_ = new QLabel;
  layout->addWidget(notPlacedTitle_);
  notPlaced_ = new QListWidget;
  notPlaced_->setMaximumHeight(110);
  notPlaced_->setAccessibleName("Not placed");
  layout->addWidget(notPlaced_);
  connect(view_, &SurveyMapView::featureActivated, this, &SurveyMapWindow::openFeature);
  view_->toolTipOf = [this](int index) { return toolTipOf(index); };
  resize(1100, 800);
  refresh();
}

void SurveyMapWindow::refresh() {
  const BusyPointer busy(program_.platform);
  features_ = map::collectSurveyFeatures(program_.store, key_);
  plan_ = map::planSurvey(features_, marks_);
  surfaces_ = map::placeSurfaces(program_.store, features_, plan_);
  drawSurveyPlan(*scene_, features_, plan_, marks_, surfaces_);
  showSurfaces();
  const int row = program_.store.findSurveyRow(key_);
  const std::string name =
      row > 0 ? program_.store.airports().cell(row, airport::Name) : std::string();
  setWindowTitle(
      QString::fromStdString("Survey Map - " + key_ + (name.empty() ? "" : ": " + name)));
  view_->setVisible(!features_.empty());
  nothing_->setVisible(features_.empty());
  for (QPushButton* tool : tools_) tool->setEnabled(!features_.empty());
  showSurfaces_->setEnabled(!features_.empty() && !surfaces_.outlines.empty());
  nothing_->setText(QString::fromStdString(
      "Nothing of survey " + key_ +
      " can be placed on a map yet: enter the airport reference point, runway ends, "
      "navaids or obstructions with their latitude and longitude."));
  notPlaced_->clear();
  for (const auto& item : features_.notPlaced) {
    notPlaced_->addItem(QString::fromStdString(item.what + ": " + item.reason));
  }
  notPlacedTitle_->setText(QString("Not placed (%1): records whose position is missing or "
                                   "unreadable")
                               .arg(features_.notPlaced.size()));
  notPlaced_->setVisible(!features_.notPlaced.empty());
  notPlacedTitle_->setVisible(!features_.notPlaced.empty());
  if (!plan_.centredOnArp && !features_.empty()) {
    notPlacedTitle_->setText(notPlacedTitle_->text() +
                             " - the map is centred on the mean position, as the airport "
                             "reference point is not placed");
  }
  view_->fitAll();
}

QString SurveyMapWindow::toolTipOf(int featureIndex) const {
  if (featureIndex < 0 || featureIndex >= static_cast<int>(features_.points.size())) return {};
  return featureToolTip(program_.store, features_, plan_, marks_, surfaces_, featureIndex);
}

void SurveyMapWindow::showSurfaces() {
  const bool shown = showSurfaces_->isChecked();
  for (QGraphicsItem* item : scene_->items()) {
    if (item->data(kSurfaceOutlineKey).isValid()) item->setVisible(shown);
  }
  std::vector<LegendEntry> legend;
  if (shown) {
    for (map::SurfaceKind kind : surfaces_.kindsShown()) {
      legend.push_back({QString::fromStdString(map::legendName(kind)), surfacePen(kind), {}});
    }
  }
  for (std::size_t i = 0; i < features_.points.size(); ++i) {
    if (!surfaces_.penetrates(i)) continue;
    legend.push_back({"Penetrates a surface", penetrationMarkPen(), penetrationMarkShape(2)});
    break;
  }
  view_->setLegend(std::move(legend));
  view_->contentChanged();  // panning reaches the outlines only while they are shown
}

void SurveyMapWindow::openFeature(int index) {
  if (index < 0 || index >= static_cast<int>(features_.points.size())) return;
  const map::SurveyPoint& point = features_.points[static_cast<std::size_t>(index)];
  program_.current().surveyKey = key_;
  if (!openRecordScreen(program_, point.table, point.row)) {
    program_.tell("This record is no longer part of the survey; the map is redrawn.");
    refresh();
    return;
  }
  if (QWidget* main = parentWidget()) {
    main->raise();
    main->activateWindow();
  }
}

QString SurveyMapWindow::imageTitle() const {
  const int row = program_.store.findSurveyRow(key_);
  const auto cell = [&](int field) {
    return row > 0 ? QString::fromStdString(program_.store.airports().cell(row, field)).trimmed()
                   : QString();
  };
  QString title = QString::fromStdString(key_);
  if (const QString name = cell(airport::Name); !name.isEmpty()) title += "  " + name;
  const QString date = cell(airport::SurveyDate);
  return title + QString::fromUtf8("  \u2014  ") +
         (date.isEmpty() ? "no survey date; saved " + QDate::currentDate().toString("MM/dd/yyyy")
                         : "survey of " + date);
}

QFont SurveyMapWindow::titleFont() const {
  QFont font = view_->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.25);
  return font;
}

int SurveyMapWindow::titleHeight() const {
  return QFontMetrics(titleFont()).height() + 12;
}

QSize SurveyMapWindow::imageSize() const {
  return view_->viewport()->size() + QSize(0, titleHeight());
}

void SurveyMapWindow::paintImage(QPainter& painter) const {
  const QRect viewport = view_->viewport()->rect();
  const int top = titleHeight();
  painter.fillRect(QRect(0, 0, viewport.width(), top), Qt::white);
  painter.setPen(Qt::black);
  painter.setFont(titleFont());
  painter.drawText(QRect(8, 0, viewport.width() - 16, top), Qt::AlignLeft | Qt::AlignVCenter,
                   imageTitle());
  view_->render(&painter, QRectF(viewport.translated(0, top)), viewport);
}

QString SurveyMapWindow::saveImage(const QString& file) {
  const BusyPointer busy(program_.platform);
  // Drawn in memory first, so that a failed write leaves any earlier file as it was.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!drawImage(buffer, file.endsWith(".pdf", Qt::CaseInsensitive))) {
    return "The file could not be completed.";
  }
  const std::string why = writeDrawnFile(file, bytes);
  return why.empty() ? QString()
                     : "The file cannot be written there: " + QString::fromStdString(why) + ".";
}

bool SurveyMapWindow::drawImage(QIODevice& device, bool pdf) const {
  const QSize size = imageSize();
  const int dpi = view_->logicalDpiY();
  if (pdf) {
    // A page of the image's size at the screen's resolution: one pixel of the view is one
    // of the page's, so nothing is drawn at another scale than the rest.
    QPdfWriter writer(&device);
    writer.setResolution(dpi);
    writer.setPageSize(
        QPageSize(QSizeF(size) * 72.0 / dpi, QPageSize::Point, {}, QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    writer.setTitle(imageTitle());
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    paintImage(painter);
    return painter.end();
  }
  const double ratio = view_->devicePixelRatioF();
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  const int dotsPerMeter = qRound(dpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  {
    QPainter painter(&image);
    paintImage(painter);
  }
  return image.save(&device, "PNG");
}

void SurveyMapWindow::chooseAndSaveImage() {
  QString file =
      QFileDialog::getSaveFileName(this, "Save Image", QString::fromStdString(key_ + "-map.png"),
                                   "PNG image (*.png);;PDF document (*.pdf)");
  if (file.isEmpty()) return;
  if (!file.endsWith(".png", Qt::CaseInsensitive) && !file.endsWith(".pdf", Qt::CaseInsensitive)) {
    file += ".png";
  }
  const QString problem = saveImage(file);
  if (!problem.isEmpty()) {
    program_.tell(("Cannot save " + file + ": " + problem).toStdString());
  }
}

void showSurveyMap(Program& program, QWidget* parent) {
  if (program.refuseWithoutSurvey()) return;
  std::vector<map::MapMark> marks = reviewMarksOf(program);
  auto* window =
      new SurveyMapWindow(program, program.current().surveyKey, std::move(marks), parent);
  window->show();
}

void exportSurveyData(Program& program) {
  if (program.refuseWithoutSurvey()) return;
  const GisModuleLoad gisModule = loadGisModule();
  if (!gisModule.module) return program.tell(gisModule.problem);
  const gis::GisModule& exporter = *gisModule.module;
  QStringList filters;
  for (const auto& format : exporter.formats()) {
    filters << QString("%1 (*%2)").arg(format.title, format.extension);
  }
  const std::string& key = program.current().surveyKey;
  const auto file = program.platform.chooseSaveFile("Export Survey Data", key + ".gpkg",
                                                    filters.join(";;").toStdString());
  if (!file) return;
  gis::GisResult result;
  {
    const BusyPointer busy(program.platform);
    result = exporter.writeSurvey(program.store, key, *file, program.platform.storeDirectory());
  }
  program.tell(result.message);
}

}  // namespace survey::ui
