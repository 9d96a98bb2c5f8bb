// The one program-wide state shared by all screens: which survey the user works
// on, and the current row and add/edit mode of each table.
#pragma once

#include <cstdint>
#include <string>

namespace survey {

struct CurrentSurvey {
  std::string surveyKey;            // the chosen survey's identifier
  std::string surveyName;           // its airport name, shown in status bars
  std::string surveyType;           // chosen last on the survey type screen
  std::string surveyDate;           // typed or loaded last on the airport screen
  std::string latitudeHemisphere;   // "N" or "S"
  std::string longitudeHemisphere;  // "E" or "W"
  std::string runwayEnd;            // the runway screen's end identifier
  int16_t airportRow = 0;
  int16_t runwayRow = 0;
  int16_t navaidRow = 0;
  int16_t obstructionRow = 0;
  std::string airportMode = "A";
  std::string runwayMode = "A";
  std::string navaidMode = "A";
  std::string obstructionMode = "A";
  bool storeLoaded = false;
};

}  // namespace survey
