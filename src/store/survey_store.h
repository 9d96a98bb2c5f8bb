// The four survey tables and the operations through which they change.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/current_survey.h"
#include "store/table.h"

namespace survey {

// Field number and text, as read from a screen's controls.
using FieldValues = std::vector<std::pair<int, std::string>>;

struct AppendResult {
  int row = 0;        // the new row, 0 when refused
  std::string error;  // why it was refused
  explicit operator bool() const { return row > 0; }
};

// A row number written as a number cell: sign position, digits, trailing blank.
std::string numberCell(long value);
// "True"/"False", the form a boolean cell takes.
std::string booleanCell(bool value);

// Told of every change made through the store's operations, and by code that
// writes cells directly (through noteRowChanged).
class StoreObserver {
 public:
  virtual ~StoreObserver() = default;
  virtual void rowChanged(TableKind kind, int row) = 0;
  // Around a survey's removal, which moves the rows after it.
  virtual void surveyDeleting(std::string_view key) = 0;
  virtual void surveyDeleted() = 0;
};

class SurveyStore {
 public:
  SurveyStore();

  Table& table(TableKind kind) { return tables_[static_cast<std::size_t>(kind)]; }
  const Table& table(TableKind kind) const { return tables_[static_cast<std::size_t>(kind)]; }
  Table& airports() { return table(TableKind::Airport); }
  Table& runways() { return table(TableKind::Runway); }
  Table& navaids() { return table(TableKind::Navaid); }
  Table& obstructions() { return table(TableKind::Obstruction); }
  const Table& airports() const { return table(TableKind::Airport); }
  const Table& runways() const { return table(TableKind::Runway); }
  const Table& navaids() const { return table(TableKind::Navaid); }
  const Table& obstructions() const { return table(TableKind::Obstruction); }

  CurrentSurvey current;

  // Highest row 1..count whose identifier equals the key; 0 when none.
  int findSurveyRow(std::string_view key) const;
  // Adds a survey with status "NEW" and the current survey type, and makes it current.
  AppendResult appendAirport(const FieldValues& values);
  // Adds a runway, navaid or obstruction row linked to the current survey key;
  // a navaid or obstruction gets its row number as its record number.
  AppendResult appendChild(TableKind kind, const FieldValues& values);
  // Adds a whole row as it is (its survey link included), numbered as appendChild
  // numbers; nothing when the table is full.
  std::optional<int> appendWholeRow(TableKind kind, std::vector<std::string> cells);
  void updateRow(TableKind kind, int row, const FieldValues& values);
  // Rows 1..count linked to the key and not marked deleted, ascending.
  std::vector<int> childRows(TableKind kind, std::string_view key) const;
  void markDeleted(TableKind kind, int row);
  // Whether a survey other than the one in `row` has this identifier.
  bool identifierTaken(std::string_view identifier, int row) const;
  // Moves the runways, navaids and obstructions of the survey `oldKey`, deleted
  // ones too, to its new identifier, so that they never come apart, and makes
  // `newKey` the current survey. The airport row itself is the caller's.
  void renameSurvey(std::string_view oldKey, const std::string& newKey);
  // Removes the survey's rows from all four tables by compaction.
  void deleteSurvey(std::string_view key);

  // Empties every table (used before a load and by tests).
  void clear();

  void setObserver(StoreObserver* observer) { observer_ = observer; }
  // For code that sets cells of an existing row itself; appended rows are seen anyway.
  void noteRowChanged(TableKind kind, int row) {
    if (observer_ != nullptr) observer_->rowChanged(kind, row);
  }

 private:
  std::vector<Table> tables_;
  StoreObserver* observer_ = nullptr;
};

// "The airport table is full (1000 surveys). ..." and its kin.
std::string tableFullMessage(TableKind kind);

}  // namespace survey
