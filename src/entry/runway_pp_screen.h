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

  static constexpr ControlName<Frame> kPointsFrame{"FrameRunway"};
  static constexpr ControlName<Grid> kPointsGrid{"GridPP"};
  static constexpr ControlName<TextBox> kDistanceBox{"Text1PP"};
  static constexpr ControlName<TextBox> kOrthometricBox{"Text2PP"};
  static constexpr ControlName<TextBox> kEllipsoidalBox{"Text3PP"};
  static constexpr ControlName<CommandButton> kAddButton{"CommandAddRWY"};
  static constexpr ControlName<CommandButton> kDeleteButton{"Command3"};
  static constexpr ControlName<CommandButton> kBackButton{"Command1"};
  static constexpr ControlName<CommandButton> kSaveButton{"CommandSubmitRunway"};
  static constexpr ControlName<Label> kNavd88Note{"LabelNAVD88"};
  static constexpr ControlName<Label> kNad83Note{"LabelNAD83"};

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
