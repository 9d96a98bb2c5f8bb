#include "ui/screen_view.h"

#include <map>

#include "ui/control_binding.h"

namespace survey::ui {

ScreenView::ScreenView(Screen& screen, QWidget* parent) : QWidget(parent), name_(screen.name()) {
  setObjectName(QString::fromStdString(screen.name()));
  setAccessibleName(QString::fromStdString(screen.caption()));
  setFixedSize(pixels(screen.widthTwips()), pixels(screen.heightTwips()));
  // Frames first, so that every control finds the widget of the frame it sits in.
  std::map<const Control*, QWidget*> frames;
  auto parentOf = [&](const Control& control) -> QWidget* {
    const auto it = frames.find(control.frame());
    return it == frames.end() ? this : it->second;
  };
  for (const auto& control : screen.controls()) {
    if (!dynamic_cast<Frame*>(control.get())) continue;
    auto* binding = ControlBinding::create(*control, parentOf(*control));
    frames[control.get()] = binding->widget();
    bindings_.push_back(binding);
  }
  for (const auto& control : screen.controls()) {
    if (dynamic_cast<Frame*>(control.get())) continue;
    bindings_.push_back(ControlBinding::create(*control, parentOf(*control)));
  }
  // Tab follows the screen's order of its controls, whatever frame each sits in.
  QWidget* previous = nullptr;
  for (auto* binding : bindings_) {
    QWidget* widget = binding->widget();
    if (!widget || (widget->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

ScreenView::~ScreenView() {
  detachAll();
}

void ScreenView::detachAll() {
  for (auto* binding : bindings_) binding->detach();
}

QWidget* ScreenView::widgetFor(const std::string& controlName) const {
  for (auto* binding : bindings_) {
    if (binding->widget() && binding->widget()->objectName().toStdString() == controlName) {
      return binding->widget();
    }
  }
  return nullptr;
}

}  // namespace survey::ui
