// A small survey south of the equator and east of Greenwich, entered as the screens enter it.
#pragma once

#include "store/survey_store.h"
#include "support/survey_rows.h"

namespace survey::testing {

inline constexpr double kArpLatitude = -(33 + 56 / 60.0 + 46.0 / 3600);
inline constexpr double kArpLongitude = 151 + 10 / 60.0 + 38.0 / 3600;

inline void addSouthernSurvey(SurveyStore& store) {
  store.current.surveyType = "AOC";
  for (const SurveyRow& row : surveyRows("map/southern_survey.rows")) {
    if (row.kind == TableKind::Airport) {
      store.appendAirport(row.fields);
    } else {
      store.appendChild(row.kind, row.fields);
    }
  }
}

}  // namespace survey::testing
