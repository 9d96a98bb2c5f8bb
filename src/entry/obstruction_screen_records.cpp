// What the obstruction screen stores and loads, and how it returns to the hub.
#include <string>

#include "entry/airport_screen.h"
#include "entry/obstruction_screen.h"
#include "shell/navigation.h"
#include "shell/program.h"
#include "shell/screen_names.h"
#include "store/schema/airport_fields.h"
#include "store/survey_status.h"

namespace survey {

namespace {

// The fields the screen loads end with the deletion mark; those without a box (the
// unlabeled ones, the survey link, the deletion mark) are passed over.
constexpr int kLastScreenField = obstruction::kDeletionField;

void returnToAirport(Program& program) {
  prepareScreen(program, screen::kAirport, Preparation::Tab);
  showScreen(program, screen::kAirport);
}

}  // namespace

ListBox* ObstructionScreen::listOfField(int field) const {
  switch (field) {
    case obstruction::AccuracyHorizontal:
      return horizontal_;
    case obstruction::AccuracyVertical:
      return vertical_;
    case obstruction::Surface:
      return surfaces_;
    default:
      return nullptr;
  }
}

FieldValues ObstructionScreen::screenFields() const {
  FieldValues values;
  for (int field = 1; field <= obstruction::kWrittenFields; ++field) {
    if (const ListBox* list = listOfField(field)) {
      values.emplace_back(field, list->chosenText());
    } else if (const auto* box = dynamic_cast<const TextBox*>(find(boxName(field)))) {
      values.emplace_back(field, box->text());
    }
  }
  return values;
}

bool ObstructionScreen::storeRecord(RecordMode mode) {
  Program& program = this->program();
  if (program.refuseWhenReadOnly()) return false;
  SurveyStore& store = program.store;
  const CurrentSurvey& current = program.current();
  if (mode == RecordMode::Edit) {
    const int row = current.obstructionRow;
    if (row < 1 || row > store.obstructions().count()) {
      program.tell(
          "The obstruction being edited is no longer in the table, so nothing was saved. "
          "Choose it again in the list of obstructions on the airport screen.");
      return false;
    }
    store.updateRow(TableKind::Obstruction, row, screenFields());
    return true;
  }
  if (program.refuseWithoutSurvey()) return false;
  const AppendResult added = store.appendChild(TableKind::Obstruction, screenFields());
  if (!added) {
    program.tell(added.error);
    return false;
  }
  return true;
}

void ObstructionScreen::save() {
  Program& program = this->program();
  const RecordMode mode = program.current().obstructionMode;
  // A refused save keeps everything typed on the screen.
  if (!storeRecord(mode)) return;
  if (mode == RecordMode::Edit) {
    submit_->setEnabled(false);
    cancel_->setEnabled(false);
  }
  program.tell(mode == RecordMode::Add ? "Obstruction Information Successfully Added"
                                       : "Obstruction Information Successfully Changed");
  // This screen is discarded from here on: only the program is used.
  returnToAirport(program);
  refreshObstructionGrid(program);
}

void ObstructionScreen::cancel() {
  returnToAirport(program());
}

void ObstructionScreen::loadRecord() {
  Program& program = this->program();
  const SurveyStore& store = program.store;
  const bool locked = isSurveyLocked(store, program.current().surveyKey);
  submit_->setEnabled(!locked);

  // The surfaces are built again without the row's own listing.
  airportSurfaces_.reset();
  const Table& obstructions = store.obstructions();
  const int row = program.current().obstructionRow;
  if (row < 1 || row > obstructions.count()) return;
  for (int field = 1; field <= kLastScreenField; ++field) {
    // A copy: filling a box runs its check, which may report and empty it.
    std::string value = obstructions.cell(row, field);
    if (ListBox* list = listOfField(field)) {
      for (int index = 0; index < list->count(); ++index) {
        if (list->item(index) == value) {
          list->choose(index);
          break;
        }
      }
    } else if (auto* box = dynamic_cast<TextBox*>(find(boxName(field)))) {
      box->setText(std::move(value));
    }
  }
}

}  // namespace survey
