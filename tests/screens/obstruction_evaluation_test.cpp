// The obstruction screen's line judging the values typed against the airport's surfaces.
// Runway 05/23 as in the surfaces' reference: 8,000 ft at 50 deg true, paved, end 05 at
// 1,000 ft and end 23 at 1,020 ft, airport elevation 1,020 ft (horizontal surface at
// 1,170 ft). Points are (x, y) in feet in the plane of end 05: x out along the extended
// centre line, y across it.
#include <cmath>

#include "record_fixture.h"
#include "review/review_fixture.h"

namespace survey::testing {
namespace {

using review::testing::Point;

constexpr double kDegree = 180 / 3.14159265358979323846;
constexpr const char* kLine = "LabelEvaluation";

class ObstructionEvaluationTest : public ObstructionTest {
 protected:
  ObstructionEvaluationTest() {
    program.current().surveyType = "SPECIAL";
    addSurvey();
    end05_ = {47.4497222, -122.3116667};
    const Point end23 = review::testing::travel(end05_, 50, 8000 * kFoot);
    Table& airports = program.store.airports();
    const int airport = program.store.findSurveyRow("ABC");
    for (const auto& [field, text] : fieldsOf("13=1020.0, 39=True, 40=False"))
      airports.setCell(airport, field, text);
    const int runway = addChild(
        TableKind::Runway, fieldsOf("2=05, 7=P - Paved Hard Surface, 14=1000.0, 27=23, 36=1020.0"));
    review::testing::setPosition(program.store.runways(), runway, 8, 11, end05_, 4);
    review::testing::setPosition(program.store.runways(), runway, 30, 33, end23, 4);
  }

  Point at(double x, double y) const {
    return review::testing::travel(end05_, 230 - std::atan2(y, x) * kDegree,
                                   std::hypot(x, y) * kFoot);
  }
  // Everything the line needs; an empty text leaves its box (or the list) alone.
  void typeObstruction(const std::string& end, const std::string& code, Point where,
                       const std::string& top) {
    if (!end.empty()) type(kScreen, "Text1O", end);
    const auto latitude = review::testing::dms(where.latitude, 2);
    const auto longitude = review::testing::dms(where.longitude, 2);
    for (std::size_t k = 0; k < 3; ++k) {
      type(kScreen, "Text" + std::to_string(3 + k) + "O", latitude[k]);
      type(kScreen, "Text" + std::to_string(6 + k) + "O", longitude[k]);
    }
    if (!top.empty()) type(kScreen, "Text9O", top);
    if (!code.empty()) chooseCode(code);
  }
  void chooseCode(const std::string& code) {
    for (const auto& item : obstructionSurfacesFor("SPECIAL")) {
      if (surfaceCodeOf(item) == code) choose("ListObsSurface", item);
    }
  }
  std::string line() { return control<Label>(kScreen, kLine).caption(); }

  static constexpr double kFoot = 0.3048;
  Point end05_{};
};

TEST_F(ObstructionEvaluationTest, TheLineJudgesWhatIsTyped) {
  const struct {
    const char *end, *code;
    double x, y;
    const char *top, *line;
  } cases[] = {
      // Only as wide as BV makes the primary surface, which the typed listing sets.
      {"05", "BV", 2200, 440, "1110",
       "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: penetrates by 10.0 ft"},
      {"05", "BV", -4000, 100, "1005", "Primary surface of 05/23 at 1,010.0 ft: clears by 5.0 ft"},
      {"05", "BV", 2200, 700, "1005",
       "Lies outside the surfaces listed: not under the approach or primary surface of 05 (BV)"},
      // The horizontal and conical surfaces need no runway end.
      {"", "HCT", -4000, 3000, "1180", "Horizontal surface at 1,170.0 ft: penetrates by 10.0 ft"},
      {"05", "NUL", 2200, 0, "1110", "Not evaluated: NUL names no FAR 77 surface"},
      {"17", "BV", 2200, 0, "1110", "Not evaluated: runway end 17 is not in the survey"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + c.end + " at " + std::to_string(c.y));
    program.screens.discard(kScreen);
    openNew();
    typeObstruction(c.end, c.code, at(c.x, c.y), c.top);
    EXPECT_EQ(line(), c.line);
  }
  EXPECT_EQ(program.store.obstructions().count(), 0) << "the line stores nothing";
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last();
}

TEST_F(ObstructionEvaluationTest, TheLineWaitsForEachValueAndFollowsTheTopAsItIsTyped) {
  openNew();
  typeObstruction("", "BV", at(2200, 0), "");
  EXPECT_EQ(line(), "") << "no runway end, no top elevation";
  typeKeys(kScreen, "Text9O", "1");
  EXPECT_EQ(line(), "") << "no runway end";
  type(kScreen, "Text1O", "05");
  EXPECT_EQ(line(), "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: clears by 1,099.0 ft");
  typeKeys(kScreen, "Text9O", "11");
  EXPECT_EQ(line(), "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: clears by 989.0 ft");
  typeKeys(kScreen, "Text9O", "0");
  EXPECT_EQ(line(), "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: penetrates by 10.0 ft");
  type(kScreen, "Text5O", "");
  EXPECT_EQ(line(), "") << "a second missing";
}

TEST_F(ObstructionEvaluationTest, AnEditedObstructionIsJudgedWithoutItsStoredListing) {
  // Stored as the only PIR obstruction of end 05, which makes the primary surface 1,000 ft
  // wide; typed as BV, the end's class is BV's and the point lies beside the approach.
  const int row = addObstruction("ABC", fieldsOf("1=05, 2=POLE, 9=1110"));
  for (const auto& item : obstructionSurfacesFor("SPECIAL")) {
    if (surfaceCodeOf(item) == "PIR") program.store.obstructions().setCell(row, 21, item);
  }
  review::testing::setPosition(program.store.obstructions(), row, 3, 6, at(2200, 550), 2);
  openEdit(row);
  EXPECT_EQ(line(), "Approach surface of 05 (PIR, 50:1) at 1,040.0 ft: penetrates by 70.0 ft");
  chooseCode("BV");
  EXPECT_EQ(
      line(),
      "Lies outside the surfaces listed: not under the approach or primary surface of 05 (BV)");
  EXPECT_EQ(surfaceCodeOf(program.store.obstructions().cell(row, 21)), "PIR");
}

TEST_F(ObstructionEvaluationTest, TheLineStandsUnderTheNotesOnTheWholeWidth) {
  const Screen& screen = openNew();
  const Control::Bounds& line = screen.get<Label>(kLine).bounds();
  const Control::Bounds& note = screen.get<Label>("LabelNote2").bounds();
  const Control::Bounds& status = screen.get<StatusBar>("StatusBar1").bounds();
  EXPECT_GE(line.top, note.top + note.height);
  EXPECT_LE(line.top + line.height, status.top);
  EXPECT_GE(line.width, screen.get<Frame>("Frame1").bounds().width);
}

}  // namespace
}  // namespace survey::testing
