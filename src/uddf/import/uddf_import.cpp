#include "uddf/import/uddf_import.h"

#include <optional>

#include "store/schema/airport_fields.h"
#include "store/schema/navaid_fields.h"
#include "store/schema/obstruction_fields.h"
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

// Appends the imported rows of one child table, each whole; the caller made
// sure of the room. The store numbers and notes each, so the recovery journal keeps it.
void appendRows(SurveyStore& store, TableKind kind, std::vector<ImportedRow>& rows) {
  for (ImportedRow& imported : rows) store.appendWholeRow(kind, std::move(imported));
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

namespace {

// Reads the lines of one exchange file into an ImportedSurvey, one at a time.
class SurveyReader {
 public:
  explicit SurveyReader(const SurveyStore& store)
      : store_(store),
        room_{roomIn(store.runways()), roomIn(store.navaids()), roomIn(store.obstructions())},
        parsers_(room_) {}

  LineVerdict line(std::string_view line);
  ImportResult finish(ImportedSurvey& out);

 private:
  LineVerdict firstLine(std::string_view line);
  void routeLine(std::string_view line);

  const SurveyStore& store_;
  TableRoom room_;
  RecordParsers parsers_;
  AdditionalInformation closing_;
  SectionWalker walker_;
  bool anyLine_ = false;
  std::string refusal_;
};

LineVerdict SurveyReader::firstLine(std::string_view line) {
  const LineItems first(line);
  // The version is plain digits, the same in every encoding: a file of
  // another version is refused before anything more of it is read.
  if (first.trimmed(4) != "1.07") {
    refusal_ = kWrongVersionMessage;
    return LineVerdict::Abandon;
  }
  if (store_.findSurveyRow(first.trimmed(1)) != 0) {
    refusal_ = duplicateSurveyMessage(first.trimmed(1));
    return LineVerdict::Stop;
  }
  if (store_.airports().full()) {
    refusal_ = kSurveyListFullMessage;
    return LineVerdict::Stop;
  }
  return LineVerdict::Continue;
}

LineVerdict SurveyReader::line(std::string_view line) {
  if (!anyLine_) {
    anyLine_ = true;
    if (const LineVerdict verdict = firstLine(line); verdict != LineVerdict::Continue) {
      return verdict;
    }
  }
  routeLine(line);
  if (const auto full = parsers_.overflow()) {
    const int left = *full == TableKind::Runway   ? room_.runways
                     : *full == TableKind::Navaid ? room_.navaids
                                                  : room_.obstructions;
    refusal_ = tableOverflowMessage(*full, left);
    return LineVerdict::Stop;
  }
  return LineVerdict::Continue;
}

void SurveyReader::routeLine(std::string_view line) {
  const RoutedLine routed = walker_.next(line);
  const bool runwayLine =
      routed.route == LineRoute::RunwayFirstEnd || routed.route == LineRoute::RunwaySecondEnd;
  if (runwayLine && routed.lineNumber == 10) {
    parsers_.runwayBlockStart(routed.route == LineRoute::RunwayFirstEnd);
  }
  if (routed.route == LineRoute::Comments) {
    closing_.readLine(line);
    return;
  }
  if (routed.route == LineRoute::Marker || routed.route == LineRoute::AirportEnd) return;
  const LineItems items(line);
  // Lines without a single "|" carry no record; they are passed over.
  if (items.empty()) {
    parsers_.lineSkipped();
    return;
  }
  switch (routed.route) {
    case LineRoute::AirportLine:
      parsers_.airportLine(routed.lineNumber, items);
      break;
    case LineRoute::RunwayFirstEnd:
      parsers_.runwayFirstEnd(routed.lineNumber, items);
      break;
    case LineRoute::RunwaySecondEnd:
      parsers_.runwaySecondEnd(routed.lineNumber, items);
      break;
    case LineRoute::Electronic:
      parsers_.listedNavaid(NavaidList::Electronic, items);
      break;
    case LineRoute::Visual:
      parsers_.listedNavaid(NavaidList::Visual, items);
      break;
    case LineRoute::Other:
      parsers_.otherNavaid(items);
      break;
    case LineRoute::Obstruction:
      parsers_.obstruction(line, items);
      break;
    default:
      break;
  }
}

ImportResult SurveyReader::finish(ImportedSurvey& out) {
  ImportResult result;
  if (!anyLine_) {
    result.message = kEmptyFileMessage;
    return result;
  }
  if (!refusal_.empty()) {
    result.message = refusal_;
    return result;
  }
  out = std::move(parsers_.survey());
  if (closing_.hasSurveyLine()) {
    out.airport[airport::SurveyType] = closing_.surveyLine().surveyType;
    out.airport[airport::SurveyorName] = closing_.surveyLine().surveyor;
    out.airport[airport::SurveyorLicenseNumber] = closing_.surveyLine().licence;
  }
  if (closing_.hasRemarks()) out.airport[airport::AdditionalComments] = closing_.remarks();
  result.ok = true;
  result.runways = static_cast<int>(out.runways.size());
  result.navaids = static_cast<int>(out.navaids.size());
  result.obstructions = static_cast<int>(out.obstructions.size());
  return result;
}

}  // namespace

ImportResult readUddfLines(const SurveyStore& store, RawLines& lines, ImportedSurvey& out) {
  std::optional<SurveyReader> reader(std::in_place, store);
  const LinesEnd end = forEachExchangeLine(
      lines, [&reader](std::string_view line) { return reader->line(line); },
      [&reader, &store] { reader.emplace(store); });
  if (end == LinesEnd::ReadFailed) return {false, std::string(lines.error())};
  return reader->finish(out);
}

ImportResult readUddfText(const SurveyStore& store, std::string_view bytes, ImportedSurvey& out) {
  TextLines lines(bytes);
  return readUddfLines(store, lines, out);
}

ImportResult importUddfLines(SurveyStore& store, RawLines& lines) {
  ImportedSurvey survey;
  ImportResult result = readUddfLines(store, lines, survey);
  if (!result.ok) return result;

  Table& airports = store.airports();
  const int row = *airports.appendRow();
  for (std::size_t field = 1; field < survey.airport.size(); ++field) {
    if (!survey.airport[field].empty()) {
      airports.setCell(row, static_cast<int>(field), survey.airport[field]);
    }
  }
  store.noteRowChanged(TableKind::Airport, row);
  appendRows(store, TableKind::Runway, survey.runways);
  appendRows(store, TableKind::Navaid, survey.navaids);
  appendRows(store, TableKind::Obstruction, survey.obstructions);

  store.current.surveyKey = survey.airport[airport::Identifier];
  store.current.surveyName = survey.airport[airport::Name];
  if (survey.runwayRead) store.current.runwayEnd = survey.runwayEnd;
  result.airportRow = row;
  return result;
}

ImportResult importUddfText(SurveyStore& store, std::string_view bytes) {
  TextLines lines(bytes);
  return importUddfLines(store, lines);
}

ImportResult importUddfFile(SurveyStore& store, const std::filesystem::path& file) {
  if (file.empty()) return {false, std::string(kNoFileChosenMessage)};
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    return {false, unreadableFileMessage(file, "it is a directory, not a file")};
  }
  FileLines lines(file);
  if (!lines.opened()) return {false, unreadableFileMessage(file, lines.error())};
  ImportResult result = importUddfLines(store, lines);
  if (!result.ok && !lines.error().empty()) {
    result.message = unreadableFileMessage(file, lines.error());
  }
  return result;
}

}  // namespace survey::uddf
