#include "entry/navaid_screen.h"
#include "survey/navaid_types.h"

namespace survey {

namespace {
using enum NavaidKind;
}  // namespace

void NavaidScreen::applyNavaidLayout() {
  setElevationCaption(kBaseElevationCaption);
  const std::string electronic = get(kElectronicList).chosenText();
  if (const NavaidType* type = findNavaidType(electronicNavaidTypes(), electronic)) {
    applyType(*type);
  }
  const std::string visual = get(kVisualList).chosenText();
  if (const NavaidType* type = findNavaidType(visualNavaidTypes(), visual)) applyType(*type);
}

void NavaidScreen::applyType(const NavaidType& type) {
  if (!type.distanceCaption.empty()) setDistanceCaption(type.distanceCaption);
  applyKind(type.kind);
  if (type.hidesPerpendicular) get(kPerpendicularOption).setVisible(false);
  if (type.hidesCenterline) get(kCenterlineOption).setVisible(false);
  if (!type.elevationCaption.empty()) setElevationCaption(type.elevationCaption);
}

void NavaidScreen::applyKind(NavaidKind kind) {
  const bool runway = kind == RunwayNavaid || kind == VisualAid;
  const bool identifier = kind == RunwayNavaid || kind == AreaNavaid;
  get(kRunwayLabel).setVisible(runway);
  get<TextBox>(boxName(navaid::Runway)).setVisible(runway);
  get(kIdentifierLabel).setVisible(identifier);
  get<TextBox>(boxName(navaid::Identifier)).setVisible(identifier);
  get(kAnswerQuestion).setVisible(identifier);
  for (const auto option : {kPerpendicularOption, kCenterlineOption, kNoPointOption}) {
    get(option).setVisible(identifier);
  }
  if (kind != StarsEntry) {
    // Drops a typed type in favour of the chosen one, without running the
    // STARS handler, which would take the chosen type back.
    emptyingStars_ = true;
    get<TextBox>(boxName(navaid::Type)).setText("");
    emptyingStars_ = false;
  }
}

void NavaidScreen::electronicChosen() {
  auto& electronic = get(kElectronicList);
  if (!electronic.chosenText().empty()) get(kVisualList).choose(0);
  applyNavaidLayout();
  get(kNoPointOption).setValue(true);
  get(kDistanceCover).setVisible(false);
  get(kDistanceFrame).setVisible(true);
}

void NavaidScreen::visualChosen() {
  auto& visual = get(kVisualList);
  if (!visual.chosenText().empty()) get(kElectronicList).choose(0);
  applyNavaidLayout();
  get(kDistanceFrame).setVisible(false);
}

void NavaidScreen::starsChanged() {
  if (emptyingStars_) return;
  get(kVisualList).choose(0);
  get(kElectronicList).choose(0);
  applyKind(StarsEntry);
  get(kDistanceCover).setVisible(false);
}

void NavaidScreen::showAssociatedPoint(bool shown) {
  get(kOffsetFrame).setVisible(shown);
  get(kPointFrame).setVisible(shown);
}

void NavaidScreen::setDistanceCaption(std::string_view caption) {
  get(kDistanceCaption).setCaption(std::string(caption));
  get<TextBox>(boxName(navaid::Distance)).setCaption(std::string(caption));
}

void NavaidScreen::setElevationCaption(std::string_view caption) {
  get(kElevationCaption).setCaption(std::string(caption));
  get<TextBox>(boxName(navaid::kElevation.orthometric))
      .setCaption(std::string(caption) + " Orthometric");
  get<TextBox>(boxName(navaid::kElevation.ellipsoidal))
      .setCaption(std::string(caption) + " Ellipsoidal");
}

}  // namespace survey
