// Draws a survey's plan into a graphics scene: scene units are feet, x east and
// y south (so north is up). Symbols keep their size on screen whatever the zoom.
#pragma once

#include <QGraphicsScene>
#include <vector>

#include "map/plan_view.h"
#include "map/surface_features.h"

namespace survey::ui {

// Each symbol holds its feature index under this key (QGraphicsItem::data).
inline constexpr int kFeatureIndexKey = 0;
// Each surface outline holds its index among the surfaces' outlines under this key.
inline constexpr int kSurfaceOutlineKey = 1;

// Fills the scene (cleared first); each symbol knows its feature index. The surfaces'
// outlines lie under everything else, in feet like the runways; obstructions that
// penetrate a surface are marked.
void drawSurveyPlan(QGraphicsScene& scene, const map::SurveyFeatures& features,
                    const map::PlanView& plan, const std::vector<map::MapMark>& marks,
                    const map::SurfaceFeatures& surfaces);

// The tool-tip of one feature: its record's description, its judgement against the
// surfaces and the marks on it. Made on hover only: a survey may hold tens of thousands
// of obstructions.
QString featureToolTip(const SurveyStore& store, const map::SurveyFeatures& features,
                       const map::PlanView& plan, const std::vector<map::MapMark>& marks,
                       const map::SurfaceFeatures& surfaces, int index);

// The pen a surface's outline is drawn in: each kind its own colour and dashes, so that
// they differ in grey too.
QPen surfacePen(map::SurfaceKind kind);
// The mark round an obstruction that penetrates a surface: a triangle about a symbol of
// that radius, in pixels about its place.
QPolygonF penetrationMarkShape(double symbolRadius = 4);
QPen penetrationMarkPen();

// The colour an obstruction is drawn in, by identification surface code.
QColor surfaceColour(const std::string& code);

}  // namespace survey::ui
