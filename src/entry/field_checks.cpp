#include "entry/field_checks.h"

#include <string>

namespace survey {

namespace {

void refuse(Dialogs& dialogs, TextBox& box, std::string text) {
  dialogs.show(notice(std::move(text), ""));
  box.setText("");
}

}  // namespace

void checkDms(Dialogs& dialogs, DmsKind kind, TextBox& box) {
  std::string problem = dmsProblem(kind, box.text());
  if (!problem.empty()) refuse(dialogs, box, std::move(problem));
}

void checkNumber(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals) {
  // A refusal empties the box, so only the first broken rule is ever told.
  std::string problem = numberProblem(box.text(), maxLength, maxDecimals);
  if (!problem.empty()) refuse(dialogs, box, std::move(problem));
}

void checkSurveyDate(Dialogs& dialogs, TextBox& box) {
  const std::string problem = surveyDateProblem(box.text());
  if (!problem.empty()) dialogs.show(notice(problem));
}

void checkIcaoCode(Dialogs& dialogs, TextBox& box) {
  std::string problem = icaoCodeProblem(box.text());
  if (!problem.empty()) refuse(dialogs, box, std::move(problem));
}

void attachDmsCheck(Dialogs& dialogs, TextBox& box, DmsKind kind) {
  box.onChange = [&dialogs, &box, kind] { checkDms(dialogs, kind, box); };
}

void attachNumberCheck(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals) {
  box.onChange = [&dialogs, &box, maxLength, maxDecimals] {
    checkNumber(dialogs, box, maxLength, maxDecimals);
  };
}

void attachSecondsCheck(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals) {
  box.onChange = [&dialogs, &box, maxLength, maxDecimals] {
    checkDms(dialogs, DmsKind::Sec, box);
    checkNumber(dialogs, box, maxLength, maxDecimals);
  };
}

void attachIcaoCheck(Dialogs& dialogs, TextBox& box) {
  box.onChange = [&dialogs, &box] { checkIcaoCode(dialogs, box); };
}

void attachPositionChecks(Dialogs& dialogs, const std::function<TextBox&(int)>& boxOf,
                          const PositionFields& position, int secondsLength, int secondsDecimals) {
  attachDmsCheck(dialogs, boxOf(position.latitude.degrees), DmsKind::DegLat);
  attachDmsCheck(dialogs, boxOf(position.longitude.degrees), DmsKind::Deg);
  for (const CoordinateFields& coordinate : {position.latitude, position.longitude}) {
    attachDmsCheck(dialogs, boxOf(coordinate.minutes), DmsKind::Min);
    attachSecondsCheck(dialogs, boxOf(coordinate.seconds), secondsLength, secondsDecimals);
  }
}

}  // namespace survey
