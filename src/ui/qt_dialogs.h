// Message boxes as real QMessageBoxes.
#pragma once

#include <QWidget>
#include <functional>

#include "shell/dialogs.h"

namespace survey::ui {

class QtDialogs : public Dialogs {
 public:
  // The window the boxes belong to; may change as windows come and go.
  void setParentProvider(std::function<QWidget*()> provider) { parent_ = std::move(provider); }
  Button show(const Message& message) override;

 private:
  std::function<QWidget*()> parent_;
};

}  // namespace survey::ui
