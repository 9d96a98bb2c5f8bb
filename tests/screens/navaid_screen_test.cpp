#include "entry/hub_grids.h"
#include "navaid_fixture.h"
#include "shell/screen_names.h"

namespace survey::testing {
namespace {

class NavaidScreenTest : public NavaidTest {
 protected:
  // Fills every box of a glide slope of runway 09 with a perpendicular point.
  void enterGlideSlope() {
    choose("ListElectronic", "GS - Glide Slope");
    const std::pair<const char*, const char*> boxes[] = {
        {"Text1G", "09"},      {"Text2G", "IABC"},     {"Text3G", "38"},     {"Text4G", "51"},
        {"Text5G", "12.3456"}, {"Text6G", "77"},       {"Text7G", "2"},      {"Text8G", "1.5"},
        {"Text9G", "312.4"},   {"Text10G", "280.1"},   {"Text14G", "-1050"}, {"Text20G", "38"},
        {"Text21G", "51"},     {"Text22G", "13.0001"}, {"Text23G", "77"},    {"Text24G", "2"},
        {"Text25G", "2.25"},   {"Text26G", "300.5"},   {"Text27G", "268.2"}};
    for (const auto& [name, text] : boxes) type(kScreen, name, text);
    option("RadioPP").setValue(true);
    choose("ListLR", "R");
  }
};

TEST_F(NavaidScreenTest, OpeningShowsTheSurveyAndItsHemispheres) {
  openNew();
  EXPECT_EQ(screen().get<StatusBar>("StatusBar1").panelText(), "ABC: Abc Field");
  EXPECT_EQ(caption("LabelLatDir1"), "N");
  EXPECT_EQ(caption("LabelLonDir1"), "W");
  EXPECT_EQ(screen().get<TabStrip>("TabStrip1").selectedCaption(), "Current Airport");
  EXPECT_TRUE(box("Text5G").bold());
  EXPECT_EQ(screen().caption(), "Part C: NAVAID Information");
  EXPECT_TRUE(shown(kScreen));
  EXPECT_EQ(box("Text18G").text(), "03/04/2005");
  EXPECT_TRUE(option("RadioDEF").value());
  EXPECT_FALSE(visible("Frame4"));
  EXPECT_FALSE(visible("Frame5"));
}

TEST_F(NavaidScreenTest, SaveAddsTheNavaidWithItsLinkAndRowNumber) {
  addNavaid({{15, "VOR/DME"}});
  openNew();
  enterGlideSlope();
  click(kScreen, "Command5");

  ASSERT_EQ(program.store.navaids().count(), 2);
  EXPECT_TRUE(told("Navaid Information Successfully Added"));
  const std::pair<int, const char*> expected[] = {
      {1, "09"},     {2, "IABC"},     {3, "38"},          {4, "51"},     {5, "12.3456"},
      {6, "77"},     {7, "2"},        {8, "1.5"},         {9, "312.4"},  {10, "280.1"},
      {11, "PP"},    {12, ""},        {13, "R"},          {14, "-1050"}, {15, "GS - Glide Slope"},
      {16, "ABC"},   {17, ""},        {18, "03/04/2005"}, {19, " 2 "},   {20, "38"},
      {21, "51"},    {22, "13.0001"}, {23, "77"},         {24, "2"},     {25, "2.25"},
      {26, "300.5"}, {27, "268.2"}};
  for (const auto& [field, text] : expected) EXPECT_EQ(stored(2, field), text) << field;
  EXPECT_EQ(program.current().navaidMode, "A");
}

TEST_F(NavaidScreenTest, SaveStoresTheAnswerChosen) {
  const struct {
    const char* option;
    const char* stored;
  } answers[] = {{"RadioDEF", "NAVAID"}, {"RadioPP", "PP"}, {"RadioCLPT", "CLPT"}};
  int row = 0;
  for (const auto& answer : answers) {
    openNew();
    choose("ListElectronic", "VOR - VHF Omni Directional Range");
    option(answer.option).setValue(true);
    click(kScreen, "Command5");
    EXPECT_EQ(stored(++row, 11), answer.stored) << answer.option;
  }
}

TEST_F(NavaidScreenTest, HiddenFieldsAreSavedAsTheyStand) {
  openNew();
  enterGlideSlope();
  choose("ListVisual", "REIL - Runway End Identifier Lights");
  ASSERT_FALSE(visible("Text2G"));
  ASSERT_FALSE(visible("Frame4"));
  click(kScreen, "Command5");
  EXPECT_EQ(stored(1, 2), "IABC");
  EXPECT_EQ(stored(1, 13), "R");
  EXPECT_EQ(stored(1, 14), "-1050");
  EXPECT_EQ(stored(1, 22), "13.0001");
  EXPECT_EQ(stored(1, 11), "NAVAID");
  EXPECT_EQ(stored(1, 15), "REIL - Runway End Identifier Lights");
}

TEST_F(NavaidScreenTest, StarsEntryBecomesTheTypeAndAnEmptyScreenIsStoredToo) {
  openNew();
  typeKeys(kScreen, "Text15G", "ASOS");
  click(kScreen, "Command5");
  openNew();
  click(kScreen, "Command5");
  EXPECT_EQ(stored(1, 15), "ASOS");
  EXPECT_EQ(stored(2, 15), "");
  EXPECT_EQ(stored(2, 11), "NAVAID");
  EXPECT_EQ(program.store.navaids().count(), 2);
}

TEST_F(NavaidScreenTest, SaveLeavesForTheAirportScreenWithTheNavaidListed) {
  openNew();
  enterGlideSlope();
  click(kScreen, "Command5");
  ASSERT_TRUE(shown(screen::kAirport));
  EXPECT_FALSE(shown(kScreen));
  const Grid& grid = control<Grid>(screen::kAirport, "GridGS");
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "GS - Glide Slope (Rwy 09) PP");
  EXPECT_EQ(grid.cell(1, kRowNumberColumn), "1");
}

TEST_F(NavaidScreenTest, CancelStoresNothing) {
  openNew();
  enterGlideSlope();
  click(kScreen, "Command6");
  EXPECT_EQ(program.store.navaids().count(), 0);
  EXPECT_TRUE(shown(screen::kAirport));
  EXPECT_EQ(control<TextBox>(screen::kAirport, "Text1A").text(), "Abc Field");
}

TEST_F(NavaidScreenTest, FullNavaidTableRefusesAndKeepsTheEntry) {
  program.store.navaids().setCount(10000);
  openNew();
  enterGlideSlope();
  click(kScreen, "Command5");
  EXPECT_EQ(program.store.navaids().count(), 10000);
  EXPECT_EQ(dialogs.last(), tableFullMessage(TableKind::Navaid));
  EXPECT_FALSE(told("Navaid Information Successfully Added"));
  EXPECT_TRUE(shown(kScreen));
  EXPECT_EQ(box("Text2G").text(), "IABC");
  EXPECT_TRUE(control<CommandButton>(kScreen, "Command5").enabled());
}

TEST_F(NavaidScreenTest, EditLoadsTheChosenRowAndSaveChangesOnlyIt) {
  addNavaid({{15, "VOR/DME"}, {2, "DCA"}});
  const int row = addNavaid({{1, "27"},
                             {2, "ILOC"},
                             {3, "38"},
                             {9, "15.5"},
                             {11, "CLPT"},
                             {13, "L"},
                             {14, "900"},
                             {15, "OM - Outer Marker"},
                             {18, "01/02/2004"},
                             {20, "39"},
                             {27, "11.2"}});
  program.store.updateRow(TableKind::Navaid, row, {{19, " 9 "}, {12, "x"}});
  openEdit(row);

  EXPECT_EQ(box("Text1G").text(), "27");
  EXPECT_EQ(box("Text2G").text(), "ILOC");
  EXPECT_EQ(box("Text9G").text(), "15.5");
  EXPECT_EQ(box("Text14G").text(), "900");
  EXPECT_EQ(box("Text20G").text(), "39");
  EXPECT_EQ(box("Text27G").text(), "11.2");
  EXPECT_EQ(box("Text18G").text(), "01/02/2004");
  EXPECT_EQ(list("ListElectronic").chosenText(), "OM - Outer Marker");
  EXPECT_EQ(list("ListLR").chosenText(), "L");
  EXPECT_TRUE(option("RadioCLPT").value());
  EXPECT_TRUE(visible("Frame4"));
  EXPECT_FALSE(visible("RadioPP"));
  EXPECT_EQ(caption("LabelCenterline"), "Distance Between Navaid CLPT and the Runway Approach End");
  EXPECT_TRUE(control<CommandButton>(kScreen, "Command5").enabled());

  type(kScreen, "Text2G", "IOM");
  click(kScreen, "Command5");
  EXPECT_TRUE(told("Navaid Information Successfully Changed"));
  EXPECT_EQ(program.store.navaids().count(), 2);
  EXPECT_EQ(stored(row, 2), "IOM");
  EXPECT_EQ(stored(row, 11), "CLPT");
  EXPECT_EQ(stored(row, 19), " 9 ");
  EXPECT_EQ(stored(row, 12), "x");
  EXPECT_EQ(stored(row, 16), "ABC");
  EXPECT_EQ(stored(1, 2), "DCA");
}

TEST_F(NavaidScreenTest, LoadingPutsATypeFromNeitherListIntoTheStarsBox) {
  const int row = addNavaid({{15, "ASOS - Weather Station"}, {1, "09"}, {11, "PP"}});
  openEdit(row);
  EXPECT_EQ(box("Text15G").text(), "ASOS - Weather Station");
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_EQ(list("ListVisual").chosen(), 0);
  EXPECT_FALSE(visible("Text1G"));
  EXPECT_FALSE(visible("RadioPP"));
  EXPECT_TRUE(option("RadioPP").value());
  EXPECT_TRUE(visible("Frame4"));
  EXPECT_EQ(box("Text1G").text(), "09");
}

TEST_F(NavaidScreenTest, LoadingAnEmptyTypeChoosesTheEmptyElectronicItem) {
  const int row = addNavaid({{2, "X"}});
  openEdit(row);
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_EQ(box("Text15G").text(), "");
  EXPECT_TRUE(option("RadioDEF").value());
  EXPECT_FALSE(visible("Frame1"));
}

TEST_F(NavaidScreenTest, LoadingAVisualTypeLeavesTheDistanceBoxHidden) {
  const int row = addNavaid({{15, "PAPI - Precision Approach Path Indicator"}, {11, "PP"}});
  openEdit(row);
  EXPECT_EQ(list("ListVisual").chosenText(), "PAPI - Precision Approach Path Indicator");
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  EXPECT_FALSE(visible("Frame3"));
  EXPECT_FALSE(visible("RadioCLPT"));
  EXPECT_TRUE(option("RadioPP").value());
  EXPECT_TRUE(visible("Frame5"));
}

TEST_F(NavaidScreenTest, LockedSurveyDisablesSaveAndCancel) {
  const int row = addNavaid({{15, "GS - Glide Slope"}});
  const struct {
    const char* status;
    bool enabled;
  } cases[] = {{"CERTIFIED2", false}, {"CERTIFIED", true}, {"NEW", true}};
  for (const auto& c : cases) {
    program.store.airports().setCell(1, 41, c.status);
    openEdit(row);
    EXPECT_EQ(control<CommandButton>(kScreen, "Command5").enabled(), c.enabled) << c.status;
    EXPECT_EQ(control<CommandButton>(kScreen, "Command6").enabled(), c.enabled) << c.status;
  }
  click(kScreen, "Command5");
}

TEST_F(NavaidScreenTest, EditOfARowThatIsGoneSavesNothing) {
  addNavaid({{15, "GS - Glide Slope"}});
  openEdit(1);
  program.current().navaidRow = 5;
  click(kScreen, "Command5");
  EXPECT_FALSE(told("Navaid Information Successfully Changed"));
  EXPECT_NE(dialogs.last().find("could not be found"), std::string::npos);
  EXPECT_EQ(program.store.navaids().cell(5, 15), "");
  EXPECT_TRUE(shown(kScreen));
}

TEST_F(NavaidScreenTest, EveryBoxChecksWhatIsTyped) {
  const struct {
    const char* box;
    const char* text;
    const char* message;
  } cases[] = {
      {"Text3G", "91", "91 is greater than 90.  Degree values must be between 0 and 90."},
      {"Text20G", "91", "91 is greater than 90.  Degree values must be between 0 and 90."},
      {"Text6G", "181", "181 is greater than 180.  Degree values must be between 0 and 180."},
      {"Text23G", "181", "181 is greater than 180.  Degree values must be between 0 and 180."},
      {"Text4G", "60", "60 is greater than 59.  Minute values must be between 0 and 59.99."},
      {"Text7G", "1.5", "1.5:  Improper Entry"},
      {"Text21G", "60", "60 is greater than 59.  Minute values must be between 0 and 59.99."},
      {"Text24G", "60", "60 is greater than 59.  Minute values must be between 0 and 59.99."},
      {"Text5G", "60", "60 is greater than 59.99.  Minute values must be between 0 and 59.99."},
      {"Text8G", "12.34567", "12.34567:  Error (Entry too large for field)"},
      {"Text22G", "1.23456", "1.23456:  Error (Only 4 decimal place allowed)"},
      {"Text25G", "12.3456x", "12.3456x:  Improper Entry"},
      {"Text9G", "1.25", "1.25:  Error (Only 1 decimal place allowed)"},
      {"Text10G", "12345678", "12345678:  Error (Entry too large for field)"},
      {"Text26G", "1.25", "1.25:  Error (Only 1 decimal place allowed)"},
      {"Text27G", "1.25", "1.25:  Error (Only 1 decimal place allowed)"},
      {"Text14G", "1234567", "1234567:  Error (Entry too large for field)"},
      {"Text14G", "1.5", "1.5:  Error (Only 0 decimal place allowed)"},
  };
  openNew();
  for (const auto& c : cases) {
    dialogs.shown.clear();
    type(kScreen, c.box, c.text);
    ASSERT_FALSE(dialogs.shown.empty()) << c.box;
    EXPECT_EQ(dialogs.shown.front().text, c.message) << c.box;
    EXPECT_EQ(dialogs.shown.front().title, "") << c.box;
    EXPECT_EQ(box(c.box).text(), "") << c.box;
  }
  dialogs.shown.clear();
  for (const char* name : {"Text1G", "Text2G", "Text18G"}) type(kScreen, name, "1.2345x");
  type(kScreen, "Text14G", "-12345");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(box("Text14G").text(), "-12345");
}

}  // namespace
}  // namespace survey::testing
