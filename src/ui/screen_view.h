// The widgets of one screen, placed as its controls say and bound to them.
#pragma once

#include <QWidget>
#include <vector>

#include "shell/screen.h"

namespace survey::ui {

class ControlBinding;

class ScreenView : public QWidget {
  Q_OBJECT
 public:
  ScreenView(Screen& screen, QWidget* parent = nullptr);
  ~ScreenView() override;
  // Stops observing the screen's controls, before the screen goes away.
  void detachAll();
  const std::string& screenName() const { return name_; }
  // The widget bound to the named control, if any.
  QWidget* widgetFor(const std::string& controlName) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void appendInReadingOrder(const Frame* frame, std::vector<QWidget*>& stops) const;

  std::string name_;
  std::vector<ControlBinding*> bindings_;
  std::vector<QWidget*> stops_;  // in Tab order; children of this view
  bool startOnTabs_;
  bool shownBefore_ = false;
};

}  // namespace survey::ui
