// Draws a survey's plan into a graphics scene: scene units are feet, x east and
// y south (so north is up). Symbols keep their size on screen whatever the zoom.
#pragma once

#include <QGraphicsScene>
#include <vector>

#include "map/plan_view.h"

namespace survey::ui {

// Each symbol holds its feature index under this key (QGraphicsItem::data).
inline constexpr int kFeatureIndexKey = 0;

// Fills the scene (cleared first); each symbol knows its feature index.
void drawSurveyPlan(QGraphicsScene& scene, const map::SurveyFeatures& features,
                    const map::PlanView& plan, const std::vector<map::MapMark>& marks);

// The tool-tip of one feature: its record's description and the marks on it. Made on
// hover only: a survey may hold tens of thousands of obstructions.
QString featureToolTip(const SurveyStore& store, const map::SurveyFeatures& features,
                       const map::PlanView& plan, const std::vector<map::MapMark>& marks,
                       int index);

// The colour an obstruction is drawn in, by identification surface code.
QColor surfaceColour(const std::string& code);

}  // namespace survey::ui
