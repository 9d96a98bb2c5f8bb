// The window benchmarks need one QApplication on the offscreen platform for the whole run.
#pragma once

#include <QApplication>

namespace survey::bench {

inline void ensureOffscreenApplication() {
  if (QApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "survey_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives to the exit
}

}  // namespace survey::bench
