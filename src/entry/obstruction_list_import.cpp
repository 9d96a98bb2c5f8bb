#include "entry/obstruction_list_import.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/field_checks.h"
#include "entry/obstruction_screen.h"
#include "store/file_io.h"
#include "store/number_text.h"
#include "store/text_encoding.h"
#include "store/text_forms.h"
#include "store/text_trim.h"
#include "survey/obstruction_surfaces.h"

namespace survey {

namespace {

// What every imported obstruction is given besides its own line.
constexpr const char* kListRunway = "17";
constexpr const char* kListSurveyDate = "08/23/2005";

std::vector<std::string_view> splitItems(std::string_view line) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    items.push_back(trimWhitespace(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

// Characters from a 0-based position; fewer, or none, past the end of the text.
std::string cut(std::string_view text, std::size_t from, std::size_t length) {
  if (from >= text.size()) return {};
  return std::string(text.substr(from, length));
}

// Tree, building and pole are the only objects the list distinguishes.
std::string listObject(std::string_view object) {
  if (object.find("TR") != std::string_view::npos) return "TREE";
  if (object.find("BLDG") != std::string_view::npos) return "BLDG";
  if (object.find("POLE") != std::string_view::npos) return "POLE";
  return std::string(object);
}

// Whole feet, halves rounded away from zero; nothing when not a number.
std::optional<long> wholeFeet(std::string_view text) {
  if (!isNumeric(text)) return std::nullopt;
  const std::optional<double> value = decimalValue(text);
  if (!value || std::fabs(*value) > 1e9) return std::nullopt;
  return std::lround(*value);
}

// The obstruction of one line, or nothing when the line cannot give one.
std::optional<FieldValues> obstructionOf(std::string_view line) {
  const auto items = splitItems(line);
  if (items.size() < 4) return std::nullopt;
  const auto elevation = wholeFeet(items[3]);
  if (!elevation) return std::nullopt;
  const std::string_view latitude = items[1];
  const std::string_view longitude = items[2];
  using namespace obstruction;
  return FieldValues{{RwyId, kListRunway},
                     {Object, listObject(items[0])},
                     {LatitudeDegrees, cut(latitude, 0, 2)},
                     {LatitudeMinutes, cut(latitude, 2, 2)},
                     {LatitudeSeconds, std::string(trimWhitespace(cut(latitude, 4, 5)))},
                     {LongitudeDegrees, cut(longitude, 0, 3)},
                     {LongitudeMinutes, cut(longitude, 3, 2)},
                     {LongitudeSeconds, std::string(trimWhitespace(cut(longitude, 5, 5)))},
                     {TopElevationOrthometric, std::to_string(*elevation)},
                     {Surface, kAreaNavPrecisionSurface},
                     {SurveyDate, kListSurveyDate}};
}

}  // namespace

void importObstructionList(Program& program) {
  if (program.refuseWhenReadOnly()) return;
  const std::string key = program.current().surveyKey;
  if (key.empty()) {
    program.tell("You must first select an airport.");
    return;
  }
  const auto path = program.platform.programDirectory() / kObstructionListFile;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    program.tell("The obstruction list " + path.string() +
                 " was not found. No obstructions were imported.");
    return;
  }

  ReadResult file;
  {
    BusyPointer busy(program.platform);
    file = readWholeFile(path);
  }
  if (!file.ok) {
    program.tell("The obstruction list " + path.string() + " could not be read (" + file.error +
                 "). No obstructions were imported.");
    return;
  }

  int imported = 0;
  int skipped = 0;
  int lineNumber = 0;
  std::string refusal;
  {
    BusyPointer busy(program.platform);
    const std::string text =
        isValidUtf8(file.bytes) ? std::move(file.bytes) : windows1252ToUtf8(file.bytes);
    for (std::string_view line : splitLines(text)) {
      ++lineNumber;
      const auto values = obstructionOf(line);
      if (!values) {
        ++skipped;
        continue;
      }
      const AppendResult added = program.store.appendChild(TableKind::Obstruction, *values);
      if (!added) {
        refusal = added.error + "\nLine " + std::to_string(lineNumber) +
                  " and the lines after it were not imported.";
        break;
      }
      ++imported;
    }
  }

  showAddedObstructions(program);
  std::string report = plural(imported, "obstruction was", "obstructions were") +
                       " imported from " + path.string() + ".";
  if (skipped > 0) {
    report += "\n" + plural(skipped, "line was", "lines were") +
              " skipped: each line needs an object, a latitude, a longitude and a numeric "
              "elevation, separated by commas.";
  }
  if (!refusal.empty()) report = refusal + "\n" + report;
  program.tell(report);
}

}  // namespace survey
