// Draws a survey's plan into a graphics scene: scene units are feet, x east and
// y south (so north is up). Symbols keep their size on screen whatever the zoom.
#pragma once

#include <QGraphicsScene>
#include <vector>

#include "map/plan_view.h"

namespace survey::ui {

// Each symbol holds its feature index under this key (QGraphicsItem::data).
inline constexpr int kFeatureIndexKey = 0;

// Fills the scene (cleared first); tool-tips hold each record's description and marks.
void drawSurveyPlan(QGraphicsScene& scene, const SurveyStore& store,
                    const map::SurveyFeatures& features, const map::PlanView& plan,
                    const std::vector<map::MapMark>& marks);

// The colour an obstruction is drawn in, by identification surface code.
QColor surfaceColour(const std::string& code);

}  // namespace survey::ui
