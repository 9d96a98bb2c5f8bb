// "Import UDDF": reads one exchange file into a new survey.
//
// The file is read line by line into an ImportedSurvey first; the tables change only
// when it was read to its end and every table has room, and then in one step.
// A refused file leaves the tables and the current survey as they were.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "store/survey_store.h"
#include "uddf/import/exchange_lines.h"
#include "uddf/import/record_parsers.h"

namespace survey::uddf {

// The refusals the user sees (one OK button, the program's title).
inline constexpr std::string_view kWrongVersionMessage =
    "Sorry, the file must be UDDF Version 1.07";
// "An airport with Location Identifier " + identifier + " already exists."
std::string duplicateSurveyMessage(std::string_view identifier);
inline constexpr std::string_view kNoFileChosenMessage =
    "Choose a UDDF file in the file list before pressing OK.";
inline constexpr std::string_view kEmptyFileMessage =
    "The file is empty: it holds no UDDF lines. Nothing was imported.";
// The survey list already holds its 1000 surveys.
inline constexpr std::string_view kSurveyListFullMessage =
    "The survey list is full (1000 surveys). Delete a survey before importing another. Nothing "
    "was imported.";
// "The file could not be opened (" + path + ": " + reason + "). Nothing was imported."
std::string unreadableFileMessage(const std::filesystem::path& file, std::string_view reason);
// A child table has no room for all the rows of the file.
std::string tableOverflowMessage(TableKind kind, int room);

struct ImportResult {
  bool ok = false;
  std::string message;  // for the user when refused; empty on success
  int airportRow = 0;   // the new survey's row
  int runways = 0;      // rows added to each child table
  int navaids = 0;
  int obstructions = 0;
};

// Reads the text of an exchange file (its bytes as read) into a new survey of
// the store. On success the survey's identifier and name become the survey key
// and survey name of CurrentSurvey, and the Rwy ID of the last runway read the
// current runway end designator.
ImportResult importUddfText(SurveyStore& store, std::string_view bytes);

// The same, reading the file one line at a time.
ImportResult importUddfLines(SurveyStore& store, RawLines& lines);

// Opens and imports one file, line by line; what the import screen's "OK" runs.
ImportResult importUddfFile(SurveyStore& store, const std::filesystem::path& file);

// Reads the text into an ImportedSurvey without touching any table: what the
// import would add. `result.ok` false with the refusal's message otherwise.
ImportResult readUddfText(const SurveyStore& store, std::string_view bytes, ImportedSurvey& out);
ImportResult readUddfLines(const SurveyStore& store, RawLines& lines, ImportedSurvey& out);

}  // namespace survey::uddf
