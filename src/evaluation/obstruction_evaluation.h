// Every live obstruction of a survey judged against the airport's surfaces, and the
// table `survey-tool evaluate` prints.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/airport_surfaces.h"
#include "store/survey_store.h"

namespace survey::evaluation {

struct ObstructionEvaluation {
  int row = 0;            // of the obstruction table
  std::string record;     // the record number it was given
  std::string object;     // "TREE"
  std::string runwayEnd;  // as typed
  std::string code;       // "BV"
  std::optional<double> topElevation;
  Verdict verdict;
};

// The query one obstruction row makes, positions read with the survey's hemispheres.
ObstructionQuery queryOfRow(const Table& obstructions, int row, const Hemispheres& hemispheres);
// The same of values as typed: the placed position, the top elevation and runway end texts
// and the surface's code.
ObstructionQuery queryOf(Placement placement, std::string_view topElevation,
                         std::string_view runwayEnd, std::string surfaceCode);

// In the order of the rows.
std::vector<ObstructionEvaluation> evaluateObstructions(const SurveyStore& store,
                                                        std::string_view key,
                                                        const AirportSurfaces& surfaces);
std::vector<ObstructionEvaluation> evaluateObstructions(const SurveyStore& store,
                                                        std::string_view key);

// The columns an evaluation is told in: record, object, runway end, code, surface, surface
// elevation, top elevation, penetration.
inline constexpr std::size_t kEvaluationTextColumns = 8;
using EvaluationTexts = std::array<std::string, kEvaluationTextColumns>;
const EvaluationTexts& evaluationHeadings();
// One evaluation's cells as typed; feet with one decimal, empty for nothing.
EvaluationTexts evaluationTexts(const ObstructionEvaluation& evaluation);

// Tab-separated with a header line: the headings, then a line of cells per evaluation.
std::string evaluationTable(const std::vector<ObstructionEvaluation>& evaluations);

// "5 obstructions: 1 penetrate, 2 clear, 1 outside the surfaces listed, 1 not evaluated".
std::string evaluationSummary(const std::vector<ObstructionEvaluation>& evaluations);

// "1100.0"; empty for nothing.
std::string tenthText(std::optional<double> feet);

}  // namespace survey::evaluation
