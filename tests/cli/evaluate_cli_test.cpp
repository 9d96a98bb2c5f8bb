// survey-tool evaluate: the obstructions against the surfaces on stdout, status 0 when none
// penetrates, 1 when one does, 2 for bad arguments or an unknown survey.
#include <sstream>

#include "cli/tool_run.h"
#include "review/review_fixture.h"
#include "store/store_files.h"

namespace survey::testing {
namespace {

constexpr const char* kHeader =
    "record\tobject\trunway end\tcode\tsurface\tsurface elevation\ttop elevation\tpenetration";

class EvaluateCommand : public ToolTest {
 protected:
  void save(SurveyStore store) { ASSERT_TRUE(saveStore(store, dir()).ok()); }
  // Each line's record, code, surface and penetration.
  static std::vector<std::string> judged(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);) {
      std::vector<std::string> cells;
      std::istringstream row(line);
      for (std::string cell; std::getline(row, cell, '\t');) cells.push_back(cell);
      cells.resize(8);
      lines.push_back(cells[0] + " " + cells[3] + " " + cells[4] + " " + cells[7]);
    }
    return lines;
  }
};

TEST_F(EvaluateCommand, ClearingObstructionsExitZeroAndAPenetratingOneExitsOne) {
  review::testing::KnownSurvey survey;
  save(survey.store);
  ToolRun run = tool("evaluate " + quoted(dir()) + " KTST");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.out.substr(0, run.out.find('\n')), kHeader);
  const auto clear = judged(run.out);
  ASSERT_EQ(clear.size(), 4u) << run.out;
  EXPECT_TRUE(clear[1].starts_with("1 AV approach -")) << clear[1];
  EXPECT_EQ(clear[2], "2 HCT horizontal -69.0");
  EXPECT_TRUE(clear[3].starts_with("3 HCT conical -")) << clear[3];

  survey.store.obstructions().setCell(survey.obstructions[1], 9, "560.0");
  save(survey.store);
  run = tool("evaluate " + quoted(dir()) + " KTST");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(judged(run.out).at(2), "2 HCT horizontal 10.0");
}

TEST_F(EvaluateCommand, BadArgumentsAndUnknownSurveysAreRefusedOnStderr) {
  save(review::testing::KnownSurvey().store);
  expectAnswers("evaluate");
}

}  // namespace
}  // namespace survey::testing
