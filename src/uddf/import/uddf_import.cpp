#include "uddf/import/uddf_import.h"

#include "store/file_io.h"
#include "store/text_encoding.h"
#include "uddf/import/additional_info.h"
#include "uddf/import/section_walker.h"
#include "uddf/import/uddf_text.h"

namespace survey::uddf {

namespace {

const char* rowsName(TableKind kind) {
  switch (kind) {
    case TableKind::Airport:
      return "surveys";
    case TableKind::Runway:
      return "runways";
    case TableKind::Navaid:
      return "navaids";
    case TableKind::Obstruction:
      return "obstructions";
  }
  return "";
}

int roomIn(const Table& table) {
  return table.shape().capacity - table.count();
}

// Appends the imported rows of one child table; the caller made sure of the room.
void appendRows(Table& table, std::vector<ImportedRow>& rows, int numberField) {
  for (ImportedRow& imported : rows) {
    const int row = *table.appendRow();
    for (std::size_t field = 1; field < imported.size(); ++field) {
      if (!imported[field].empty()) {
        table.setCell(row, static_cast<int>(field), std::move(imported[field]));
      }
    }
    if (numberField != 0) table.setCell(row, numberField, numberCell(row));
  }
}

}  // namespace

std::string duplicateSurveyMessage(std::string_view identifier) {
  return "An airport with Location Identifier " + std::string(identifier) + " already exists.";
}

std::string unreadableFileMessage(const std::filesystem::path& file, std::string_view reason) {
  return "The file could not be opened (" + file.string() + ": " + std::string(reason) +
         "). Nothing was imported.";
}

std::string tableOverflowMessage(TableKind kind, int room) {
  const auto& shape = shapeOf(kind);
  return "The " + std::string(shape.name) + " table is full: it holds at most " +
         std::to_string(shape.capacity) + " " + rowsName(kind) + ", deleted " + rowsName(kind) +
         " included, and has room for " + std::to_string(room) +
         " more, fewer than the file holds. Nothing was imported. Delete a survey to make room.";
}

ImportResult readUddfText(const SurveyStore& store, std::string_view bytes, ImportedSurvey& out) {
  ImportResult result;
  // Exchange files are ASCII as a rule: only other files need converting.
  std::string converted;
  std::string_view text = bytes;
  if (!isValidUtf8(bytes)) {
    converted = decodeExchangeBytes(bytes);
    text = converted;
  }
  const auto lines = splitLines(text);
  if (lines.empty()) {
    result.message = kEmptyFileMessage;
    return result;
  }
  const LineItems first(lines[0]);
  if (first.trimmed(4) != "1.07") {
    result.message = kWrongVersionMessage;
    return result;
  }
  if (store.findSurveyRow(first.trimmed(1)) != 0) {
    result.message = duplicateSurveyMessage(first.trimmed(1));
    return result;
  }
  if (store.airports().full()) {
    result.message = kSurveyListFullMessage;
    return result;
  }

  const TableRoom room{roomIn(store.runways()), roomIn(store.navaids()),
                       roomIn(store.obstructions())};
  RecordParsers parsers(room);
  AdditionalInformation closing;
  SectionWalker walker;
  for (std::string_view line : lines) {
    const RoutedLine routed = walker.next(line);
    const bool runwayLine =
        routed.route == LineRoute::RunwayFirstEnd || routed.route == LineRoute::RunwaySecondEnd;
    if (runwayLine && routed.lineNumber == 10) {
      parsers.runwayBlockStart(routed.route == LineRoute::RunwayFirstEnd);
    }
    if (routed.route == LineRoute::Comments) {
      closing.readLine(line);
      continue;
    }
    if (routed.route == LineRoute::Marker || routed.route == LineRoute::AirportEnd) continue;
    const LineItems items(line);
    // Lines without a single "|" carry no record; they are passed over.
    if (items.empty()) {
      parsers.lineSkipped();
      continue;
    }
    switch (routed.route) {
      case LineRoute::AirportLine:
        parsers.airportLine(routed.lineNumber, items);
        break;
      case LineRoute::RunwayFirstEnd:
        parsers.runwayFirstEnd(routed.lineNumber, items);
        break;
      case LineRoute::RunwaySecondEnd:
        parsers.runwaySecondEnd(routed.lineNumber, items);
        break;
      case LineRoute::Electronic:
        parsers.listedNavaid(NavaidList::Electronic, items);
        break;
      case LineRoute::Visual:
        parsers.listedNavaid(NavaidList::Visual, items);
        break;
      case LineRoute::Other:
        parsers.otherNavaid(items);
        break;
      case LineRoute::Obstruction:
        parsers.obstruction(line, items);
        break;
      default:
        break;
    }
    if (const auto full = parsers.overflow()) {
      const int left = *full == TableKind::Runway   ? room.runways
                       : *full == TableKind::Navaid ? room.navaids
                                                    : room.obstructions;
      result.message = tableOverflowMessage(*full, left);
      return result;
    }
  }

  out = std::move(parsers.survey());
  if (closing.hasSurveyLine()) {
    out.airport[25] = closing.surveyLine().surveyType;
    out.airport[34] = closing.surveyLine().surveyor;
    out.airport[35] = closing.surveyLine().licence;
  }
  if (closing.hasRemarks()) out.airport[36] = closing.remarks();
  result.ok = true;
  result.runways = static_cast<int>(out.runways.size());
  result.navaids = static_cast<int>(out.navaids.size());
  result.obstructions = static_cast<int>(out.obstructions.size());
  return result;
}

ImportResult importUddfText(SurveyStore& store, std::string_view bytes) {
  ImportedSurvey survey;
  ImportResult result = readUddfText(store, bytes, survey);
  if (!result.ok) return result;

  Table& airports = store.airports();
  const int row = *airports.appendRow();
  for (std::size_t field = 1; field < survey.airport.size(); ++field) {
    if (!survey.airport[field].empty()) {
      airports.setCell(row, static_cast<int>(field), survey.airport[field]);
    }
  }
  appendRows(store.runways(), survey.runways, 0);
  appendRows(store.navaids(), survey.navaids, 19);
  appendRows(store.obstructions(), survey.obstructions, 25);

  store.current.surveyKey = survey.airport[3];
  store.current.surveyName = survey.airport[1];
  if (survey.runwayRead) store.current.runwayEnd = survey.runwayEnd;
  result.airportRow = row;
  return result;
}

ImportResult importUddfFile(SurveyStore& store, const std::filesystem::path& file) {
  if (file.empty()) return {false, std::string(kNoFileChosenMessage)};
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    return {false, unreadableFileMessage(file, "it is a directory, not a file")};
  }
  const ReadResult read = readWholeFile(file);
  if (!read.ok) return {false, unreadableFileMessage(file, read.error)};
  return importUddfText(store, read.bytes);
}

}  // namespace survey::uddf
