#include <gtest/gtest.h>

#include <functional>
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

struct Defect {
  const char* name;
  std::function<void(KnownSurvey&)> inject;
  std::function<std::set<Place>(const KnownSurvey&)> expected;
};

Place runway(const KnownSurvey& s, int field) {
  return {TableKind::Runway, s.runway, field, Severity::Warning};
}
Place obstruction(const KnownSurvey& s, int index, int field, Severity severity) {
  return {TableKind::Obstruction, s.obstructions[static_cast<std::size_t>(index)], field, severity};
}

void setRunway(KnownSurvey& s, int field, const std::string& value) {
  s.store.runways().setCell(s.runway, field, value);
}
void setObstruction(KnownSurvey& s, int index, int field, const std::string& value) {
  s.store.obstructions().setCell(s.obstructions[static_cast<std::size_t>(index)], field, value);
}

// A new obstruction row with every field of the indexed one.
int copyObstruction(KnownSurvey& s, int index) {
  Table& t = s.store.obstructions();
  const int copy = *t.appendRow();
  for (int f = 1; f <= 24; ++f)
    t.setCell(copy, f, t.cell(s.obstructions[static_cast<std::size_t>(index)], f));
  return copy;
}

// Renames the runway everywhere the survey names it, so only its designators are at fault.
void renameRunway(KnownSurvey& s, const std::string& first, const std::string& second) {
  setRunway(s, 2, first);
  setRunway(s, 27, second);
  setRunway(s, 60, first);
  for (int i = 0; i < 3; ++i) setObstruction(s, i, 1, first);
}

class OneDefect : public ::testing::TestWithParam<Defect> {};
void PrintTo(const Defect& defect, std::ostream* out) {
  *out << defect.name;
}

TEST_P(OneDefect, RaisesExactlyItsFinding) {
  KnownSurvey survey;
  GetParam().inject(survey);
  const auto findings = survey.review();
  EXPECT_EQ(placesOf(findings), GetParam().expected(survey)) << describe(findings);
}

std::string swappedFirstDigits(std::string text) {
  std::swap(text[1], text[2]);
  return text;
}

const Defect kRunwayDefects[] = {
    {"LengthOffBy2000Feet", [](KnownSurvey& s) { setRunway(s, 5, "7000"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 5)}; }},
    {"LengthWithinOnePercent", [](KnownSurvey& s) { setRunway(s, 5, "9080"); },
     [](const KnownSurvey&) { return std::set<Place>{}; }},
    {"AzimuthDigitsSwapped",
     [](KnownSurvey& s) {
       setRunway(s, 4, swappedFirstDigits(s.store.runways().cell(s.runway, 4)));
     },
     [](const KnownSurvey& s) { return std::set{runway(s, 4)}; }},
    {"OppositeAzimuthTwoMinutesOff",
     [](KnownSurvey& s) { setRunway(s, 29, testing::azimuthText(s.end2Azimuth + 2.0 / 60)); },
     [](const KnownSurvey& s) { return std::set{runway(s, 29)}; }},
    {"AzimuthNotDddmmss", [](KnownSurvey& s) { setRunway(s, 4, "1637500"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 4)}; }},
    {"DesignatorsWrongByTwo", [](KnownSurvey& s) { renameRunway(s, "13", "31"); },
     [](const KnownSurvey& s) {
       return std::set{runway(s, 2), runway(s, 27)};
     }},
    {"DesignatorOffByOneIsAccepted", [](KnownSurvey& s) { renameRunway(s, "14", "32"); },
     [](const KnownSurvey&) { return std::set<Place>{}; }},
    {"DeclinationSignReversed",
     [](KnownSurvey& s) { s.store.airports().setCell(s.airport, 16, "15.0"); },
     [](const KnownSurvey& s) {
       return std::set{runway(s, 2), runway(s, 27)};
     }},
    {"DesignatorsNotEighteenApart", [](KnownSurvey& s) { setRunway(s, 27, "34"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 27)}; }},
    {"DisplacedLengthNotItsPosition", [](KnownSurvey& s) { setRunway(s, 24, "800"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 24)}; }},
    {"DisplacedThresholdOffTheRunway", [](KnownSurvey& s) { setRunway(s, 19, "20"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 18)}; }},
    {"ProfilePointBeyondTheRunway", [](KnownSurvey& s) { setRunway(s, 61, "9500"); },
     [](const KnownSurvey& s) { return std::set{runway(s, 61)}; }},
};
INSTANTIATE_TEST_SUITE_P(Runway, OneDefect, ::testing::ValuesIn(kRunwayDefects),
                         [](const auto& info) { return info.param.name; });

const Defect kSurveyDefects[] = {
    {"RunwayEndHeightsSwapped",
     [](KnownSurvey& s) {
       setRunway(s, 14, testing::feet(390 + testing::kSeparation));
       setRunway(s, 15, "390.0");
     },
     [](const KnownSurvey& s) { return std::set{runway(s, 15)}; }},
    {"ObstructionEllipsoidalInMetres", [](KnownSurvey& s) { setObstruction(s, 1, 10, "123"); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 1, 10, Severity::Warning)}; }},
    {"AboveGroundOverTheTop", [](KnownSurvey& s) { setObstruction(s, 0, 12, "2000"); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 0, 12, Severity::Warning)}; }},
    {"Obstruction50NauticalMilesAway",
     [](KnownSurvey& s) {
       s.obstructions.push_back(s.addObstruction(testing::travel(s.arp, 200, 50 * 1852.0), 500));
     },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 3, 3, Severity::Warning)}; }},
    {"Navaid29NauticalMilesAwayIsAccepted",
     [](KnownSurvey& s) {
       testing::setPosition(s.store.navaids(), s.navaid, 3, 6,
                            testing::travel(s.arp, 10, 29 * 1852.0), 4);
     },
     [](const KnownSurvey&) { return std::set<Place>{}; }},
    {"DuplicateObstruction",
     [](KnownSurvey& s) { s.obstructions.push_back(copyObstruction(s, 2)); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 3, 3, Severity::Warning)}; }},
    {"SamePlaceOtherHeightIsNoDuplicate",
     [](KnownSurvey& s) {
       const int copy = copyObstruction(s, 2);
       s.store.obstructions().setCell(copy, 9, "520.0");
       s.store.obstructions().setCell(copy, 10, testing::feet(520 + testing::kSeparation));
     },
     [](const KnownSurvey&) { return std::set<Place>{}; }},
    {"DeletedDuplicateIsIgnored",
     [](KnownSurvey& s) { s.store.obstructions().setCell(copyObstruction(s, 2), 24, "D"); },
     [](const KnownSurvey&) { return std::set<Place>{}; }},
    {"ObstructionOfAnUnknownRunway", [](KnownSurvey& s) { setObstruction(s, 2, 1, "04"); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 2, 1, Severity::Warning)}; }},
    {"SurfaceOfAnotherSurveyType",
     [](KnownSurvey& s) { setObstruction(s, 0, 21, kAreaNavPrecisionSurface); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 0, 21, Severity::Error)}; }},
    {"MissingTopElevation", [](KnownSurvey& s) { setObstruction(s, 1, 9, ""); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 1, 9, Severity::Error)}; }},
    {"MissingRunwayEndLatitude", [](KnownSurvey& s) { setRunway(s, 32, " "); },
     [](const KnownSurvey& s) {
       return std::set{Place{TableKind::Runway, s.runway, 32, Severity::Error}};
     }},
    {"MissingVerticalDatum", [](KnownSurvey& s) { s.store.airports().setCell(s.airport, 22, ""); },
     [](const KnownSurvey& s) {
       return std::set{Place{TableKind::Airport, s.airport, 22, Severity::Error}};
     }},
    {"ElevationLocationTooLongForTheFile",
     [](KnownSurvey& s) { s.store.airports().setCell(s.airport, 15, "12 + 1500"); },
     [](const KnownSurvey& s) {
       return std::set{Place{TableKind::Airport, s.airport, 15, Severity::Error}};
     }},
    {"ObjectTooLongForTheFile",
     [](KnownSurvey& s) { setObstruction(s, 2, 2, std::string(40, 'W')); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 2, 2, Severity::Error)}; }},
    {"DateInTheFuture", [](KnownSurvey& s) { setObstruction(s, 0, 23, "12/07/2026"); },
     [](const KnownSurvey& s) { return std::set{obstruction(s, 0, 23, Severity::Error)}; }},
    {"DateNotOnTheCalendar", [](KnownSurvey& s) { setRunway(s, 1, "02/29/2026"); },
     [](const KnownSurvey& s) {
       return std::set{Place{TableKind::Runway, s.runway, 1, Severity::Error}};
     }},
    {"DateMoreThanFiveYearsOld",
     [](KnownSurvey& s) { s.store.navaids().setCell(s.navaid, 18, "11/01/2021"); },
     [](const KnownSurvey& s) {
       return std::set{Place{TableKind::Navaid, s.navaid, 18, Severity::Warning}};
     }},
};
INSTANTIATE_TEST_SUITE_P(Survey, OneDefect, ::testing::ValuesIn(kSurveyDefects),
                         [](const auto& info) { return info.param.name; });

TEST(SurveyReview, AShortenedValueNamesWhatTheFileWouldHold) {
  KnownSurvey survey;
  survey.store.airports().setCell(survey.airport, 15, "12 + 1500");
  const auto findings = survey.review();
  ASSERT_EQ(findings.size(), 1u) << describe(findings);
  EXPECT_EQ(findings[0].computed, "12 + 150");
  EXPECT_EQ(findings[0].fieldLabel, "Airport Elevation Location");
  EXPECT_NE(findings[0].message.find("\"12 + 1500\""), std::string::npos);
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
