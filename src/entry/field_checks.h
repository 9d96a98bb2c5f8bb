// The checks run on every change of an entry box: a refused text is reported
// and the box emptied, so a bad value never stays on the screen.
#pragma once

#include <functional>
#include <string_view>

#include "shell/controls.h"
#include "shell/dialogs.h"
#include "store/schema/field_views.h"
#include "survey/field_rules.h"

namespace survey {

void checkDms(Dialogs& dialogs, DmsKind kind, TextBox& box);
void checkNumber(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals);
// Reports a date that is not "mm/dd/yyyy"; never empties the box.
void checkSurveyDate(Dialogs& dialogs, TextBox& box);
// Refuses four letters starting with "K", the form of an ICAO code.
void checkIcaoCode(Dialogs& dialogs, TextBox& box);

// Runs the check on every change of the box's text.
void attachDmsCheck(Dialogs& dialogs, TextBox& box, DmsKind kind);
void attachNumberCheck(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals);
// A seconds box: the degrees-minutes-seconds check, then the number check.
void attachSecondsCheck(Dialogs& dialogs, TextBox& box, int maxLength, int maxDecimals);
void attachIcaoCheck(Dialogs& dialogs, TextBox& box);
// The degrees, minutes and seconds boxes of a position (boxOf gives a field's box).
void attachPositionChecks(Dialogs& dialogs, const std::function<TextBox&(int)>& boxOf,
                          const PositionFields& position, int secondsLength, int secondsDecimals);

}  // namespace survey
