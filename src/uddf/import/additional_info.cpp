#include "uddf/import/additional_info.h"

#include "uddf/import/uddf_text.h"

namespace survey::uddf {

namespace {

constexpr std::size_t kPieceLength = 1000;  // characters taken after a marker
constexpr int kCollapsePasses = 10;

// The text of `from` up to the first `end` marker; the whole text when the
// marker is missing.
std::string_view before(std::string_view from, std::string_view end) {
  return from.substr(0, from.find(end));
}

// A piece of the survey line: up to 1000 characters from the marker on, with
// every "marker + blank" removed, cut before `end`. Empty when the marker is missing.
std::string piece(std::string_view line, std::string_view marker, std::string_view end) {
  const auto start = line.find(marker);
  if (start == std::string_view::npos) return {};
  const std::string cleaned =
      removeAll(characters(line.substr(start), 1, kPieceLength), std::string(marker) + " ");
  return std::string(trimSpaces(before(cleaned, end)));
}

// One pass of "every double blank becomes one", left to right.
std::string halveBlankRuns(std::string_view text) {
  return replaceAll(text, "  ", " ");
}

}  // namespace

bool parseSurveyLine(std::string_view line, SurveyLine& out) {
  if (line.find("LICENSE NO:") == std::string_view::npos ||
      line.find("SURVEY TYPE IS") == std::string_view::npos) {
    return false;
  }
  const std::string typePart = removeAll(line, "|SURVEY TYPE IS ");
  std::string_view type = typePart;
  if (const auto dot = type.find('.'); dot != std::string_view::npos) {
    type = type.substr(0, dot);
  } else {
    // No "." after the type: it ends where the surveyor (or the licence) begins.
    const auto surveyor = type.find("SURVEYOR:");
    type = type.substr(0, surveyor != std::string_view::npos ? surveyor : type.find("LICENSE NO:"));
  }
  out.surveyType = std::string(trimSpaces(type));
  out.surveyor = piece(line, "SURVEYOR:", "LICENSE NO");
  out.licence = piece(line, "LICENSE NO:", "SUBMITTED:");
  return true;
}

void AdditionalInformation::readLine(std::string_view line) {
  SurveyLine parsed;
  if (parseSurveyLine(line, parsed)) {
    surveyLine_ = std::move(parsed);
    hasSurveyLine_ = true;
    return;
  }
  const std::string withoutBars = removeAll(line, "|");
  if (trimSpaces(withoutBars).empty() || line.starts_with("EOF") ||
      line.find("|ADDITIONAL INFORMATION") != std::string_view::npos) {
    return;
  }
  appendRemarks(withoutBars);
  hasRemarks_ = true;
}

void AdditionalInformation::appendRemarks(std::string_view text) {
  // Runs of blanks are halved ten times after every added line. A run is only
  // ever changed by the halving, and runs that are down to one blank stay so,
  // so only the text from the first run still longer than one blank (or from
  // the blanks at the old end, which join the new line's) needs the passes.
  std::size_t from = remarks_.find("  ");
  std::size_t tail = remarks_.size();
  while (tail > 0 && remarks_[tail - 1] == ' ') --tail;
  if (from == std::string::npos || tail < from) from = tail;
  std::string rest = remarks_.substr(from);
  rest += ' ';
  rest += text;
  for (int pass = 0; pass < kCollapsePasses; ++pass) rest = halveBlankRuns(rest);
  remarks_.resize(from);
  remarks_ += rest;
}

}  // namespace survey::uddf
