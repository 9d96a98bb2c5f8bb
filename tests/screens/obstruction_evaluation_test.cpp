// The obstruction screen's line judging the values typed. Runway 05/23 as in the surfaces'
// reference: 8,000 ft at 50 deg true, paved, ends at 1,000 and 1,020 ft, airport at 1,020 ft
// (horizontal surface 1,170 ft); (x, y) are feet out along and across end 05's centre line.
#include <cmath>

#include "record_fixture.h"
#include "review/review_fixture.h"

namespace survey::testing {
namespace {

namespace known = review::testing;

class ObstructionEvaluationTest : public ObstructionTest {
 protected:
  ObstructionEvaluationTest() {
    program.current().surveyType = "SPECIAL";
    addSurvey();
    const int airport = program.store.findSurveyRow("ABC");
    for (const auto& [field, text] : fieldsOf("13=1020.0, 39=True, 40=False"))
      program.store.airports().setCell(airport, field, text);
    const int runway = addChild(
        TableKind::Runway, fieldsOf("2=05, 7=P - Paved Hard Surface, 14=1000.0, 27=23, 36=1020.0"));
    known::setPosition(program.store.runways(), runway, 8, 11, kEnd05, 4);
    known::setPosition(program.store.runways(), runway, 30, 33,
                       known::travel(kEnd05, 50, 8000 * known::kFoot), 4);
  }
  static known::Point at(double x, double y) {
    return known::travel(kEnd05, 230 - std::atan2(y, x) * 180 / 3.14159265358979323846,
                         std::hypot(x, y) * known::kFoot);
  }
  // Boxes 3 to 8 and 9, then the runway end and the surface; an empty text is left out.
  void typeObstruction(const char* end, const char* code, known::Point where, const char* top) {
    auto texts = known::dms(where.latitude, 2), longitude = known::dms(where.longitude, 2);
    texts.insert(texts.end(), longitude.begin(), longitude.end());
    texts.push_back(top);
    for (std::size_t k = 0; k < texts.size(); ++k) {
      if (!texts[k].empty()) type(kScreen, "Text" + std::to_string(k + 3) + "O", texts[k]);
    }
    if (*end) type(kScreen, "Text1O", end);
    chooseCode(code);
  }
  void chooseCode(const std::string& code) {
    for (const auto& item : obstructionSurfacesFor("SPECIAL")) {
      if (surfaceCodeOf(item) == code) choose("ListObsSurface", item);
    }
  }
  std::string line() { return control<Label>(kScreen, "LabelEvaluation").caption(); }

  static constexpr known::Point kEnd05{47.4497222, -122.3116667};
};

TEST_F(ObstructionEvaluationTest, TheLineJudgesWhatIsTyped) {
  const struct {
    const char *end, *code;
    double x, y;
    const char *top, *line;
  } cases[] = {
      // Inside only as wide as BV makes the primary surface: the typed listing sets it.
      {"05", "BV", 2200, 440, "1110",
       "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: penetrates by 10.0 ft"},
      {"05", "BV", -4000, 100, "1005", "Primary surface of 05/23 at 1,010.0 ft: clears by 5.0 ft"},
      {"", "HCT", -4000, 3000, "1180", "Horizontal surface at 1,170.0 ft: penetrates by 10.0 ft"},
      {"05", "NUL", 2200, 0, "1110", "Not evaluated: NUL names no FAR 77 surface"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    program.screens.discard(kScreen);
    openNew();
    typeObstruction(c.end, c.code, at(c.x, c.y), c.top);
    EXPECT_EQ(line(), c.line);
  }
  EXPECT_EQ(program.store.obstructions().count(), 0) << "the line stores nothing";
}

TEST_F(ObstructionEvaluationTest, TheLineWaitsForEachValueAndFollowsTheTopAsItIsTyped) {
  openNew();
  typeObstruction("05", "BV", at(2200, 0), "");
  EXPECT_EQ(line(), "") << "no top elevation";
  const std::string surface = "Approach surface of 05 (BV, 20:1) at 1,100.0 ft: ";
  typeKeys(kScreen, "Text9O", "1");
  EXPECT_EQ(line(), surface + "clears by 1,099.0 ft");
  typeKeys(kScreen, "Text9O", "110");
  EXPECT_EQ(line(), surface + "penetrates by 10.0 ft");
  for (const char* box : {"Text1O", "Text5O"}) {
    const std::string typed = control<TextBox>(kScreen, box).text();
    type(kScreen, box, "");
    EXPECT_EQ(line(), "") << box;
    type(kScreen, box, typed);
  }
}

TEST_F(ObstructionEvaluationTest, AnEditedObstructionIsJudgedWithoutItsStoredListing) {
  // Stored as end 05's only PIR, which makes the primary surface 1,000 ft wide; as BV,
  // 500 ft, and the point lies beside the approach.
  const std::string pir = obstructionSurfacesFor("SPECIAL")[7];
  const int row = addObstruction("ABC", {{1, "05"}, {9, "1110"}, {21, pir}});
  known::setPosition(program.store.obstructions(), row, 3, 6, at(2200, 550), 2);
  openEdit(row);
  EXPECT_EQ(line(), "Approach surface of 05 (PIR, 50:1) at 1,040.0 ft: penetrates by 70.0 ft");
  chooseCode("BV");
  EXPECT_EQ(
      line(),
      "Lies outside the surfaces listed: not under the approach or primary surface of 05 (BV)");
}

}  // namespace
}  // namespace survey::testing
