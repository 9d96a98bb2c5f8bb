// Writing a certified survey as a UDDF exchange file: what "Create UDDF" and the OK of
// the output-file screen call, and the command-line companion with them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/survey_store.h"
#include "uddf/export/cell_grid.h"
#include "uddf/export/sections.h"

namespace survey::uddf {

// Message texts of "Create UDDF" and the output-file screen.
inline constexpr std::string_view kSelectAirportMessage = "You must first select an airport.";
inline constexpr std::string_view kCertifyFirstMessage =
    "You must first certify this survey (Finalize Input on Airport Screen).";
inline constexpr std::string_view kSuccessSuffix = " Successfully created";
inline constexpr std::string_view kInvalidDriveMessage = "Invalid Drive";
inline constexpr std::string_view kOutputScreenCaption = "UDDF Output File";

// The moment the file is written, for the survey line. Tests give a fixed one.
using Clock = std::function<LocalDateTime()>;
Clock systemClock();

// The extension of the file for a survey type (".f77" for "AOC", ...); nothing for a
// type without one, which leaves the previous export's extension in force.
std::optional<std::string> uddfExtensionFor(std::string_view surveyType);

struct CreateUddfCheck {
  std::string refusal;    // the message to show; empty when the output-file screen may open
  std::string extension;  // the export extension after the check
  explicit operator bool() const { return refusal.empty(); }
};

// "Create UDDF" before the output-file screen opens: refuses when no survey is chosen,
// when no survey has that identifier, or when a row with it is not certified. Every row
// with the identifier sets the extension in turn, starting from previousExtension.
CreateUddfCheck checkCreateUddf(const SurveyStore& store, std::string_view key,
                                std::string_view previousExtension);

// The output file of the name typed on the output-file screen: the extension is appended
// unless the name already ends with it (in any case), and exactly one separator stands
// between directory and name. A name that is a whole path (from the root) is that file,
// wherever the directory list stands; one with folders in it is under the directory.
std::filesystem::path uddfOutputPath(const std::string& directory, const std::string& name,
                                     std::string_view extension);

// path + " Successfully created".
std::string uddfSuccessMessage(const std::filesystem::path& file);

// The values an export shortened, as one message for the user; empty when there are none.
std::string shortenedValuesMessage(const std::vector<ShortenedValue>& shortened);
// The same asked before the file is written: "... would be shortened: write it anyway?"
std::string shortenedValuesQuestion(const std::vector<ShortenedValue>& shortened);

struct ComposedUddf {
  bool ok = false;
  std::string bytes;  // the whole file, when ok
  std::string error;  // why there is no file
  int lines = 0;
  std::vector<ShortenedValue> shortened;
};

// The file of the survey with that identifier (its last airport row), composed in memory,
// bearing the moment `now`. Changes nothing: the review looks at the file it would be.
ComposedUddf composeUddf(const SurveyStore& store, std::string_view key, const LocalDateTime& now);

struct ExportResult {
  bool ok = false;
  std::string message;                    // the success message, or why nothing was written
  std::vector<ShortenedValue> shortened;  // values cut to keep their lines' structure
};

// Writes the survey's file, replacing an existing file; a failure leaves no file behind (and
// an existing one untouched). Only a survey whose every row is certified is written (the
// refusal is checkCreateUddf's); a file of the store in storeDirectory is refused. The
// written survey's hemispheres become the current survey's hemisphere letters.
ExportResult writeUddfFile(SurveyStore& store, std::string_view key,
                           const std::filesystem::path& file, const Clock& clock,
                           const std::filesystem::path& storeDirectory = {});
// The same with the file composed already (by composeUddf for this survey).
ExportResult writeComposedUddf(SurveyStore& store, std::string_view key, ComposedUddf composed,
                               const std::filesystem::path& file,
                               const std::filesystem::path& storeDirectory = {});

}  // namespace survey::uddf
