#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "review/review_context.h"
#include "review/review_fixture.h"
#include "support/survey_rows.h"

namespace survey::review {
namespace {

using testing::KnownSurvey;

// Where a finding points and how bad it is: what a defect must raise, and nothing else.
using Place = std::tuple<TableKind, int /*row*/, int /*field*/, Severity>;

std::set<Place> placesOf(const std::vector<Finding>& findings) {
  std::set<Place> places;
  for (const Finding& f : findings) places.insert({f.table, f.row, f.field, f.severity});
  return places;
}

std::string describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings) {
    text += std::string(severityText(f.severity)) + " | " + f.record + " | " + f.fieldLabel +
            " | " + f.message + " | " + f.computed + "\n";
  }
  return text;
}

TEST(SurveyReview, ASurveyOfKnownGeometryRaisesNothing) {
  const KnownSurvey survey;
  const auto findings = survey.review();
  EXPECT_TRUE(findings.empty()) << describe(findings);
}

TEST(SurveyReview, AnUnknownSurveyHasNoFindings) {
  const KnownSurvey survey;
  EXPECT_TRUE(reviewSurvey(survey.store, "KXXX", testing::kToday).empty());
  EXPECT_TRUE(reviewSurvey(survey.store, "", testing::kToday).empty());
}

void setRunway(KnownSurvey& s, int field, const std::string& value) {
  s.store.runways().setCell(s.runway, field, value);
}

// A new obstruction row with every field of the indexed one.
int copyObstruction(KnownSurvey& s, int index) {
  Table& t = s.store.obstructions();
  const int copy = *t.appendRow();
  for (int f = 1; f <= 24; ++f)
    t.setCell(copy, f, t.cell(s.obstructions[static_cast<std::size_t>(index)], f));
  return copy;
}

// The table and row of a record as the defect table names it: "obstruction" with its index,
// "copy" for the obstruction added last.
std::pair<TableKind, int> recordNamed(const KnownSurvey& s, const std::string& name, int index) {
  if (name == "airport") return {TableKind::Airport, s.airport};
  if (name == "runway") return {TableKind::Runway, s.runway};
  if (name == "navaid") return {TableKind::Navaid, s.navaid};
  if (name == "copy") return {TableKind::Obstruction, s.obstructions.back()};
  EXPECT_EQ(name, "obstruction");
  return {TableKind::Obstruction, s.obstructions.at(static_cast<std::size_t>(index))};
}

// Carries out one change of the defect table.
void change(KnownSurvey& s, const std::string& text) {
  std::istringstream words(text);
  std::string name, word;
  double bearing = 0, miles = 0;
  words >> name;
  if (name == "rename") {  // the runway everywhere the survey names it
    std::string first, second;
    words >> word >> first >> second;
    for (int field : {2, 60}) setRunway(s, field, first);
    setRunway(s, 27, second);
    for (int row : s.obstructions) s.store.obstructions().setCell(row, 1, first);
  } else if (text == "opposite azimuth + 2 minutes") {
    setRunway(s, 29, testing::azimuthText(s.end2Azimuth + 2.0 / 60));
  } else if (text.starts_with("runway ends ")) {  // "runway ends N ft apart"
    const double apart = std::stod(text.substr(12));
    double arrival = 0;
    s.end2 = testing::travel(s.end1, testing::kRunwayAzimuth, apart * testing::kFoot, &arrival);
    s.end2Azimuth = arrival + 180;
    testing::setPosition(s.store.runways(), s.runway, 30, 33, s.end2, 4);
    setRunway(s, 29, testing::azimuthText(s.end2Azimuth));
  } else if (text == "copy") {
    s.obstructions.push_back(copyObstruction(s, 2));
  } else if (words >> word >> bearing >> miles && word == "moved") {
    testing::setPosition(s.store.navaids(), s.navaid, 3, 6,
                         testing::travel(s.arp, bearing, miles * 1852.0), 4);
  } else if (word == "added") {
    s.obstructions.push_back(
        s.addObstruction(testing::travel(s.arp, bearing, miles * 1852.0), 500));
  } else {  // "record [index] field = value"
    std::istringstream place(text);
    int index = 0, field = 0;
    place >> name;
    if (name == "obstruction") place >> index;
    place >> field;
    const auto equals = text.find(" =");
    ASSERT_NE(equals, std::string::npos) << text;
    const auto [kind, row] = recordNamed(s, name, index);
    s.store.table(kind).setCell(
        row, field, survey::testing::unquoted(text.substr(std::min(text.size(), equals + 3))));
  }
}

// The places a defect must raise, as the defect table writes them.
std::set<Place> placesNamed(const KnownSurvey& s, const std::string& text) {
  std::set<Place> places;
  std::istringstream list(text == "none" ? "" : text);
  for (std::string one; std::getline(list, one, ';');) {
    std::istringstream words(one);
    std::string name, severity;
    int index = 0, field = 0;
    words >> name;
    if (name == "obstruction") words >> index;
    words >> field >> severity;
    EXPECT_TRUE(severity == "error" || severity == "warning") << one;
    const auto [kind, row] = recordNamed(s, name, index);
    places.insert({kind, row, field, severity == "error" ? Severity::Error : Severity::Warning});
  }
  return places;
}

TEST(SurveyReview, EachDefectRaisesExactlyItsFindings) {
  for (const auto& c : survey::testing::caseTable("review/one_defect.cases", 3)) {
    SCOPED_TRACE(c[0]);
    KnownSurvey survey;
    std::istringstream changes(c[1]);
    for (std::string one; std::getline(changes, one, ';');) {
      change(survey, one.substr(one.find_first_not_of(' ')));
    }
    const auto findings = survey.review();
    EXPECT_EQ(placesOf(findings), placesNamed(survey, c[2])) << describe(findings);
  }
}

// A displaced threshold placed along its runway from its end and across the centre line (ft;
// the runway is 9000 ft long, end 15's threshold length 500 ft, end 33's none), and what the
// review computes of it: nothing, how far off the runway it lies, or its distance from the end.
TEST(SurveyReview, ADisplacedThresholdIsMeasuredAlongAndAcrossTheCentreLine) {
  const struct {
    bool opposite;
    double along, across;
    std::string computed;
  } cases[] = {
      {false, 500, 700, "700.0 ft off the centre line"},
      {false, 4500, 300, "300.0 ft off the centre line"},
      {true, 800, -700, "700.0 ft off the centre line"},
      {false, -279, 0, "279.0 ft beyond runway end 15"},
      {true, 9279, 0, "279.0 ft beyond runway end 15"},
      {false, -279, 700, "700.0 ft off the centre line and 279.0 ft beyond runway end 15"},
      {false, 500, 9, ""},
      {true, 8995, -9, ""},
      {false, 520, 0, "520.0 ft"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.along) + " along, " + std::to_string(c.across) + " across");
    KnownSurvey survey;
    double heading = 0;  // of the runway, abeam the threshold
    const testing::Point abeam =
        testing::travel(c.opposite ? survey.end2 : survey.end1,
                        c.opposite ? survey.end2Azimuth : testing::kRunwayAzimuth,
                        c.along * testing::kFoot, &heading);
    const int latitude = c.opposite ? 40 : 18;
    testing::setPosition(survey.store.runways(), survey.runway, latitude, latitude + 3,
                         testing::travel(abeam, heading + 90, c.across * testing::kFoot), 4);
    const auto findings = survey.review();
    ASSERT_EQ(findings.size(), c.computed.empty() ? 0u : 1u) << describe(findings);
    if (c.computed.empty()) continue;
    EXPECT_EQ(findings[0].field, c.computed.ends_with(" ft") ? 24 : latitude);
    EXPECT_EQ(findings[0].computed, c.computed);
    EXPECT_NE(findings[0].message.find(c.computed), std::string::npos) << findings[0].message;
  }
}

// Errors first, then warnings, each kind in the order of the checks (the surface check runs last).
TEST(SurveyReview, ErrorsComeBeforeWarningsEachInTheOrderOfTheChecks) {
  KnownSurvey s;
  for (const char* defect :
       {"runway 5 = 7000", "obstruction 1 10 = 123", "airport 22 =", "obstruction 0 21 = NUL: x"})
    change(s, defect);
  std::vector<Place> order;
  for (const Finding& f : s.review()) order.emplace_back(f.table, f.row, f.field, f.severity);
  EXPECT_EQ(order, (std::vector<Place>{
                       {TableKind::Airport, s.airport, 22, Severity::Error},
                       {TableKind::Obstruction, s.obstructions[0], 21, Severity::Error},
                       {TableKind::Runway, s.runway, 5, Severity::Warning},
                       {TableKind::Obstruction, s.obstructions[1], 10, Severity::Warning}}));
}

TEST(SurveyReview, AShortenedValueNamesWhatTheFileWouldHold) {
  KnownSurvey survey;
  survey.store.airports().setCell(survey.airport, 15, "12 + 1500");
  const auto findings = survey.review();
  ASSERT_EQ(findings.size(), 1u) << describe(findings);
  EXPECT_EQ(findings[0].computed, "12 + 150");
  EXPECT_EQ(findings[0].fieldLabel, "Airport Elevation Location");
  EXPECT_NE(findings[0].message.find("\"12 + 1500\""), std::string::npos);
}

TEST(SurveyReview, SurfaceFindingsSayByHowMuchOrWhy) {
  KnownSurvey survey;
  // Under the horizontal surface, which is 550 ft wherever it is.
  survey.store.obstructions().setCell(survey.obstructions[1], 9, "560.0");
  survey.store.obstructions().setCell(survey.obstructions[1], 10, "485.0");
  survey.addObstruction(testing::travel(survey.arp, 90, 926), 500);
  EXPECT_EQ(describe(survey.review()),
            "Warning | obstruction 2 (TREE) | Top Elevation Orthometric | The obstruction "
            "penetrates the Horizontal surface by 10.0 ft. | 550.0 ft\n"
            "Warning | obstruction 4 (TREE) | Obstruction Identification Surface | The obstruction "
            "lies outside the surfaces listed for it: not under the approach or primary surface "
            "of 15 (AV). | \n");
}

// Each reference line is met to a millimetre and its start azimuth to a microdegree.
TEST(SurveyReview, DistancesAgreeWithGeodSolveToAMillimetre) {
  for (const auto& c : survey::testing::caseTable("review/geodesic_references.cases", 4)) {
    SCOPED_TRACE(c[0] + " to " + c[1]);
    GeoPoint from{}, to{};
    std::istringstream(c[0]) >> from.latitude >> from.longitude;
    std::istringstream(c[1]) >> to.latitude >> to.longitude;
    const GeodesicLine line = inverseGeodesic(from, to);
    EXPECT_NEAR(line.azimuthFrom, std::stod(c[2]), 1e-6);
    EXPECT_NEAR(line.metres, std::stod(c[3]), 0.001);
  }
}

}  // namespace
}  // namespace survey::review
