#include "ui/screen_view.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <map>

#include "ui/control_binding.h"

namespace survey::ui {

ScreenView::ScreenView(Screen& screen, QWidget* parent)
    : QWidget(parent),
      name_(screen.name()),
      // Switched to by an arrow key on the tab strip: the keys stay on the strip.
      startOnTabs_(qobject_cast<QTabBar*>(QApplication::focusWidget()) != nullptr) {
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
  for (auto* binding : bindings_) {
    const auto* label = dynamic_cast<const Label*>(binding->control());
    auto* widget = qobject_cast<QLabel*>(binding->widget());
    if (label && widget && label->labelled())
      widget->setBuddy(widgetFor(label->labelled()->name()));
  }
  // Escape presses the screen's "Cancel", as in a dialog.
  for (auto* binding : bindings_) {
    auto* button = qobject_cast<QPushButton*>(binding->widget());
    if (!button || binding->control()->caption() != "Cancel") continue;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, button, [button] {
      if (button->isVisible() && button->isEnabled()) button->click();
    });
  }
  appendInReadingOrder(nullptr, stops_);
  QWidget* previous = nullptr;
  for (QWidget* stop : stops_) {
    if (previous) QWidget::setTabOrder(previous, stop);
    previous = stop;
  }
}

// Once shown, the screen takes the keys at its first control past the tab strip (unless it
// asked for one of its own), so that typing starts at once.
void ScreenView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  QTimer::singleShot(0, this, [this] {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus) && !qobject_cast<const QTabBar*>(focus)) return;
    const auto first = std::find_if(stops_.begin(), stops_.end(), [this](const QWidget* stop) {
      return (qobject_cast<const QTabBar*>(stop) != nullptr) == startOnTabs_ && stop->isVisible() &&
             stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus);
    });
    if (first != stops_.end()) (*first)->setFocus(Qt::OtherFocusReason);
  });
}

// Tab goes through the screen as it reads: line by line from the top, left to right on a
// line, and through the whole of a frame before what follows the frame.
void ScreenView::appendInReadingOrder(const Frame* frame, std::vector<QWidget*>& stops) const {
  constexpr int kSameLineTwips = 120;  // a label or list a little higher is on the same line
  std::vector<const ControlBinding*> inFrame;
  for (const auto* binding : bindings_) {
    if (binding->control() && binding->control()->frame() == frame) inFrame.push_back(binding);
  }
  auto top = [](const ControlBinding* b) { return b->control()->bounds().top; };
  auto left = [](const ControlBinding* b) { return b->control()->bounds().left; };
  std::stable_sort(inFrame.begin(), inFrame.end(),
                   [&](const auto* a, const auto* b) { return top(a) < top(b); });
  for (auto line = inFrame.begin(); line != inFrame.end();) {
    const int lineTop = top(*line);
    const auto end = std::find_if(line, inFrame.end(),
                                  [&](const auto* b) { return top(b) - lineTop > kSameLineTwips; });
    std::stable_sort(line, end, [&](const auto* a, const auto* b) { return left(a) < left(b); });
    line = end;
  }
  for (const auto* binding : inFrame) {
    if (const auto* inner = dynamic_cast<const Frame*>(binding->control())) {
      appendInReadingOrder(inner, stops);
      continue;
    }
    QWidget* widget = binding->widget();
    if (widget && widget->focusProxy()) widget = widget->focusProxy();  // a directory's list
    // An option button is in the order even while Tab passes it by: it becomes the group's
    // stop when it is chosen.
    if (widget && ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QRadioButton*>(widget)))
      stops.push_back(widget);
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
