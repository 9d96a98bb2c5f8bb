// A runway, navaid or obstruction screen as the airport screen's hub sees it.
#pragma once

namespace survey {

class RecordScreen {
 public:
  virtual ~RecordScreen() = default;
  // Fills the screen from the current row of its table (hub "Edit").
  virtual void loadRecord() = 0;
};

}  // namespace survey
