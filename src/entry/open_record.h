// Opens the screen of one record of the current survey, as the survey list's
// "Edit" and then the airport screen's "Edit" would (used by the survey map).
#pragma once

#include "store/table.h"

namespace survey {

class Program;

// The survey of the current survey key is opened for editing first; then, for a runway,
// navaid or obstruction row, that record's screen. Returns false when the record is not
// one of the current survey's (deleted, or another survey's): nothing is opened then.
bool openRecordScreen(Program& program, TableKind table, int row);

}  // namespace survey
