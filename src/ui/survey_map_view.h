// The plan of a survey on screen: wheel and +/- zoom, drag and arrow keys pan,
// a scale bar in feet and a north arrow stay in the corners, a double-click on a
// symbol asks for its record.
#pragma once

#include <QGraphicsView>
#include <functional>

namespace survey::ui {

class SurveyMapView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit SurveyMapView(QGraphicsScene* scene, QWidget* parent = nullptr);

  void zoomBy(double factor);
  // Everything on the plan in view, with a margin.
  void fitAll();
  // The feet a run of `pixels` on screen stands for now.
  double feetPerPixel() const;
  // The feature under a point of the viewport, or -1.
  int featureAt(QPoint viewportPoint) const;
  // Gives the tool-tip of a feature when the pointer rests on it.
  std::function<QString(int)> toolTipOf;

 signals:
  void featureActivated(int featureIndex);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void drawForeground(QPainter* painter, const QRectF& rect) override;

 private:
  void drawScaleBar(QPainter& painter);
  void drawNorthArrow(QPainter& painter);
};

// A round length for a scale bar of at most `maxFeet`: 1, 2 or 5 times a power of ten.
double niceScaleLength(double maxFeet);

}  // namespace survey::ui
