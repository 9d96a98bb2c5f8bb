// FormRunwayPP: the additional profile points measured from one runway end,
// kept in the runway's own row.
#pragma once

#include <string>

#include "shell/screen.h"

namespace survey {

class RunwayPPScreen : public Screen {
 public:
  static constexpr const char* kName = "FormRunwayPP";
  static constexpr const char* kCaption = "Part B: Runway Information";

  explicit RunwayPPScreen(Program& program);

  void load() override;

  // Lists the points of the current runway end.
  void refreshGrid();

 private:
  void addPoint();
  void storePoint();
  void deletePoint();
  void back();
  void tabClicked();
  // The last runway of the survey that has the current end at either side; 0 when none.
  int runwayRowOfEnd() const;

  TabStrip& tabs_;
  Frame& frame_;
  Grid& grid_;
};

}  // namespace survey
