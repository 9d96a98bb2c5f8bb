#include "uddf/export/uddf_export.h"

#include <algorithm>
#include <ctime>

#include "store/file_io.h"
#include "store/schema/airport_fields.h"
#include "store/schema/hemispheres.h"
#include "store/store_side_files.h"
#include "store/survey_status.h"
#include "survey/survey_types.h"

namespace survey::uddf {

namespace {

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
  if (tail.size() > text.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                    [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

std::string unknownSurveyMessage(std::string_view key) {
  return "No survey with the identifier \"" + std::string(key) + "\" is held.";
}

}  // namespace

Clock systemClock() {
  return [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,        local.tm_min,     local.tm_sec};
  };
}

std::optional<std::string> uddfExtensionFor(std::string_view surveyType) {
  const auto type = surveyTypeOf(surveyType);
  if (!type) return std::nullopt;
  return std::string(uddfExtension(*type));
}

CreateUddfCheck checkCreateUddf(const SurveyStore& store, std::string_view key,
                                std::string_view previousExtension) {
  CreateUddfCheck check{{}, std::string(previousExtension)};
  if (key.empty()) {
    check.refusal = kSelectAirportMessage;
    return check;
  }
  const Table& airports = store.airports();
  bool found = false;
  for (int row = 1; row <= airports.count(); ++row) {
    if (airports.cell(row, airport::Identifier) != key) continue;
    found = true;
    if (auto extension = uddfExtensionFor(airports.cell(row, airport::SurveyType)))
      check.extension = *extension;
    if (airports.cell(row, airport::Status) != status::kCertified) {
      check.refusal = kCertifyFirstMessage;
      return check;
    }
  }
  if (!found) check.refusal = unknownSurveyMessage(key);
  return check;
}

std::filesystem::path uddfOutputPath(const std::string& directory, const std::string& name,
                                     std::string_view extension) {
  std::string fileName = name;
  if (!endsWithIgnoringCase(fileName, extension)) fileName += extension;
  if (std::filesystem::path(fileName).is_absolute()) return fileName;
  constexpr char separator = std::filesystem::path::preferred_separator;
  std::string path = directory;
  while (!path.empty() && path.back() == separator) path.pop_back();
  return path + separator + fileName;
}

std::string uddfSuccessMessage(const std::filesystem::path& file) {
  return file.string() + std::string(kSuccessSuffix);
}

namespace {
std::string listOfShortened(std::string message, const std::vector<ShortenedValue>& shortened,
                            const char* written) {
  for (const ShortenedValue& value : shortened) {
    message += "\n" + value.record + ", " + value.field + ": \"" + value.value + "\" " + written +
               " \"" + value.written + "\"";
  }
  return message;
}
}  // namespace

std::string shortenedValuesMessage(const std::vector<ShortenedValue>& shortened) {
  if (shortened.empty()) return {};
  return listOfShortened(
      "These values were too long for their places in the UDDF file and were shortened:", shortened,
      "written as");
}

std::string shortenedValuesQuestion(const std::vector<ShortenedValue>& shortened) {
  return listOfShortened(
             "These values are too long for their places in the UDDF file and would be shortened:",
             shortened, "would be written as") +
         "\n\nWrite it anyway?";
}

ComposedUddf composeUddf(const SurveyStore& store, std::string_view key, const LocalDateTime& now) {
  ComposedUddf composed;
  const int surveyRow = key.empty() ? 0 : store.findSurveyRow(key);
  if (surveyRow == 0) {
    composed.error = key.empty() ? std::string(kSelectAirportMessage) : unknownSurveyMessage(key);
    return composed;
  }
  ExportContext context{store, std::string(key), surveyRow, {}, {}, {}};
  context.hemispheres = hemispheresOf(store.airports(), surveyRow);
  int eofRow = 0;
  try {
    writeAirportSection(context);
    const int runwayEnd = writeRunwaySection(context);
    const int navaidEnd = writeNavaidSection(context, runwayEnd + 1);
    eofRow = writeObstructionSection(context, navaidEnd + 1, now);
  } catch (const ValueTooWide& tooWide) {
    composed.error = tooWide.what();
    return composed;
  }
  composed.lines = eofRow + 1;
  if (context.grid.overflowed() || eofRow > kGridLastRow) {
    composed.error = "The UDDF file was not written: the survey needs " +
                     std::to_string(composed.lines) + " lines, more than the " +
                     std::to_string(kGridLastRow + 1) + " lines a UDDF file can hold.";
    return composed;
  }
  composed.ok = true;
  composed.bytes = context.grid.takeFileBytes(eofRow);
  composed.shortened = std::move(context.shortened);
  return composed;
}

ExportResult writeUddfFile(SurveyStore& store, std::string_view key,
                           const std::filesystem::path& file, const Clock& clock,
                           const std::filesystem::path& storeDirectory) {
  return writeComposedUddf(store, key, composeUddf(store, key, clock()), file, storeDirectory);
}

ExportResult writeComposedUddf(SurveyStore& store, std::string_view key, ComposedUddf composed,
                               const std::filesystem::path& file,
                               const std::filesystem::path& storeDirectory) {
  ExportResult result;
  if (const auto check = checkCreateUddf(store, key, ""); !check) {
    result.message = check.refusal;
    return result;
  }
  if (const std::string why = storeSideFileProblem(storeDirectory, file); !why.empty()) {
    result.message = "The UDDF file " + file.string() + " could not be written: " + why +
                     ". Nothing was written.";
    return result;
  }
  // The export works in the written survey's hemispheres, and they stay the current ones.
  const Hemispheres hemispheres = hemispheresOf(store.airports(), store.findSurveyRow(key));
  store.current.latitudeHemisphere = hemispheres.latitudeLetter();
  store.current.longitudeHemisphere = hemispheres.longitudeLetter();
  if (!composed.ok) {
    result.message = composed.error;
    return result;
  }
  const std::string error = writeFileAtomically(file, composed.bytes);
  if (!error.empty()) {
    result.message = "The UDDF file " + file.string() + " could not be written: " + error + ".";
    return result;
  }
  result.ok = true;
  result.message = uddfSuccessMessage(file);
  result.shortened = std::move(composed.shortened);
  return result;
}

}  // namespace survey::uddf
