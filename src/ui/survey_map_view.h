// The plan of a survey on screen: wheel and +/- zoom, drag and arrow keys pan,
// a scale bar in feet, a north arrow and a legend stay in the corners, a double-click
// on a symbol asks for its record.
#pragma once

#include <QGraphicsView>
#include <QMarginsF>
#include <QPen>
#include <QPolygonF>
#include <functional>
#include <vector>

namespace survey::ui {

// A line of the legend: a stroke of `pen`, or `symbol` (pixels about its middle) drawn
// with it when there is one, then the text.
struct LegendEntry {
  QString text;
  QPen pen;
  QPolygonF symbol;
};

class SurveyMapView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit SurveyMapView(QGraphicsScene* scene, QWidget* parent = nullptr);

  // Takes the measure of what the scene holds now; call after drawing into it.
  void contentChanged();
  // Zooms about the middle of the view.
  void zoomBy(double factor);
  // Zooms keeping the scene point under `viewportPoint` where it is.
  void zoomAbout(QPointF viewportPoint, double factor);
  // Everything on the plan in view, symbols and labels whole. Until the user zooms or
  // pans, the view fits again whenever its size changes.
  void fitAll();
  // The feet a run of `pixels` on screen stands for now.
  double feetPerPixel() const;
  // The feature under a point of the viewport, or -1.
  int featureAt(QPoint viewportPoint) const;
  // The visible surface outline whose line passes within a few pixels of a point of the
  // viewport, or none.
  QGraphicsItem* outlineAt(QPoint viewportPoint) const;
  // Gives the tool-tip of a feature when the pointer rests on it.
  std::function<QString(int)> toolTipOf;
  // The legend in the top left corner; none when empty.
  void setLegend(std::vector<LegendEntry> entries);
  const std::vector<LegendEntry>& legend() const { return legend_; }

 signals:
  void featureActivated(int featureIndex);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void drawForeground(QPainter* painter, const QRectF& rect) override;

 private:
  void setScale(double pixelsPerFoot);
  // The places of the content (feet), grown by its symbols and labels at the current zoom.
  QRectF contentRect() const;
  // The content with a view's width and height around it, so that panning and zooming
  // about the pointer can bring any part of it to any place in the view.
  void updateSceneRect();
  void drawScaleBar(QPainter& painter);
  void drawNorthArrow(QPainter& painter);
  void drawLegend(QPainter& painter);

  bool hasContent_ = false;
  QRectF places_;         // feet: the points symbols stand on and the lines drawn
  QRectF outlines_;       // feet: the surfaces shown, which panning reaches but Fit leaves out
  QMarginsF decoration_;  // pixels: how far symbols and labels reach beyond their places
  bool keepFitted_ = true;
  std::vector<LegendEntry> legend_;
};

// A round length for a scale bar of at most `maxFeet`: 1, 2 or 5 times a power of ten.
double niceScaleLength(double maxFeet);

}  // namespace survey::ui
