#include "entry/main_screen.h"

#include <algorithm>

#include "entry/output_file_screen.h"
#include "shell/hub.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "shell/store_folder.h"
#include "store/schema/airport_fields.h"

namespace survey {

namespace {
constexpr const char* kAppendixMissing = "This appendix is not available in this version.";

struct ListColumn {
  const char* header;
  airport::Field field;
  int widthTwips;
};
constexpr ListColumn kColumns[] = {
    {"Apt ID", airport::Identifier, 960},  {"Site No", airport::SiteNumber, 960},
    {"Airport Name", airport::Name, 3390}, {"Survey Date", airport::SurveyDate, 1395},
    {"Status", airport::Status, 1200},     {"Survey Type", airport::SurveyType, 1080}};
// The columns that name the chosen survey.
constexpr int kIdentifierColumn = 0;
constexpr int kNameColumn = 2;
}  // namespace

MainScreen::MainScreen(Program& program)
    : Screen(program, kName, kCaption),
      tabs_(addSurveyTabs(11060)),
      frame_(add(kSurveysFrame, nullptr)),
      list_(add(kSurveyList, &frame_, 6)) {
  setSizeTwips(11300, 6480);
  frame_.setCaption("SURVEYS CONDUCTED");
  frame_.place(120, 480, 11060, 5520);
  std::vector<int> widths;
  for (const auto& column : kColumns) widths.push_back(column.widthTwips);
  list_.setColumnWidthsTwips(widths);
  list_.place(120, 300, 9240, 5040);
  list_.setCaption("Surveys");
  const struct {
    ControlName<CommandButton> name;
    const char* caption;
    void (MainScreen::*handler)();
  } buttons[] = {{kNewButton, "New", &MainScreen::newSurvey},
                 {kEditButton, "Edit", &MainScreen::editSurvey},
                 {kDeleteButton, "Delete", &MainScreen::deleteSurvey},
                 {kImportButton, "Import UDDF", &MainScreen::importUddf},
                 {kCreateUddfButton, "Create UDDF", &MainScreen::createUddf}};
  int top = 300;
  for (const auto& button : buttons) {
    auto& command = add(button.name, &frame_);
    command.place(9480, top, 1440, 420);
    top += 540;
    command.setCaption(button.caption);
    command.onClick = [this, handler = button.handler] { (this->*handler)(); };
  }
  add(kVersionLabel, nullptr).place(120, 6120, 2000, 255);
  get(kVersionLabel).setCaption("Version 3.7");

  list_.onClick = [this] { chooseRow(list_.selectedRow()); };

  addStandardMenus(
      *this, {{"MenuOpenStore", "Open Store Folder", [&program] { openStoreFolder(program); }}});
  Menu& obstructions = addMenu("MenuObs1", "Obstructions");
  for (const auto& [name, caption] :
       {std::pair{"MenuObs1_1", "Appendix 1: Types C and D Obstuction Evaluation"},
        std::pair{"MenuObs_2", "Appendix 2: Type ANAPC Obstuction Evaluation"},
        std::pair{"MenuObs_3", "Appendix 3: Type PIR Obstruction Evaluation"}}) {
    obstructions.items.push_back({name, caption, [&program] { program.tell(kAppendixMissing); }});
  }
}

void MainScreen::load() {
  Program& program = this->program();
  if (!program.current().storeLoaded && !openStore(program)) {
    program.platform.quit();
    return;
  }
  prepareScreen(program, kName, Preparation::Load);
  refreshSurveyList();
  tabs_.select(0);
}

void MainScreen::prepare(Preparation /*mode*/) {
  if (program().store.airports().count() == 0) {
    get(kEditButton).setEnabled(false);
  }
}

void MainScreen::refreshSurveyList() {
  const Table& airports = program().store.airports();
  const std::string& key = program().current().surveyKey;
  Grid::Batch batch(list_);
  list_.setRows(std::max(100, airports.count() + 1));
  for (int column = 0; column < 6; ++column) list_.setCell(0, column, kColumns[column].header);
  for (int row = 1; row <= airports.count(); ++row) {
    for (int column = 0; column < 6; ++column) {
      list_.setCell(row, column, airports.cell(row, kColumns[column].field));
    }
  }
  list_.setRows(airports.count() + 1);
  int selected = 0;
  for (int row = 1; row < list_.rows(); ++row) {
    if (list_.cell(row, kIdentifierColumn) == key) {
      selected = row;
      break;
    }
  }
  list_.selectRow(selected);
}

void MainScreen::chooseRow(int row) {
  if (row <= 0) return;  // the header row chooses no survey
  CurrentSurvey& current = program().current();
  current.surveyKey = list_.cell(row, kIdentifierColumn);
  current.surveyName = list_.cell(row, kNameColumn);
  refreshSurveyList();
  if (auto* hub = dynamic_cast<HubScreen*>(&program().screens.touch(screen::kAirport))) {
    hub->refillHubGrids();
  }
}

void MainScreen::newSurvey() {
  showScreen(program(), screen::kSurveyType);
}

void MainScreen::editSurvey() {
  Program& program = this->program();
  if (program.current().surveyKey.empty()) {
    program.tell("You must first select an airport.");
    return;
  }
  if (auto* hub = dynamic_cast<HubScreen*>(&program.screens.touch(screen::kAirport))) {
    hub->editCurrentSurvey(list_.selectedRow());
  }
}

void MainScreen::deleteSurvey() {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return;
  {
    BusyPointer busy(program.platform);
    program.store.deleteSurvey(program.current().surveyKey);
  }
  list_.setRows(1);
  refreshSurveyList();
}

void MainScreen::createUddf() {
  startCreateUddf(program());
}

void MainScreen::importUddf() {
  if (program().refuseWhenReadOnly()) return;
  program().screens.show(screen::kImport);
}

}  // namespace survey
