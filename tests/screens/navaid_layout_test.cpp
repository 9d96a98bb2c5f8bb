#include "record_fixture.h"

namespace survey::testing {
namespace {

constexpr const char* kAlong = "NAVAID Along Centerline Distance";
constexpr const char* kPpApproach = "Distance Between Navaid PP and the Runway Approach End";
constexpr const char* kClptApproach = "Distance Between Navaid CLPT and the Runway Approach End";
constexpr const char* kPpStop = "Distance Between Navaid PP and the Runway Stop End";
constexpr const char* kNavaidApproach = "Distance Between Navaid and the Runway Approach End";
constexpr const char* kKept = nullptr;
constexpr const char* kBase = "Base Elevation of the NAVAID";
constexpr const char* kAntenna = "Elevation of the Center of the Antenna Cover";
constexpr const char* kPhase = "Elevation of the Phase Center of Reference Point";
constexpr const char* kEarlierCaption = "(caption of the type chosen before)";

enum Groups { Runway = 1, Identifier = 2, Answer = 4, Perpendicular = 8, Centerline = 16 };
constexpr int kRunwayNavaid = Runway | Identifier | Answer | Perpendicular | Centerline;
constexpr int kAreaNavaid = Identifier | Answer | Perpendicular | Centerline;
constexpr int kVisualAid = Runway;
constexpr int kMarker = kRunwayNavaid & ~Perpendicular;
constexpr int kSlopeLights = kRunwayNavaid & ~Centerline;

struct TypeCase {
  const char* list;
  const char* item;
  int shown;
  const char* distance;
  const char* elevation;
};

const TypeCase kTypes[] = {
    {"ListElectronic", "ARSR - Air Route Surveillance Radar", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "ASR - Airport Surveillance Radar", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "ATCBI", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "BCM - Back Course Marker", kAreaNavaid, kNavaidApproach, kBase},
    {"ListElectronic", "DME - Distance Measuring Equipment", kRunwayNavaid, kKept, kAntenna},
    {"ListElectronic", "FM - Fan Marker", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "GS - Glide Slope", kRunwayNavaid, kPpApproach, kBase},
    {"ListElectronic", "IM - Inner Marker", kMarker, kClptApproach, kBase},
    {"ListElectronic", "LDA - Localizer Type Directional Aid", kRunwayNavaid, kPpStop, kBase},
    {"ListElectronic", "LFR - Low Frequency Radio Range", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "LMM - Locator Middle Marker", kMarker, kClptApproach, kBase},
    {"ListElectronic", "LOC - Localizer", kRunwayNavaid, kPpStop, kBase},
    {"ListElectronic", "LOM - Locator Outer Marker", kMarker, kClptApproach, kBase},
    {"ListElectronic", "LRR - Long Range Radar", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "MLSAZ - MLS Azimuth Guidance", kAreaNavaid, kPpStop, kPhase},
    {"ListElectronic", "MLSEL - MLS Elevation Guidance", kAreaNavaid, kPpApproach, kPhase},
    {"ListElectronic", "MLSDME - DME Associated with MLS", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "MM - Middle Marker", kMarker, kClptApproach, kBase},
    {"ListElectronic", "NDB - Nondirectional Beacon", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "NDB/DME", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "OTHER - Other NAVAID", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "OM - Outer Marker", kMarker, kClptApproach, kBase},
    {"ListElectronic", "PAR - Precision Approach Radar", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "SDF - Simplified Directional Facility", kAreaNavaid, kPpStop, kBase},
    {"ListElectronic", "TACAN - Tactical Air Navigation", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "TDR - GCA Touchdown Reflectors", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "VOR - VHF Omni Directional Range", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "VOR/DME", kAreaNavaid, kAlong, kBase},
    {"ListElectronic", "VORTAC - VOR + TACAN", kAreaNavaid, kAlong, kBase},
    {"ListVisual", "ALS - Approach Lights", kVisualAid, kKept, kBase},
    {"ListVisual", "APBN - Airport Beacon", kVisualAid, kKept, kBase},
    {"ListVisual", "PAPI - Precision Approach Path Indicator", kSlopeLights, kPpApproach, kBase},
    {"ListVisual", "PLASI", kVisualAid, kKept, kBase},
    {"ListVisual", "PVASI - Pulsating Visual Approach Slope Indicator", kVisualAid, kKept, kBase},
    {"ListVisual", "REIL - Runway End Identifier Lights", kVisualAid, kKept, kBase},
    {"ListVisual", "TRCV - Tri-color Visual Approach Slope Indicator", kVisualAid, kKept, kBase},
    {"ListVisual", "TVASI", kVisualAid, kKept, kBase},
    {"ListVisual", "VASI - Visual Approach Slope Indicator", kSlopeLights, kPpApproach, kBase},
};

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
    for (const TypeCase& navaid : kTypes) {
      if (before.list && std::string(before.item) == navaid.item) continue;
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

      const std::pair<const char*, int> members[] = {
          {"LabelRWY", Runway},       {"Text1G", Runway},       {"LabelID", Identifier},
          {"Text2G", Identifier},     {"LabelPP", Answer},      {"RadioDEF", Answer},
          {"RadioPP", Perpendicular}, {"RadioCLPT", Centerline}};
      for (const auto& [name, group] : members) {
        EXPECT_EQ(visible(name), (navaid.shown & group) != 0) << name;
      }
      EXPECT_EQ(caption("LabelCenterline"), navaid.distance ? navaid.distance : kEarlierCaption);
      EXPECT_EQ(caption("Label299"), navaid.elevation);
      EXPECT_EQ(box("Text9G").caption(), std::string(navaid.elevation) + " Orthometric");
      const bool electronic = std::string(navaid.list) == "ListElectronic";
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
  // The table of types above holds each list's items in the list's order.
  std::vector<std::string> electronic{""};
  std::vector<std::string> visual{""};
  for (const TypeCase& navaid : kTypes) {
    (std::string(navaid.list) == "ListElectronic" ? electronic : visual).push_back(navaid.item);
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
