#include "ui/survey_map_view.h"

#include <QGraphicsItem>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
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

SurveyMapView::SurveyMapView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent) {
  setRenderHint(QPainter::Antialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setViewportUpdateMode(QGraphicsView::FullViewportUpdate);  // the corner overlays move
  setBackgroundBrush(QColor(236, 242, 230));
  setAccessibleName("Survey Map");
}

void SurveyMapView::zoomBy(double factor) {
  const double current = transform().m11();
  const double wanted = std::clamp(current * factor, 1e-5, 50.0);
  scale(wanted / current, wanted / current);
}

void SurveyMapView::fitAll() {
  QRectF bounds = scene()->itemsBoundingRect();
  // Symbols ignore the zoom, so the bounds are of their places; add room for them.
  const double margin = std::max({bounds.width(), bounds.height(), 200.0}) * 0.08;
  bounds.adjust(-margin, -margin, margin, margin);
  fitInView(bounds, Qt::KeepAspectRatio);
}

double SurveyMapView::feetPerPixel() const {
  return 1.0 / transform().m11();
}

void SurveyMapView::wheelEvent(QWheelEvent* event) {
  zoomBy(std::pow(1.0015, event->angleDelta().y()));
  event->accept();
}

void SurveyMapView::keyPressEvent(QKeyEvent* event) {
  const auto anchor = transformationAnchor();
  setTransformationAnchor(QGraphicsView::AnchorViewCenter);
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
      QGraphicsView::keyPressEvent(event);  // the arrow keys scroll
      break;
  }
  setTransformationAnchor(anchor);
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

bool SurveyMapView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTipOf) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = featureAt(help->pos());
    if (index >= 0) {
      QToolTip::showText(help->globalPos(), toolTipOf(index), viewport());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QGraphicsView::viewportEvent(event);
}

void SurveyMapView::drawForeground(QPainter* painter, const QRectF&) {
  painter->save();
  painter->resetTransform();
  painter->setRenderHint(QPainter::Antialiasing);
  drawScaleBar(*painter);
  drawNorthArrow(*painter);
  painter->restore();
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
