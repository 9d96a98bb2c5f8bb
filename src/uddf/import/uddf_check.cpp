#include "uddf/import/uddf_check.h"

#include <optional>

#include "store/file_io.h"
#include "uddf/import/section_walker.h"
#include "uddf/import/uddf_conversions.h"
#include "uddf/import/uddf_text.h"

namespace survey::uddf {

namespace {

constexpr std::size_t kLineLength = 200;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::string inQuotes(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// Why a date item cannot be read; nothing when it is empty or readable.
std::optional<std::string> dateProblem(std::string_view item) {
  const std::string_view date = trimSpaces(item);
  if (date.empty()) return std::nullopt;
  if (!convertUddfDate(date)) {
    return "the date " + inQuotes(date) + " is not a seven-digit day-of-year date DDDYYYY";
  }
  const int day = number(date.substr(0, 3));
  if (day < 1 || day > 365) {
    return "the date " + inQuotes(date) + " has day of year " + std::string(date.substr(0, 3)) +
           ", outside 001 to 365";
  }
  return std::nullopt;
}

// Why a coordinate item cannot be read; nothing when it is empty or readable.
std::optional<std::string> coordinateProblem(std::string_view item, CoordinateAxis kind) {
  std::string_view text = trimSpaces(item);
  if (text.empty()) return std::nullopt;
  const char* what = kind == CoordinateAxis::Latitude ? "latitude" : "longitude";
  const std::string bad = std::string("the ") + what + " " + inQuotes(text) + " is not readable";
  std::string_view digits = text.front() == '-' ? text.substr(1) : text;
  const auto point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
  for (char c : whole) {
    if (!isDigit(c)) return bad;
  }
  for (char c : fraction) {
    if (!isDigit(c)) return bad;
  }
  const bool latitude = kind == CoordinateAxis::Latitude;
  const bool lengthOk = latitude ? (whole.size() == 4 || whole.size() == 6)
                                 : (whole.size() >= 4 && whole.size() <= 7);
  if (!lengthOk) {
    return bad + ": it needs " + (latitude ? "DDMMSS" : "DDDMMSS or DDMMSS") +
           " digits before the decimal point";
  }
  const auto dms = convertCoordinate(text, kind);
  if (!dms) return bad;
  if (number(dms->degrees) > (latitude ? 90 : 180)) {
    return bad + ": " + dms->degrees + " degrees is out of range";
  }
  if (number(dms->minutes) > 59) return bad + ": " + dms->minutes + " minutes is out of range";
  return std::nullopt;
}

class Checker {
 public:
  std::vector<UddfProblem> run(std::string_view bytes);

 private:
  void add(int line, int column, std::string text) {
    problems_.push_back({line, column, std::move(text)});
  }
  void checkDate(int line, const LineItems& items, std::size_t k) {
    if (auto problem = dateProblem(items.raw(k))) add(line, items.column(k), std::move(*problem));
  }
  void checkCoordinates(int line, const LineItems& items, std::size_t latItem,
                        std::size_t lonItem) {
    if (auto problem = coordinateProblem(items.raw(latItem), CoordinateAxis::Latitude)) {
      add(line, items.column(latItem), std::move(*problem));
    }
    if (auto problem = coordinateProblem(items.raw(lonItem), CoordinateAxis::Longitude)) {
      add(line, items.column(lonItem), std::move(*problem));
    }
  }
  void checkLength(int line, std::string_view text);
  void checkAirportLine(int line, int number, const LineItems& items);
  void checkRunwayLine(int line, int number, bool firstEnd, const LineItems& items);
  void endRunwayBlock(int line, bool closesSection, bool secondEnd);
  void checkNavaidLine(int line, Section group, const LineItems& items);
  void checkObstructionLine(int line, std::string_view text, const LineItems& items);
  void checkClosingLine(int line, std::string_view text);
  void checkEnd(int lastLine, Section section);

  std::vector<UddfProblem> problems_;
  int runwayBlockLines_ = 0;
  int runwayBlocks_ = 0;
  std::optional<Section> navaidGroup_;  // group of the last navaid line
  std::string surfaceCode_;
  bool surveyLine_ = false;
  int eofLine_ = 0;
};

void Checker::checkLength(int line, std::string_view text) {
  if (text.starts_with("EOF") && trimSpaces(text.substr(3)).empty()) return;
  const std::size_t length = characterCount(text);
  if (length != kLineLength) {
    add(line, 0,
        "the line is " + std::to_string(length) + " characters long, not " +
            std::to_string(kLineLength));
  }
}

void Checker::checkAirportLine(int line, int number, const LineItems& items) {
  if (items.empty()) {
    add(line, 0, "airport line " + std::to_string(number - 1) + " has no \"|\" separators");
    return;
  }
  if (number == 1) {
    if (items.trimmed(4) != "1.07") {
      add(line, items.column(4) ? items.column(4) : 1,
          "the format version is " + inQuotes(items.trimmed(4)) + ", not \"1.07\"");
    }
    if (items.trimmed(1).empty()) add(line, items.column(1), "the airport identifier is empty");
  } else if (number == 2) {
    checkDate(line, items, 2);
  } else if (number == 8) {
    checkCoordinates(line, items, 1, 2);
  }
}

void Checker::checkRunwayLine(int line, int number, bool firstEnd, const LineItems& items) {
  ++runwayBlockLines_;
  if (items.empty()) {
    add(line, 0, "a line of the runway section has no \"|\" separators");
    return;
  }
  if (number == 10 && firstEnd) checkDate(line, items, 3);
  if (number == 12 || number == 14) checkCoordinates(line, items, 1, 2);
}

void Checker::endRunwayBlock(int line, bool closesSection, bool secondEnd) {
  if (closesSection && runwayBlocks_ == 0 && runwayBlockLines_ == 0) return;  // no runways
  ++runwayBlocks_;
  if (runwayBlockLines_ < 6) {
    add(line, 0,
        "the runway end block ending here has " + std::to_string(runwayBlockLines_) +
            " lines; it needs the five runway end lines and the profile line at distance 0");
  }
  if (closesSection && !secondEnd) {
    add(line, 0,
        "the runway section ends after a first runway end: the second end's block is "
        "missing");
  }
  runwayBlockLines_ = 0;
}

void Checker::checkNavaidLine(int line, Section group, const LineItems& items) {
  if (items.empty()) {
    add(line, 0,
        std::string("a line of the ") + sectionName(group) + " group has no \"|\" separators");
    navaidGroup_.reset();
    return;
  }
  const std::string_view type = items.raw(1);
  const bool point = group != Section::NavaidOther && (type.find("PP") != std::string_view::npos ||
                                                       type.find("CLPT") != std::string_view::npos);
  if (point && navaidGroup_ != group) {
    add(line, items.column(1), "a point line with no navaid line before it in its group");
  }
  if (!point) navaidGroup_ = group;
  checkCoordinates(line, items, 2, 3);
  checkDate(line, items, 8);
}

void Checker::checkObstructionLine(int line, std::string_view text, const LineItems& items) {
  if (items.empty()) {
    if (!isMarkerLine(text, "#")) {
      add(line, 0, "a line of the obstruction section has no \"|\" separators");
    }
    return;
  }
  if (characterAt(text, 6) == "|") {
    surfaceCode_ = std::string(items.trimmed(2));
    if (!surfaceCode_.empty() && surfaceItemForCode(surfaceCode_).empty()) {
      add(line, items.column(2), "the surface code " + inQuotes(surfaceCode_) + " is not known");
    }
    return;
  }
  checkCoordinates(line, items, 2, 3);
  checkDate(line, items, surfaceCode_ == "HCT" ? 12 : 15);
}

void Checker::checkClosingLine(int line, std::string_view text) {
  if (eofLine_ != 0) {
    if (!trimSpaces(text).empty()) add(line, 0, "text after the EOF line");
    return;
  }
  if (text.starts_with("EOF")) {
    eofLine_ = line;
    return;
  }
  if (text.find("LICENSE NO:") != std::string_view::npos &&
      text.find("SURVEY TYPE IS") != std::string_view::npos) {
    surveyLine_ = true;
  }
}

void Checker::checkEnd(int lastLine, Section section) {
  switch (section) {
    case Section::None:
    case Section::Airport:
      add(lastLine, 0, "the file ends in the airport section: line 9, its \"@\" line, is missing");
      return;
    case Section::Runway:
      add(lastLine, 0, "the file ends in the runway section: its closing \"@\" line is missing");
      return;
    case Section::NavaidElectronic:
    case Section::NavaidVisual:
    case Section::NavaidOther:
      add(lastLine, 0,
          std::string("the file ends in the ") + sectionName(section) +
              " group: the \"#\" and \"@\" lines that close the navaid section are missing");
      return;
    case Section::Obstruction:
      add(lastLine, 0,
          "the file ends in the obstruction section: its closing \"@\" line is missing");
      return;
    case Section::Comments:
      break;
  }
  if (!surveyLine_) add(lastLine, 0, "the closing block has no survey line");
  if (eofLine_ == 0) add(lastLine, 0, "the file has no EOF line");
}

std::vector<UddfProblem> Checker::run(std::string_view bytes) {
  const std::string text = decodeExchangeBytes(bytes);
  const auto lines = splitLines(text);
  if (lines.empty()) {
    add(1, 0, "the file holds no lines");
    return std::move(problems_);
  }
  SectionWalker walker;
  int line = 0;
  for (std::string_view content : lines) {
    ++line;
    checkLength(line, content);
    const Section before = walker.section();
    const bool secondEnd = walker.secondEnd();
    const RoutedLine routed = walker.next(content);
    const LineItems items(content);
    switch (routed.route) {
      case LineRoute::AirportLine:
        checkAirportLine(line, routed.lineNumber, items);
        break;
      case LineRoute::AirportEnd:
        if (!isMarkerLine(content, "@")) {
          add(line, 0, "line 9 must be the \"@\" line that ends the airport section");
        }
        break;
      case LineRoute::RunwayFirstEnd:
      case LineRoute::RunwaySecondEnd:
        checkRunwayLine(line, routed.lineNumber, routed.route == LineRoute::RunwayFirstEnd, items);
        break;
      case LineRoute::Electronic:
      case LineRoute::Visual:
      case LineRoute::Other:
        checkNavaidLine(line, walker.section(), items);
        break;
      case LineRoute::Obstruction:
        checkObstructionLine(line, content, items);
        break;
      case LineRoute::Comments:
        checkClosingLine(line, content);
        break;
      case LineRoute::Marker:
        if (before == Section::Runway) {
          endRunwayBlock(line, walker.section() != Section::Runway, secondEnd);
        }
        break;
    }
  }
  checkEnd(line, walker.section());
  return std::move(problems_);
}

}  // namespace

std::vector<UddfProblem> checkUddfText(std::string_view bytes) {
  return Checker().run(bytes);
}

std::string describe(const UddfProblem& problem) {
  std::string text = "line " + std::to_string(problem.line);
  if (problem.column > 0) text += ", column " + std::to_string(problem.column);
  return text + ": " + problem.text;
}

}  // namespace survey::uddf
