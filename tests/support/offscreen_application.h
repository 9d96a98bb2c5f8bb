// The one QApplication the window tests run under, on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.
#pragma once

#include <QApplication>

namespace survey::testing {

inline QApplication& offscreenApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "survey_ui_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt must outlive every window, and tears itself down at exit.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace survey::testing
