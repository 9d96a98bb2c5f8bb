// The review's findings reach the plan as marks on the records they name.
#include "map/review_marks.h"

#include <gtest/gtest.h>

#include "map/survey_sample.h"

namespace survey::map {
namespace {

using review::Finding;
using review::Severity;

TEST(ReviewMarks, EachRecordFindingMarksItsRecordWithItsSeverity) {
  const std::vector<Finding> findings = {
      {Severity::Error, TableKind::Runway, 1, 5, "Surveyed Length", "runway 16/34", "too long",
       "9000 ft"},
      {Severity::Warning, TableKind::Obstruction, 2, 0, "", "obstruction 2", "far away", ""},
      {Severity::Error, TableKind::Airport, 0, 0, "", "the survey", "no runway", ""}};
  const std::vector<MapMark> marks = marksOfFindings(findings);
  ASSERT_EQ(marks.size(), 2u);  // the survey-wide finding has no point to mark
  EXPECT_EQ(marks[0].table, TableKind::Runway);
  EXPECT_EQ(marks[0].row, 1);
  EXPECT_EQ(marks[0].severity, MarkSeverity::Error);
  EXPECT_EQ(marks[0].text, "Surveyed Length: too long");
  EXPECT_EQ(marks[1].table, TableKind::Obstruction);
  EXPECT_EQ(marks[1].row, 2);
  EXPECT_EQ(marks[1].severity, MarkSeverity::Warning);
  EXPECT_EQ(marks[1].text, "far away");
}

TEST(ReviewMarks, TheReviewOfASurveyMarksThePointsOfTheRecordsItFaults) {
  SurveyStore store;
  testing::addSouthernSurvey(store);
  store.runways().setCell(1, 5, "2000");  // the ends lie far more than 2,000 ft apart
  const auto findings = review::reviewSurvey(store, "SBB", {2026, 6, 1});
  const bool lengthFound = std::any_of(findings.begin(), findings.end(), [](const Finding& f) {
    return f.table == TableKind::Runway && f.row == 1 && f.field == 5;
  });
  ASSERT_TRUE(lengthFound);
  const SurveyFeatures features = collectSurveyFeatures(store, "SBB");
  const std::vector<MapMark> marks = marksOfFindings(findings);
  const PlanView plan = planSurvey(features, marks);
  for (std::size_t i = 0; i < features.points.size(); ++i) {
    if (features.points[i].table != TableKind::Runway) continue;
    const bool lengthMarked =
        std::any_of(plan.marksOf[i].begin(), plan.marksOf[i].end(), [&](int m) {
          return marks[static_cast<std::size_t>(m)].text.rfind("Surveyed Length", 0) == 0;
        });
    EXPECT_TRUE(lengthMarked) << features.points[i].label;
  }
}

}  // namespace
}  // namespace survey::map
