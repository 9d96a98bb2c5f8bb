// FormAirport: the general data of one survey and the hub from which its
// runways, navaids and obstructions are added, edited and deleted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/hub.h"
#include "shell/screen.h"
#include "store/table.h"

namespace survey {

class AirportScreen : public Screen, public HubScreen {
 public:
  static constexpr const char* kName = "FormAirport";
  static constexpr const char* kCaption = "Part A: Airport Information";

  explicit AirportScreen(Program& program);

  void load() override;
  // "LOAD" in add mode: empty hub grids, options N and W. "TAB": the current
  // survey, "Save" disabled, the rest by whether any survey exists.
  void prepare(std::string_view mode) override;
  void beforeShow() override;

  void refillHubGrids() override;
  void editCurrentSurvey(int selectedListRow) override;

  // Fills the screen from the current survey's row and applies the lock of a
  // survey in status "CERTIFIED2".
  void loadAirportScreen();
  // A new survey's empty screen: the hub waits for the first "Save".
  void startNewSurvey();
  // Enables Edit and Delete of each hub grid by whether it lists anything.
  void updateHubButtons();

 private:
  // One of the hub's three parts: its grid and its New, Edit, Delete.
  struct HubPart {
    TableKind table;
    const char* grid;
    const char* add;
    const char* edit;
    const char* remove;
    const char* screen;
    const char* noun;  // in messages and spoken names: "Please select a runway ..."
  };
  static const std::vector<HubPart>& hubParts();
  friend Screen& editChildRecord(Program& program, TableKind table, int row);

  void buildGeneralInformation();
  void buildHub();
  void buildSideFrames();

  void save();
  void submitAirport();
  void carryIdentifierChange(const std::string& oldKey, const std::string& newKey);
  void cancel();
  void finalizeInput();
  void reviewSurvey();

  void chooseState();
  // The empty item and the states, after the chosen state when one is given.
  void fillStateList(const std::string* chosen);
  void selectStoredItem(const char* list, const std::string& value);

  void fillGrid(const HubPart& part);
  void setHubCommandsBySurveyType();
  int selectedRecord(const HubPart& part);
  void newRecord(const HubPart& part);
  void editRecord(const HubPart& part);
  void deleteRecord(const HubPart& part);

  bool choosingState_ = false;
  bool selectingTab_ = false;
};

// Opens a runway, navaid or obstruction row of the current survey on its screen for
// editing, as the hub's "Edit" does, and returns that screen.
Screen& editChildRecord(Program& program, TableKind table, int row);

}  // namespace survey
