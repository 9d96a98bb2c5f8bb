// Follows an exchange file's sections line by line, as the import reads them:
// the airport lines, the runway end blocks (numbered from 10 again after each
// "#"), the three navaid groups, the obstructions and the closing block.
#pragma once

#include <string_view>

namespace survey::uddf {

enum class Section {
  None,
  Airport,
  Runway,
  NavaidElectronic,
  NavaidVisual,
  NavaidOther,
  Obstruction,
  Comments
};

// Where one line goes.
enum class LineRoute {
  AirportLine,      // airport lines 1 to 8
  AirportEnd,       // line 9, the airport section's "@"; not read
  RunwayFirstEnd,   // a line of a runway's first end (line number 10 and above)
  RunwaySecondEnd,  // a line of a runway's second end
  Electronic,       // a line of the electronic navaid group
  Visual,           // a line of the visual navaid group
  Other,            // a line of the other ("STARS") navaid group
  Obstruction,      // a line of the obstruction section
  Comments,         // a line of the closing block
  Marker,           // a "#" or "@" line that moves between sections or runway ends
};

struct RoutedLine {
  LineRoute route;
  int lineNumber;  // the import's line number (reset to 10 for each runway end block)
};

class SectionWalker {
 public:
  // Routes the next line of the file and moves the walker on.
  RoutedLine next(std::string_view line);
  Section section() const { return section_; }
  bool secondEnd() const { return secondEnd_; }

 private:
  int lineNumber_ = 1;
  Section section_ = Section::None;
  bool secondEnd_ = false;
};

const char* sectionName(Section section);

}  // namespace survey::uddf
