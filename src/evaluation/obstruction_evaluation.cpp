#include "evaluation/obstruction_evaluation.h"

#include "store/number_text.h"
#include "store/schema/hemispheres.h"
#include "store/schema/obstruction_fields.h"
#include "store/text_forms.h"
#include "store/text_trim.h"
#include "survey/obstruction_surfaces.h"

namespace survey::evaluation {

ObstructionQuery queryOf(Placement placement, std::string_view topElevation,
                         std::string_view runwayEnd, std::string surfaceCode) {
  ObstructionQuery query;
  query.at = placement.at;
  query.positionProblem = std::move(placement.problem);
  query.topElevation = decimalValue(topElevation);
  query.runwayEnd = std::string(trimSpaces(runwayEnd));
  query.surfaceCode = std::move(surfaceCode);
  return query;
}

ObstructionQuery queryOfRow(const Table& obstructions, int row, const Hemispheres& hemispheres) {
  return queryOf(placeRowPosition(obstructions, row, obstruction::kPosition, hemispheres),
                 obstructions.cell(row, obstruction::TopElevationOrthometric),
                 obstructions.cell(row, obstruction::RwyId),
                 surfaceCodeOf(obstructions.cell(row, obstruction::Surface)));
}

std::vector<ObstructionEvaluation> evaluateObstructions(const SurveyStore& store,
                                                        std::string_view key,
                                                        const AirportSurfaces& surfaces) {
  std::vector<ObstructionEvaluation> evaluations;
  const int airportRow = store.findSurveyRow(key);
  if (airportRow == 0) return evaluations;
  const Hemispheres hemispheres = hemispheresOf(store.airports(), airportRow);
  const Table& obstructions = store.obstructions();
  for (int row : store.childRows(TableKind::Obstruction, key)) {
    const ObstructionQuery query = queryOfRow(obstructions, row, hemispheres);
    ObstructionEvaluation evaluation;
    evaluation.row = row;
    // Rows stored before records were numbered hold none: their row number stands in.
    evaluation.record = std::string(trimSpaces(obstructions.cell(row, obstruction::RecordNumber)));
    if (evaluation.record.empty()) evaluation.record = std::to_string(row);
    evaluation.object = std::string(trimSpaces(obstructions.cell(row, obstruction::Object)));
    evaluation.runwayEnd = query.runwayEnd;
    evaluation.code = query.surfaceCode;
    evaluation.topElevation = query.topElevation;
    evaluation.verdict = surfaces.judge(query);
    evaluations.push_back(std::move(evaluation));
  }
  return evaluations;
}

std::vector<ObstructionEvaluation> evaluateObstructions(const SurveyStore& store,
                                                        std::string_view key) {
  return evaluateObstructions(store, key, AirportSurfaces::ofSurvey(store, key));
}

std::string tenthText(std::optional<double> feet) {
  return feet ? fixedText(*feet, 1) : std::string();
}

const EvaluationTexts& evaluationHeadings() {
  static const EvaluationTexts headings = {"record",        "object",     "runway end",
                                           "code",          "surface",    "surface elevation",
                                           "top elevation", "penetration"};
  return headings;
}

EvaluationTexts evaluationTexts(const ObstructionEvaluation& e) {
  const Verdict& verdict = e.verdict;
  return {e.record,
          e.object,
          e.runwayEnd,
          e.code,
          std::string(surfaceKindName(verdict.surface)),
          tenthText(verdict.surfaceElevation),
          tenthText(e.topElevation),
          tenthText(verdict.penetration)};
}

std::string evaluationTable(const std::vector<ObstructionEvaluation>& evaluations) {
  std::string table;
  const auto addLine = [&table](const EvaluationTexts& texts) {
    for (std::size_t column = 0; column < texts.size(); ++column) {
      if (column > 0) table += '\t';
      table += cellText(texts[column]);
    }
    table += '\n';
  };
  addLine(evaluationHeadings());
  for (const auto& e : evaluations) addLine(evaluationTexts(e));
  return table;
}

std::string evaluationSummary(const std::vector<ObstructionEvaluation>& evaluations) {
  int penetrate = 0, clear = 0, outside = 0, notEvaluated = 0;
  for (const auto& e : evaluations) {
    if (e.verdict.surface == SurfaceKind::Outside) {
      ++outside;
    } else if (e.verdict.surface == SurfaceKind::NotEvaluated) {
      ++notEvaluated;
    } else if (e.verdict.penetrates()) {
      ++penetrate;
    } else {
      ++clear;
    }
  }
  return plural(static_cast<int>(evaluations.size()), "obstruction", "obstructions") + ": " +
         plural(penetrate, "penetrates", "penetrate") + ", " + std::to_string(clear) + " clear, " +
         std::to_string(outside) + " outside the surfaces listed, " + std::to_string(notEvaluated) +
         " not evaluated";
}

}  // namespace survey::evaluation
