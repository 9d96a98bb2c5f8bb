#include "ui/survey_map_scene.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <cmath>

namespace survey::ui {

namespace {

using map::FeatureKind;

QPointF scenePoint(const map::PlanPoint& point) {
  return {point.east, -point.north};
}

// A symbol drawn in screen pixels around its feature's place.
template <class Item>
Item* place(QGraphicsScene& scene, Item* item, QPointF at, int index, double z) {
  item->setPos(at);
  item->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  item->setData(kFeatureIndexKey, index);
  item->setZValue(z);
  scene.addItem(item);
  return item;
}

QGraphicsItem* navaidSymbol(map::NavaidClass kind) {
  QPen pen(Qt::black, 1);
  switch (kind) {
    case map::NavaidClass::Electronic: {  // a diamond
      auto* item = new QGraphicsPolygonItem(QPolygonF({{0, -7}, {7, 0}, {0, 7}, {-7, 0}}));
      item->setBrush(QColor(30, 90, 200));
      item->setPen(pen);
      return item;
    }
    case map::NavaidClass::Visual: {  // a triangle
      auto* item = new QGraphicsPolygonItem(QPolygonF({{0, -7}, {7, 6}, {-7, 6}}));
      item->setBrush(QColor(250, 200, 20));
      item->setPen(pen);
      return item;
    }
    default: {  // a square
      auto* item = new QGraphicsRectItem(-5, -5, 10, 10);
      item->setBrush(QColor(150, 60, 180));
      item->setPen(pen);
      return item;
    }
  }
}

QString markText(const std::vector<map::MapMark>& marks, const std::vector<int>& indexes) {
  QString text;
  for (int index : indexes) {
    const auto& mark = marks[static_cast<std::size_t>(index)];
    const char* level = mark.severity == map::MarkSeverity::Error     ? "Error"
                        : mark.severity == map::MarkSeverity::Warning ? "Warning"
                                                                      : "Note";
    text += QString("\n%1: %2").arg(level, QString::fromStdString(mark.text));
  }
  return text;
}

QColor markColour(const std::vector<map::MapMark>& marks, const std::vector<int>& indexes) {
  bool error = false;
  for (int index : indexes) {
    error = error || marks[static_cast<std::size_t>(index)].severity == map::MarkSeverity::Error;
  }
  return error ? QColor(220, 0, 0) : QColor(255, 140, 0);
}

void addLabel(QGraphicsScene& scene, const std::string& text, QPointF at, const QFont& font) {
  auto* label = new QGraphicsSimpleTextItem(QString::fromStdString(text));
  label->setFont(font);
  label->setPos(at);
  label->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  label->setZValue(5);
  label->setTransform(QTransform::fromTranslate(8, -8));
  scene.addItem(label);
}

}  // namespace

QString featureToolTip(const SurveyStore& store, const map::SurveyFeatures& features,
                       const map::PlanView& plan, const std::vector<map::MapMark>& marks,
                       const map::SurfaceFeatures& surfaces, int index) {
  const auto i = static_cast<std::size_t>(index);
  QString text = QString::fromStdString(map::describe(features.points[i], store));
  if (const auto& verdict = surfaces.verdicts[i]) {
    text += "\n" + QString::fromStdString(map::surfaceLine(*verdict));
  }
  return text + markText(marks, plan.marksOf[i]);
}

QPen surfacePen(map::SurfaceKind kind) {
  QPen pen;
  switch (kind) {
    case map::SurfaceKind::Primary:
      pen = QPen(QColor(20, 60, 170), 1.5, Qt::SolidLine);
      break;
    case map::SurfaceKind::Approach:
      pen = QPen(QColor(0, 125, 70), 1.5, Qt::DashLine);
      break;
    case map::SurfaceKind::Horizontal:
      pen = QPen(QColor(190, 110, 0), 2, Qt::DotLine);
      break;
    default:
      pen = QPen(QColor(150, 40, 150), 1.5, Qt::DashDotLine);
      break;
  }
  pen.setCosmetic(true);
  return pen;
}

QPolygonF penetrationMarkShape(double symbolRadius) {
  const double inner = symbolRadius + 2.5;  // the triangle's inscribed circle
  const double across = std::sqrt(3.0) * inner;
  return QPolygonF({{0, -2 * inner}, {across, inner}, {-across, inner}});
}

QPen penetrationMarkPen() {
  QPen pen(QColor(220, 0, 0), 2);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QColor surfaceColour(const std::string& code) {
  static const std::pair<const char*, QColor> colours[] = {
      {"PIR", QColor(200, 30, 30)},   {"C", QColor(230, 120, 0)},
      {"D", QColor(200, 160, 0)},     {"BV", QColor(40, 150, 40)},
      {"AV", QColor(20, 120, 120)},   {"ANP", QColor(60, 90, 200)},
      {"HCT", QColor(130, 80, 40)},   {"SUPLC", QColor(180, 60, 160)},
      {"ANAPC", QColor(0, 160, 200)}, {"ANALPV", QColor(90, 60, 200)},
      {"NUL", QColor(120, 120, 120)},
  };
  for (const auto& [name, colour] : colours) {
    if (code == name) return colour;
  }
  return QColor(80, 80, 80);
}

void drawSurveyPlan(QGraphicsScene& scene, const map::SurveyFeatures& features,
                    const map::PlanView& plan, const std::vector<map::MapMark>& marks,
                    const map::SurfaceFeatures& surfaces) {
  scene.clear();
  for (std::size_t i = 0; i < surfaces.outlines.size(); ++i) {
    const map::PlanOutline& outline = surfaces.outlines[i];
    QPolygonF ring;
    for (const map::PlanPoint& point : outline.ring) ring << scenePoint(point);
    auto* item = scene.addPolygon(ring, surfacePen(outline.kind));
    item->setZValue(-1);
    item->setData(kSurfaceOutlineKey, static_cast<int>(i));
    item->setToolTip(QString::fromStdString(map::describe(outline)));
  }
  QFont labelFont;
  labelFont.setPointSize(8);
  QFont runwayFont = labelFont;
  runwayFont.setBold(true);
  runwayFont.setPointSize(10);

  QPen runwayPen(QColor(60, 60, 60), 8);
  runwayPen.setCosmetic(true);
  runwayPen.setCapStyle(Qt::FlatCap);
  for (const auto& runway : features.runways) {
    const QPointF a = scenePoint(plan.points[static_cast<std::size_t>(runway.end1)]);
    const QPointF b = scenePoint(plan.points[static_cast<std::size_t>(runway.end2)]);
    scene.addLine(QLineF(a, b), runwayPen)->setZValue(0);
  }
  QPen joinPen(QColor(30, 90, 200), 1, Qt::DashLine);
  joinPen.setCosmetic(true);

  for (std::size_t i = 0; i < features.points.size(); ++i) {
    const map::SurveyPoint& point = features.points[i];
    const QPointF at = scenePoint(plan.points[i]);
    const int index = static_cast<int>(i);
    switch (point.kind) {
      case FeatureKind::Airport: {
        auto* ring = new QGraphicsEllipseItem(-8, -8, 16, 16);
        ring->setPen(QPen(Qt::black, 2));
        ring->setBrush(Qt::white);
        new QGraphicsLineItem(-4, 0, 4, 0, ring);
        new QGraphicsLineItem(0, -4, 0, 4, ring);
        place(scene, ring, at, index, 4);
        addLabel(scene, "ARP " + point.label, at, labelFont);
        break;
      }
      case FeatureKind::RunwayEnd: {
        auto* end = new QGraphicsRectItem(-4, -4, 8, 8);
        end->setBrush(Qt::white);
        end->setPen(QPen(Qt::black, 1));
        place(scene, end, at, index, 3);
        addLabel(scene, point.label, at, runwayFont);
        break;
      }
      case FeatureKind::DisplacedThreshold: {
        auto* bar = new QGraphicsRectItem(-6, -2, 12, 4);
        bar->setBrush(Qt::white);
        bar->setPen(QPen(Qt::black, 1));
        place(scene, bar, at, index, 3);
        break;
      }
      case FeatureKind::ProfilePoint: {
        auto* dot = new QGraphicsEllipseItem(-3, -3, 6, 6);
        dot->setBrush(QColor(0, 170, 0));
        dot->setPen(QPen(Qt::white, 1));
        place(scene, dot, at, index, 3);
        break;
      }
      case FeatureKind::Navaid:
        place(scene, navaidSymbol(point.navaidClass), at, index, 4);
        addLabel(scene, point.label, at, labelFont);
        break;
      case FeatureKind::AssociatedPoint: {
        auto* dot = new QGraphicsEllipseItem(-3, -3, 6, 6);
        dot->setBrush(Qt::white);
        dot->setPen(QPen(QColor(30, 90, 200), 1.5));
        place(scene, dot, at, index, 3);
        if (point.joinedTo >= 0) {
          scene
              .addLine(
                  QLineF(at, scenePoint(plan.points[static_cast<std::size_t>(point.joinedTo)])),
                  joinPen)
              ->setZValue(1);
        }
        break;
      }
      case FeatureKind::Obstruction: {
        // Taller objects draw larger: 3 px for the ground, about 9 px at 400 ft.
        const double radius = 2.5 + std::sqrt(std::max(0.0, point.heightAgl.value_or(0))) * 0.35;
        const double r = std::min(radius, 10.0);
        auto* dot = new QGraphicsEllipseItem(-r, -r, 2 * r, 2 * r);
        QColor colour = surfaceColour(point.surfaceCode);
        colour.setAlpha(200);
        dot->setBrush(colour);
        dot->setPen(QPen(colour.darker(150), 1));
        place(scene, dot, at, index, 2);
        if (surfaces.penetrates(i)) {
          auto* mark = new QGraphicsPolygonItem(penetrationMarkShape(r));
          mark->setPen(penetrationMarkPen());
          place(scene, mark, at, index, 5.5);
        }
        break;
      }
    }
    const auto& pointMarks = plan.marksOf[i];
    if (!pointMarks.empty()) {
      auto* ring = new QGraphicsEllipseItem(-13, -13, 26, 26);
      ring->setPen(QPen(markColour(marks, pointMarks), 3));
      place(scene, ring, at, index, 6);
    }
  }
}

}  // namespace survey::ui
