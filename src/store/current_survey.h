// The one program-wide state shared by all screens: which survey the user works
// on, and the current row and add/edit mode of each table.
#pragma once

#include <cstdint>
#include <string>

namespace survey {

// Whether the next save of a screen adds a row or changes the current one.
enum class RecordMode { Add, Edit };

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
  RecordMode airportMode = RecordMode::Add;
  RecordMode runwayMode = RecordMode::Add;
  RecordMode navaidMode = RecordMode::Add;
  RecordMode obstructionMode = RecordMode::Add;
  bool storeLoaded = false;
};

}  // namespace survey
