#include <vector>

#include "entry/hub_grids.h"
#include "record_fixture.h"
#include "shell/hub.h"
#include "survey/obstruction_surfaces.h"

namespace survey::testing {
namespace {

using Strings = std::vector<std::string>;

// The surface codes a list holds, in order: the text before each item's colon.
Strings codesOf(const ListBox& list) {
  Strings codes;
  for (const auto& item : list.items()) codes.push_back(item.substr(0, item.find(':')));
  return codes;
}

TEST_F(ObstructionTest, OpeningShowsTheSurveyHemispheresAndAccuracyCodes) {
  addSurvey();
  program.current().latitudeHemisphere = "S";
  program.current().longitudeHemisphere = "E";
  Screen& screen = openNew();

  EXPECT_TRUE(shown(screen::kObstruction));
  EXPECT_EQ(screen.caption(), "Part D: Obstruction Information");
  EXPECT_EQ(screen.get<Label>("LabelLatDir1").caption(), "S");
  EXPECT_EQ(screen.get<Label>("LabelLonDir1").caption(), "E");
  EXPECT_EQ(list("ListAccuracyH").items(), (Strings{"1 (20')", "2 (50')", "3 (100')"}));
  EXPECT_EQ(list("ListAccuracyV").items(),
            (Strings{"A (3')", "B (10')", "C (20')", "D (50')", "E (Estimated max elv)"}));
  EXPECT_EQ(screen.get<StatusBar>("StatusBar1").panelText(), "ABC: Abc Field");
  EXPECT_EQ(screen.get<TabStrip>("TabStrip1").selectedCaption(), "Current Airport");
  EXPECT_TRUE(screen.get<Frame>("Frame1").visible());
  EXPECT_TRUE(box("Text3O").bold());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ObstructionTest, SurfaceListFollowsTheSurveyType) {
  const Strings chart{"AV", "ANP", "BV", "C", "D", "PIR", "SUPLC", "HCT"};
  Strings combined{"ANAPC"};
  combined.insert(combined.end(), chart.begin(), chart.end());
  Strings every{"ANALPV", "ANAPC"};
  every.insert(every.end(), chart.begin(), chart.end());
  every.push_back("NUL");
  const struct {
    const char* type;
    Strings codes;
  } cases[] = {{"AOC", chart},        {"ANAPC", {"ANAPC"}}, {"ANALPV", {"ANALPV"}},
               {"COMBINE", combined}, {"SPECIAL", every},   {"RUNWAY", every},
               {"RUNWAYEND", every},  {"NAVAID", every},    {"", every}};
  addSurvey();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    program.current().surveyType = c.type;
    program.screens.discard(screen::kObstruction);
    openNew();
    EXPECT_EQ(codesOf(list("ListObsSurface")), c.codes);
  }
  // The stored texts, spelled as the exchange files expect them.
  const Strings items = obstructionSurfacesFor("SPECIAL");
  EXPECT_EQ(items[1], "ANAPC: Area Nav Approach - Precision, conventional landing");
  EXPECT_EQ(items[5],
            "C: FAR77 Nonprecision Approach: Visibility minimums > 3/4 mile includes "
            "approach and primary surfaces only");
  EXPECT_EQ(items[9],
            "HCT: FAR77 Horizontal, Conical, and Transistions includes FAR77 "
            "horizontal, conical, and transistion surfaces only");
  EXPECT_EQ(items[10], "NUL: OIS not applicable");
}

TEST_F(ObstructionTest, AddStoresEveryFieldAndLinksTheRow) {
  addSurvey();
  addObstruction("XYZ", {{2, "POLE"}, {1, "17"}});
  addObstruction("XYZ", {{2, "BLDG"}, {1, "17"}});
  openNew();
  const FieldValues typed{{23, "06/01/2007"}, {1, "17"},    {2, "TREE"},  {3, "40"},
                          {4, "38"},          {5, "12.25"}, {6, "105"},   {7, "5"},
                          {8, "1.5"},         {9, "5280"},  {10, "5262"}, {12, "45"}};
  for (const auto& [field, text] : typed)
    type(screen::kObstruction, "Text" + std::to_string(field) + "O", text);
  choose("ListAccuracyH", "2 (50')");
  choose("ListAccuracyV", "E (Estimated max elv)");
  choose("ListObsSurface",
         "PIR: Precision Instrument Approach, includes approach and primary "
         "surfaces only");
  EXPECT_EQ(box("Text23O").text(), "06/01/2007") << "typed date replaced by the surface click";
  save();

  ASSERT_EQ(program.store.obstructions().count(), 3);
  expectRow(TableKind::Obstruction, 3, typed);
  expectRow(TableKind::Obstruction, 3,
            {{19, "2 (50')"}, {20, "E (Estimated max elv)"}, {22, "ABC"}, {24, ""}, {25, " 3 "}});
  EXPECT_EQ(cell(3, 21).substr(0, 4), "PIR:");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last(), "Obstruction Information Successfully Added");
  EXPECT_EQ(dialogs.shown.back().title, kProgramTitle);
}

TEST_F(ObstructionTest, AddWithNothingChosenStoresEmptyTextsOverStaleCells) {
  addSurvey();
  // A row left beyond the count by an earlier survey deletion.
  Table& table = program.store.obstructions();
  for (const auto& [field, text] :
       FieldValues{{19, "1 (20')"}, {20, "A (3')"}, {21, "NUL: OIS not applicable"}, {24, "D"}}) {
    table.setCell(1, field, text);
  }
  openNew();
  type(screen::kObstruction, "Text2O", "POLE");
  save();
  ASSERT_EQ(table.count(), 1);
  expectRow(TableKind::Obstruction, 1,
            {{19, ""}, {20, ""}, {21, ""}, {23, ""}, {24, ""}, {2, "POLE"}, {25, " 1 "}});
}

TEST_F(ObstructionTest, EveryListItemSurvivesSaveAndReload) {
  program.current().surveyType = "SPECIAL";
  addSurvey();
  const Strings horizontal = horizontalAccuracyItems();
  const Strings vertical = verticalAccuracyItems();
  const Strings surfaces = obstructionSurfacesFor("SPECIAL");
  ASSERT_EQ(surfaces.size(), 11u);
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    openNew();
    choose("ListAccuracyH", horizontal[i % horizontal.size()]);
    choose("ListAccuracyV", vertical[i % vertical.size()]);
    choose("ListObsSurface", surfaces[i]);
    save();
  }
  ASSERT_EQ(program.store.obstructions().count(), 11);
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    SCOPED_TRACE(surfaces[i]);
    openEdit(static_cast<int>(i) + 1);
    EXPECT_EQ(list("ListAccuracyH").chosenText(), horizontal[i % horizontal.size()]);
    EXPECT_EQ(list("ListAccuracyV").chosenText(), vertical[i % vertical.size()]);
    EXPECT_EQ(list("ListObsSurface").chosenText(), surfaces[i]);
    program.screens.discard(screen::kObstruction);
  }
}

TEST_F(ObstructionTest, EditChangesTheShownFieldsAndKeepsTheRest) {
  addSurvey();
  addObstruction("ABC", {{2, "OTHER"}});
  // Field 25 differs from the row's place, as after a survey deletion.
  const FieldValues values{{1, "35"},    {2, "TREE"},      {3, "40"},       {5, "12.25"},
                           {11, "kept"}, {15, "kept too"}, {20, "B (10')"}, {23, "01/02/2003"}};
  const int row = addObstruction("ABC", values);
  program.store.obstructions().setCell(row, 25, " 9 ");
  openEdit(row);
  expectBoxes(screen::kObstruction, {{"Text1O", "35"}, {"Text5O", "12.25"}});
  EXPECT_EQ(list("ListAccuracyV").chosenText(), "B (10')");
  EXPECT_FALSE(list("ListAccuracyH").chosen().has_value());
  type(screen::kObstruction, "Text2O", "BLDG");
  save();

  EXPECT_EQ(dialogs.last(), "Obstruction Information Successfully Changed");
  EXPECT_EQ(program.store.obstructions().count(), 2);
  expectRow(TableKind::Obstruction, row,
            fieldsOf("2=BLDG, 1=35, 20=B (10'), 22=ABC, 25= 9 , 11=kept, 15=kept too"));
  EXPECT_EQ(cell(1, 2), "OTHER");
  EXPECT_TRUE(shown(screen::kAirport));
}

TEST_F(ObstructionTest, SurfaceClickFillsTheDateOnlyWhenAdding) {
  addSurvey();
  openNew();
  EXPECT_EQ(box("Text23O").text(), "");
  choose("ListObsSurface", obstructionSurfacesFor("AOC")[0]);
  EXPECT_EQ(box("Text23O").text(), "05/06/2007");
  program.current().surveyDate = "10/11/2012";
  choose("ListObsSurface", obstructionSurfacesFor("AOC")[1]);
  EXPECT_EQ(box("Text23O").text(), "10/11/2012") << "a later click fills it again";
  typeKeys(screen::kObstruction, "Text23O", "X");
  EXPECT_EQ(program.current().surveyDate, "10/11/2012X") << "typed dates become the survey's";
  program.screens.discard(screen::kObstruction);

  const int row = addObstruction("ABC", {{23, "01/02/2003"}});
  openEdit(row);
  EXPECT_EQ(program.current().surveyDate, "01/02/2003");
  program.current().surveyDate = "09/09/2009";
  choose("ListObsSurface", obstructionSurfacesFor("AOC")[2]);
  EXPECT_EQ(box("Text23O").text(), "01/02/2003");
}

TEST_F(ObstructionTest, MenusPrintAndSayTheAppendicesAreMissing) {
  addSurvey();
  Screen& screen = openNew();
  Strings help;
  for (const auto& menu : screen.menus()) {
    if (menu.name == "MenuHelp") {
      for (const auto& item : menu.items) help.push_back(item.caption);
    }
  }
  EXPECT_EQ(help, (Strings{"On-Line Help", "Appendix 1: Types C and D Obstruction Evaluation",
                           "Appendix 2: Type ANAPC Obstruction Evaluation",
                           "Appendix 3: Type PIR Obstruction Evaluation"}));
  for (const char* name : {"MenuAppendix1", "MenuAppendix2", "MenuAppendix3"}) {
    dialogs.shown.clear();
    screen.menuItem(name).click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last(), "This appendix is not available in this version.");
  }
  screen.menuItem("MenuPrint").click();
  EXPECT_EQ(platform.printed, (Strings{screen::kObstruction}));
}

class ObstructionGridTest : public ObstructionTest {
 protected:
  // The visible text of each data row and its hidden row number.
  std::vector<std::pair<std::string, std::string>> listed(const Grid& grid) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 1; row < grid.rows(); ++row) {
      rows.emplace_back(grid.cell(row, 0) + " | " + grid.cell(row, 1), grid.cell(row, 6));
    }
    return rows;
  }
  Grid grid{"GridObstruction", nullptr, kHubGridColumns};
};

using Listed = std::vector<std::pair<std::string, std::string>>;

TEST_F(ObstructionGridTest, ListsTheSurveysLiveObstructionsWithTheirRows) {
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}, {1, "17"}, {3, "40"}, {4, "38"}, {5, "12.25"}});
  addObstruction("XYZ", {{2, "TREE"}, {1, "17"}, {3, "40"}, {4, "38"}, {5, "12.25"}});
  const int deleted = addObstruction("ABC", {{2, "POLE"}, {1, "17"}});
  program.store.markDeleted(TableKind::Obstruction, deleted);
  addObstruction("ABC", {{1, "35"}, {3, "41"}, {4, "1"}, {5, "2"}});
  addObstruction("ABC", {});

  fillObstructionGrid(program, grid);
  EXPECT_EQ(grid.cell(0, 0), "Obstruction Type");
  EXPECT_EQ(grid.cell(0, 1), "Rwy");
  EXPECT_EQ(grid.hiddenColumn(), 6);
  EXPECT_EQ(listed(grid), (Listed{{"TREE (17) 40-38-12.25 | 17", "1"},
                                  {" (35) 41-1-2 | 35", "4"},
                                  {" () -- | ", "5"}}));
}

TEST_F(ObstructionGridTest, ListsEveryObstructionOfALargeSurvey) {
  addSurvey();
  for (int i = 1; i <= 12000; ++i) addObstruction(i % 2 ? "ABC" : "XYZ", {{2, std::to_string(i)}});
  fillObstructionGrid(program, grid);
  ASSERT_EQ(grid.rows(), 6001);
  EXPECT_EQ(grid.cell(6000, 0), "11999 () --");
  EXPECT_EQ(grid.cell(6000, 6), "11999");
}

TEST_F(ObstructionGridTest, RefreshReachesTheAirportScreenOnlyWhileItExists) {
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}});
  refreshObstructionGrid(program);
  EXPECT_EQ(program.screens.existing(screen::kAirport), nullptr);

  showScreen(program, screen::kAirport);
  auto& hubGrid = control<Grid>(screen::kAirport, "GridObstruction");
  hubGrid.setRows(1);
  refreshObstructionGrid(program);
  ASSERT_EQ(hubGrid.rows(), 2);
  EXPECT_EQ(hubGrid.cell(1, 0), "TREE () --");
}

TEST_F(ObstructionGridTest, HubAddsEditsAndDeletesThroughTheGrid) {
  program.current().surveyType = "AOC";
  addSurvey();
  addObstruction("ABC", {{2, "TREE"}, {1, "17"}});
  addObstruction("XYZ", {{2, "BLDG"}, {1, "17"}});
  showScreen(program, screen::kAirport);
  auto* hub = dynamic_cast<HubScreen*>(program.screens.existing(screen::kAirport));
  ASSERT_NE(hub, nullptr);
  hub->refillHubGrids();

  click(screen::kAirport, "CommandAddObs");
  ASSERT_TRUE(shown(screen::kObstruction));
  type(screen::kObstruction, "Text2O", "POLE");
  save();
  ASSERT_TRUE(shown(screen::kAirport));
  Grid* hubGrid = &control<Grid>(screen::kAirport, "GridObstruction");
  EXPECT_EQ(listed(*hubGrid), (Listed{{"TREE (17) -- | 17", "1"}, {"POLE () -- | ", "3"}}));

  hubGrid->clickRow(2);
  click(screen::kAirport, "CommandEditObs");
  ASSERT_TRUE(shown(screen::kObstruction));
  EXPECT_EQ(box("Text2O").text(), "POLE");
  type(screen::kObstruction, "Text1O", "35");
  save();
  EXPECT_EQ(cell(3, 1), "35");
  EXPECT_EQ(cell(3, 25), " 3 ");

  hubGrid = &control<Grid>(screen::kAirport, "GridObstruction");
  hubGrid->clickRow(1);
  click(screen::kAirport, "CommandDelObs");
  EXPECT_EQ(cell(1, 24), "D");
  EXPECT_EQ(listed(*hubGrid), (Listed{{"POLE (35) -- | 35", "3"}}));
}

}  // namespace
}  // namespace survey::testing
