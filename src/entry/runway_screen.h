// FormRunway: one runway of the current survey, both of its ends in one row
// of the runway table. Reached from the airport screen's runway grid.
#pragma once

#include <string>
#include <string_view>

#include "shell/record_screen.h"
#include "shell/screen.h"
#include "store/survey_store.h"

namespace survey {

// The standards document the picture opens.
inline constexpr const char* kRunwayStandardsAddress =
    "https://standards.example.invalid/arp/pdf/5340-1h.pdf";

// Runway fields 1 to 48 come from the screen; 49 links to the survey, 50 marks a deletion.
inline constexpr int kRunwayScreenFields = 48;
inline constexpr int kRunwayLinkField = 49;
inline constexpr int kRunwayDeleteField = 50;

class RunwayScreen : public Screen, public RecordScreen {
 public:
  static constexpr const char* kName = "FormRunway";
  static constexpr const char* kCaption = "Part B: Runway Information";

  explicit RunwayScreen(Program& program);

  void load() override;
  void afterShow() override;
  // The hub's "Edit", and "Back" from the profile points: fills the screen
  // from the current runway row.
  void loadRecord() override;

  // Checks the screen and writes it into the runway table; false when refused.
  bool submitRunway();

 private:
  // runway_layout.cpp: controls, captions, tips and places.
  void buildControls();
  void buildEndColumn(int end, int left);
  void attachChecks();

  // runway_screen.cpp
  void fillRunwayLists();
  void save();
  void saveAndReturn();
  void cancel();
  void openProfilePoints(const std::string& boxName, int field);
  void openStandardsDocument();
  void returnToAirport();
  std::string surveyStatus() const;

  // runway_submit.cpp
  FieldValues screenValues() const;
  // The refusal of an add because a designator is taken; empty when none is.
  std::string duplicateRefusal() const;
  void refreshHub();
};

}  // namespace survey
