#include "ui/survey_map_view.h"

#include <QFontMetricsF>
#include <QGraphicsPolygonItem>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/survey_map_scene.h"

namespace survey::ui {

double niceScaleLength(double maxFeet) {
  if (!(maxFeet > 0)) return 0;
  const double power = std::pow(10.0, std::floor(std::log10(maxFeet)));
  for (double step : {5.0, 2.0, 1.0}) {
    if (step * power <= maxFeet) return step * power;
  }
  return power;
}

namespace {

constexpr double kMinPixelsPerFoot = 1e-5;
constexpr double kMaxPixelsPerFoot = 50;
constexpr double kFitMargin = 12;  // pixels of room around the content when fitted

}  // namespace

SurveyMapView::SurveyMapView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent) {
  setRenderHint(QPainter::Antialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  // The view keeps its own anchors: Qt's anchor under the mouse follows the last mouse
  // move, not the wheel event's place.
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::NoAnchor);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // a map pans by dragging and keys
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setViewportUpdateMode(QGraphicsView::FullViewportUpdate);  // the corner overlays move
  setBackgroundBrush(QColor(236, 242, 230));
  setAccessibleName("Survey Map");
}

void SurveyMapView::contentChanged() {
  places_ = QRectF();
  decoration_ = QMarginsF();
  outlines_ = QRectF();
  hasContent_ = false;
  for (const QGraphicsItem* item : scene()->items()) {
    if (item->parentItem()) continue;
    if (item->data(kSurfaceOutlineKey).isValid()) {
      if (item->isVisible()) outlines_ |= item->sceneBoundingRect();
      continue;
    }
    QRectF place;
    if (item->flags() & QGraphicsItem::ItemIgnoresTransformations) {
      // Drawn in pixels about its place, whatever the zoom.
      place = QRectF(item->scenePos(), QSizeF(0, 0));
      const QRectF reach =
          item->transform().mapRect(item->boundingRect() | item->childrenBoundingRect());
      decoration_.setLeft(std::max(decoration_.left(), -reach.left()));
      decoration_.setTop(std::max(decoration_.top(), -reach.top()));
      decoration_.setRight(std::max(decoration_.right(), reach.right()));
      decoration_.setBottom(std::max(decoration_.bottom(), reach.bottom()));
    } else {
      place = item->sceneBoundingRect();
    }
    // Not QRectF::united, which passes over a rectangle of no size: a point.
    if (hasContent_) {
      place.setCoords(std::min(place.left(), places_.left()), std::min(place.top(), places_.top()),
                      std::max(place.right(), places_.right()),
                      std::max(place.bottom(), places_.bottom()));
    }
    places_ = place;
    hasContent_ = true;
  }
  updateSceneRect();
}

QRectF SurveyMapView::contentRect() const {
  const double feet = feetPerPixel();
  return places_.marginsAdded(decoration_ * feet);
}

void SurveyMapView::updateSceneRect() {
  const double feet = feetPerPixel();
  const double across = viewport()->width() * feet;
  const double down = viewport()->height() * feet;
  setSceneRect((contentRect() | outlines_).adjusted(-across, -down, across, down));
}

void SurveyMapView::setScale(double pixelsPerFoot) {
  const double scale = std::clamp(pixelsPerFoot, kMinPixelsPerFoot, kMaxPixelsPerFoot);
  setTransform(QTransform::fromScale(scale, scale));
  updateSceneRect();
}

void SurveyMapView::zoomBy(double factor) {
  zoomAbout(QRectF(viewport()->rect()).center(), factor);
}

void SurveyMapView::zoomAbout(QPointF viewportPoint, double factor) {
  keepFitted_ = false;
  const QPointF kept = viewportTransform().inverted().map(viewportPoint);
  setScale(transform().m11() * factor);
  // The view may have to reach beyond the content's margin to keep the point in place.
  const double feet = feetPerPixel();
  setSceneRect(
      sceneRect().united(QRectF(kept - viewportPoint * feet, QSizeF(viewport()->size()) * feet)));
  const QPointF drift = viewportTransform().map(kept) - viewportPoint;
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(drift.x()));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(drift.y()));
}

void SurveyMapView::fitAll() {
  if (!hasContent_) return;
  // The room the places may take once symbols, labels and a margin are around them.
  const double width =
      viewport()->width() - decoration_.left() - decoration_.right() - 2 * kFitMargin;
  const double height =
      viewport()->height() - decoration_.top() - decoration_.bottom() - 2 * kFitMargin;
  double scale = kMaxPixelsPerFoot;
  if (places_.width() > 0) scale = std::min(scale, std::max(width, 1.0) / places_.width());
  if (places_.height() > 0) scale = std::min(scale, std::max(height, 1.0) / places_.height());
  if (places_.width() <= 0 && places_.height() <= 0) scale = 1;  // a single place
  setScale(scale);
  centerOn(contentRect().center());
  keepFitted_ = true;
}

double SurveyMapView::feetPerPixel() const {
  return 1.0 / transform().m11();
}

void SurveyMapView::wheelEvent(QWheelEvent* event) {
  zoomAbout(event->position(), std::pow(1.0015, event->angleDelta().y()));
  event->accept();
}

void SurveyMapView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (keepFitted_) {
    fitAll();
  } else {
    updateSceneRect();
  }
}

void SurveyMapView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) keepFitted_ = false;  // dragged: the user pans
  QGraphicsView::mouseMoveEvent(event);
}

void SurveyMapView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomBy(1.25);
      break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      zoomBy(0.8);
      break;
    default:
      keepFitted_ = false;
      QGraphicsView::keyPressEvent(event);  // the arrow keys scroll
      break;
  }
}

int SurveyMapView::featureAt(QPoint viewportPoint) const {
  for (QGraphicsItem* item : items(viewportPoint)) {
    for (QGraphicsItem* candidate = item; candidate; candidate = candidate->parentItem()) {
      const QVariant index = candidate->data(kFeatureIndexKey);
      if (index.isValid()) return index.toInt();
    }
  }
  return -1;
}

void SurveyMapView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int index = featureAt(event->position().toPoint());
  if (index >= 0) {
    emit featureActivated(index);
    return;
  }
  QGraphicsView::mouseDoubleClickEvent(event);
}

QGraphicsItem* SurveyMapView::outlineAt(QPoint viewportPoint) const {
  constexpr double kReach = 4;  // pixels
  const QPointF at(viewportPoint);
  for (QGraphicsItem* item : scene()->items()) {
    if (!item->data(kSurfaceOutlineKey).isValid() || !item->isVisible()) continue;
    const auto* outline = static_cast<const QGraphicsPolygonItem*>(item);
    const QPolygonF ring = viewportTransform().map(outline->mapToScene(outline->polygon()));
    for (qsizetype i = 0; i < ring.size(); ++i) {
      const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
      const QPointF edge = b - a;
      const double length2 = QPointF::dotProduct(edge, edge);
      const double t =
          length2 > 0 ? std::clamp(QPointF::dotProduct(at - a, edge) / length2, 0.0, 1.0) : 0.0;
      if (QLineF(at, a + t * edge).length() <= kReach) return item;
    }
  }
  return nullptr;
}

void SurveyMapView::setLegend(std::vector<LegendEntry> entries) {
  legend_ = std::move(entries);
  viewport()->update();
}

bool SurveyMapView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTipOf) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = featureAt(help->pos());
    if (index >= 0) {
      QToolTip::showText(help->globalPos(), toolTipOf(index), viewport());
    } else if (const QGraphicsItem* outline = outlineAt(help->pos())) {
      QToolTip::showText(help->globalPos(), outline->toolTip(), viewport());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QGraphicsView::viewportEvent(event);
}

void SurveyMapView::drawForeground(QPainter* painter, const QRectF&) {
  painter->save();
  // In the view's pixels: on screen these are the device's, and in render() (a saved
  // image) they are mapped onto the target as the plan is, so the bar measures it truly.
  painter->setWorldTransform(viewportTransform().inverted() * painter->worldTransform());
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setFont(font());
  drawScaleBar(*painter);
  drawNorthArrow(*painter);
  drawLegend(*painter);
  painter->restore();
}

void SurveyMapView::drawLegend(QPainter& painter) {
  if (legend_.empty()) return;
  const QFontMetricsF metrics(painter.font());
  constexpr double kSample = 34, kPad = 8;
  const double line = std::max(metrics.height(), 22.0);
  double textWidth = 0;
  for (const LegendEntry& entry : legend_) {
    textWidth = std::max(textWidth, metrics.horizontalAdvance(entry.text));
  }
  const QRectF box(10, 10, kPad * 3 + kSample + textWidth,
                   kPad * 2 + line * static_cast<double>(legend_.size()));
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.setBrush(QColor(255, 255, 255, 215));
  painter.drawRect(box);
  for (std::size_t i = 0; i < legend_.size(); ++i) {
    const LegendEntry& entry = legend_[i];
    const double middle = box.top() + kPad + line * (static_cast<double>(i) + 0.5);
    const QPointF sample(box.left() + kPad + kSample / 2, middle);
    painter.setPen(entry.pen);
    painter.setBrush(Qt::NoBrush);
    if (entry.symbol.isEmpty()) {
      painter.drawLine(sample - QPointF(kSample / 2, 0), sample + QPointF(kSample / 2, 0));
    } else {
      painter.drawPolygon(entry.symbol.translated(sample));
    }
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(sample.x() + kSample / 2 + kPad, middle - line / 2, textWidth + 1, line),
        Qt::AlignLeft | Qt::AlignVCenter, entry.text);
  }
}

void SurveyMapView::drawScaleBar(QPainter& painter) {
  const double feet = niceScaleLength(feetPerPixel() * 160);
  if (feet <= 0) return;
  const double pixels = feet / feetPerPixel();
  const QPointF origin(16, viewport()->height() - 20);
  painter.setPen(QPen(Qt::black, 2));
  painter.fillRect(QRectF(origin.x() - 6, origin.y() - 22, pixels + 70, 34),
                   QColor(255, 255, 255, 200));
  painter.drawLine(origin, origin + QPointF(pixels, 0));
  painter.drawLine(origin, origin + QPointF(0, -6));
  painter.drawLine(origin + QPointF(pixels, 0), origin + QPointF(pixels, -6));
  const QString text =
      feet >= 1 ? QString("%L1 ft").arg(feet, 0, 'f', 0) : QString("%1 ft").arg(feet, 0, 'g', 2);
  painter.drawText(origin + QPointF(pixels + 6, 4), text);
}

void SurveyMapView::drawNorthArrow(QPainter& painter) {
  const QPointF tip(viewport()->width() - 30, 16);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(Qt::black);
  painter.drawPolygon(
      QPolygonF({tip, tip + QPointF(8, 26), tip + QPointF(0, 20), tip + QPointF(-8, 26)}));
  painter.drawText(QRectF(tip.x() - 10, tip.y() + 28, 20, 16), Qt::AlignCenter, "N");
}

}  // namespace survey::ui
