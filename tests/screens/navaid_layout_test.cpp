#include "record_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

constexpr const char* kAlong = "NAVAID Along Centerline Distance";
constexpr const char* kPpApproach = "Distance Between Navaid PP and the Runway Approach End";
constexpr const char* kBase = "Base Elevation of the NAVAID";
constexpr const char* kEarlierCaption = "(caption of the type chosen before)";

// A navaid type and what choosing it shows, as the reviewed table has it.
struct TypeCase {
  std::string list, item;
  std::string groups;  // the names of the groups shown, each between blanks
  std::string distance, elevation;
};

std::vector<TypeCase> navaidTypes() {
  std::vector<TypeCase> types;
  for (const auto& c : caseTable("screens/navaid_types.cases", 5)) {
    types.push_back({c[0], c[1], " " + c[2] + " ", c[3], c[4]});
  }
  return types;
}

// What stood on the screen before the type was chosen.
struct Before {
  const char* list;  // nullptr: a STARS entry was typed
  const char* item;
  const char* answer = nullptr;  // an answer chosen after the item
};
const Before kBefore[] = {{nullptr, "TOWER"},
                          {"ListElectronic", "MLSAZ - MLS Azimuth Guidance"},
                          {"ListElectronic", "GS - Glide Slope", "RadioPP"},
                          {"ListVisual", "ALS - Approach Lights"}};

class NavaidLayoutTest : public NavaidTest {};

TEST_F(NavaidLayoutTest, EachTypeShowsHidesAndCaptionsItsGroupsWhateverCameBefore) {
  for (const Before& before : kBefore) {
    for (const TypeCase& navaid : navaidTypes()) {
      if (before.list && before.item == navaid.item) continue;
      SCOPED_TRACE(std::string(navaid.item) + " after " + before.item);
      openNew();
      if (before.list) {
        choose(before.list, before.item);
      } else {
        type(kScreen, "Text15G", before.item);
      }
      if (before.answer) option(before.answer).setValue(true);
      screen().get<Label>("LabelCenterline").setCaption(kEarlierCaption);
      choose(navaid.list, navaid.item);

      const std::pair<const char*, const char*> members[] = {
          {"LabelRWY", "runway"},       {"Text1G", "runway"},       {"LabelID", "identifier"},
          {"Text2G", "identifier"},     {"LabelPP", "answer"},      {"RadioDEF", "answer"},
          {"RadioPP", "perpendicular"}, {"RadioCLPT", "centerline"}};
      for (const auto& [name, group] : members) {
        EXPECT_EQ(visible(name),
                  navaid.groups.find(" " + std::string(group) + " ") != std::string::npos)
            << name;
      }
      EXPECT_EQ(caption("LabelCenterline"),
                navaid.distance == "kept" ? kEarlierCaption : navaid.distance);
      EXPECT_EQ(caption("Label299"), navaid.elevation);
      EXPECT_EQ(box("Text9G").caption(), navaid.elevation + " Orthometric");
      const bool electronic = navaid.list == "ListElectronic";
      EXPECT_EQ(visible("Frame3"), electronic) << "distance box";
      EXPECT_EQ(box("Text15G").text(), "");
      EXPECT_TRUE(option("RadioDEF").value());
      expectStates(kScreen, {"Frame4", "Frame5"}, false, true);
      EXPECT_EQ(list(electronic ? "ListVisual" : "ListElectronic").chosen(), 0);
      EXPECT_EQ(list(navaid.list).chosenText(), navaid.item);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST_F(NavaidLayoutTest, ListsOfferTheTypesInOrderWithNothingChosen) {
  showScreen(program, kScreen);
  // The table of types holds each list's items in the list's order.
  std::vector<std::string> electronic{""};
  std::vector<std::string> visual{""};
  for (const TypeCase& navaid : navaidTypes()) {
    (navaid.list == "ListElectronic" ? electronic : visual).push_back(navaid.item);
  }
  EXPECT_EQ(list("ListElectronic").items(), electronic);
  EXPECT_EQ(list("ListVisual").items(), visual);
  EXPECT_EQ(list("ListLR").items(), (std::vector<std::string>{"L", "R"}));
  for (const char* name : {"ListElectronic", "ListVisual", "ListLR"}) {
    EXPECT_FALSE(list(name).chosen()) << name;
  }
  // A new screen starts with every group shown and the default captions.
  expectStates(kScreen,
               {"Text1G", "Text2G", "LabelPP", "RadioPP", "RadioCLPT", "RadioDEF", "Frame3",
                "Frame4", "Frame5", "Frame1"},
               true, true);
  EXPECT_EQ(caption("LabelCenterline"), kAlong);
  EXPECT_EQ(caption("Label299"), kBase);
}

TEST_F(NavaidLayoutTest, VisualTypeKeepsTheAnswerWhenTheElectronicListHoldsItsEmptyItem) {
  openNew();
  choose("ListElectronic", "GS - Glide Slope");
  choose("ListElectronic", "");
  option("RadioPP").setValue(true);
  choose("ListVisual", "PAPI - Precision Approach Path Indicator");
  EXPECT_TRUE(option("RadioPP").value());
  expectStates(kScreen, {"Frame4", "Frame5"}, true, true);
}

TEST_F(NavaidLayoutTest, EmptyItemsChangeNoGroup) {
  openNew();
  choose("ListElectronic", "MLSEL - MLS Elevation Guidance");
  option("RadioCLPT").setValue(true);
  choose("ListElectronic", "");
  EXPECT_FALSE(visible("Text1G"));
  expectStates(kScreen, {"Text2G", "RadioCLPT", "Frame3"}, true, true);
  EXPECT_TRUE(option("RadioDEF").value());
  EXPECT_EQ(caption("Label299"), kBase);
  EXPECT_EQ(caption("LabelCenterline"), kPpApproach);

  choose("ListVisual", "ALS - Approach Lights");
  choose("ListVisual", "");
  EXPECT_TRUE(visible("Text1G"));
  expectStates(kScreen, {"Text2G", "Frame3"}, false, true);
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
}

TEST_F(NavaidLayoutTest, TypedStarsEntryClearsBothListsAndHidesTheQuestion) {
  openNew();
  choose("ListVisual", "PAPI - Precision Approach Path Indicator");
  typeKeys(kScreen, "Text15G", "ASOS");
  EXPECT_EQ(box("Text15G").text(), "ASOS");
  EXPECT_EQ(list("ListVisual").chosen(), 0);
  EXPECT_EQ(list("ListElectronic").chosen(), 0);
  expectStates(
      kScreen,
      {"Text1G", "LabelRWY", "Text2G", "LabelID", "LabelPP", "RadioPP", "RadioCLPT", "RadioDEF"},
      false, true);
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace survey::testing
