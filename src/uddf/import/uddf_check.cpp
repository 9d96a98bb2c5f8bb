#include "uddf/import/uddf_check.h"

#include <optional>

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
  explicit Checker(std::size_t limit) : limit_(limit) {}
  void line(std::string_view content);
  UddfCheckReport finish();
  // What was found before reading failed; the end of the file was never seen.
  UddfCheckReport interrupted() { return std::move(report_); }

 private:
  // The text is only built for a problem that will be listed.
  template <class MakeText>
  void report(long long line, int column, MakeText&& makeText) {
    if (report_.problems.size() >= limit_) {
      ++report_.unlisted;
      return;
    }
    report_.problems.push_back({line, column, makeText()});
  }
  void add(long long line, int column, std::string text) {
    report(line, column, [&text] { return std::move(text); });
  }
  void checkDate(long long line, const LineItems& items, std::size_t k) {
    if (auto problem = dateProblem(items.raw(k))) add(line, items.column(k), std::move(*problem));
  }
  void checkCoordinates(long long line, const LineItems& items, std::size_t latItem,
                        std::size_t lonItem) {
    if (auto problem = coordinateProblem(items.raw(latItem), CoordinateAxis::Latitude)) {
      add(line, items.column(latItem), std::move(*problem));
    }
    if (auto problem = coordinateProblem(items.raw(lonItem), CoordinateAxis::Longitude)) {
      add(line, items.column(lonItem), std::move(*problem));
    }
  }
  void checkLength(long long line, std::string_view text);
  void checkAirportLine(long long line, int number, const LineItems& items);
  void checkRunwayLine(long long line, int number, bool firstEnd, const LineItems& items);
  void endRunwayBlock(long long line, bool closesSection, bool secondEnd);
  void checkNavaidLine(long long line, Section group, const LineItems& items);
  void checkObstructionLine(long long line, std::string_view text, const LineItems& items);
  void checkClosingLine(long long line, std::string_view text);
  void checkEnd(long long lastLine, Section section);

  std::size_t limit_;
  UddfCheckReport report_;
  SectionWalker walker_;
  long long line_ = 0;
  long long runwayBlockLines_ = 0;
  long long runwayBlocks_ = 0;
  std::optional<Section> navaidGroup_;  // group of the last navaid line
  std::string surfaceCode_;
  bool surveyLine_ = false;
  long long eofLine_ = 0;
};

void Checker::checkLength(long long line, std::string_view text) {
  if (text.starts_with("EOF") && trimSpaces(text.substr(3)).empty()) return;
  const std::size_t length = characterCount(text);
  if (length != kLineLength) {
    report(line, 0, [length] {
      return "the line is " + std::to_string(length) + " characters long, not " +
             std::to_string(kLineLength);
    });
  }
}

void Checker::checkAirportLine(long long line, int number, const LineItems& items) {
  if (items.empty()) {
    report(line, 0, [number] {
      return "airport line " + std::to_string(number - 1) + " has no \"|\" separators";
    });
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

void Checker::checkRunwayLine(long long line, int number, bool firstEnd, const LineItems& items) {
  ++runwayBlockLines_;
  if (items.empty()) {
    report(line, 0,
           [] { return std::string("a line of the runway section has no \"|\" separators"); });
    return;
  }
  if (number == 10 && firstEnd) checkDate(line, items, 3);
  if (number == 12 || number == 14) checkCoordinates(line, items, 1, 2);
}

void Checker::endRunwayBlock(long long line, bool closesSection, bool secondEnd) {
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

void Checker::checkNavaidLine(long long line, Section group, const LineItems& items) {
  if (items.empty()) {
    report(line, 0, [group] {
      return std::string("a line of the ") + sectionName(group) + " group has no \"|\" separators";
    });
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

void Checker::checkObstructionLine(long long line, std::string_view text, const LineItems& items) {
  if (items.empty()) {
    if (!isMarkerLine(text, "#")) {
      report(line, 0, [] {
        return std::string("a line of the obstruction section has no \"|\" separators");
      });
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

void Checker::checkClosingLine(long long line, std::string_view text) {
  if (eofLine_ != 0) {
    if (!trimSpaces(text).empty()) {
      report(line, 0, [] { return std::string("text after the EOF line"); });
    }
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

void Checker::checkEnd(long long lastLine, Section section) {
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

void Checker::line(std::string_view content) {
  const long long line = ++line_;
  checkLength(line, content);
  const Section before = walker_.section();
  const bool secondEnd = walker_.secondEnd();
  const RoutedLine routed = walker_.next(content);
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
      checkNavaidLine(line, walker_.section(), items);
      break;
    case LineRoute::Obstruction:
      checkObstructionLine(line, content, items);
      break;
    case LineRoute::Comments:
      checkClosingLine(line, content);
      break;
    case LineRoute::Marker:
      if (before == Section::Runway) {
        endRunwayBlock(line, walker_.section() != Section::Runway, secondEnd);
      }
      break;
  }
}

UddfCheckReport Checker::finish() {
  if (line_ == 0) {
    add(1, 0, "the file holds no lines");
  } else {
    checkEnd(line_, walker_.section());
  }
  return std::move(report_);
}

}  // namespace

UddfCheckReport checkUddfLines(RawLines& lines, std::size_t limit) {
  std::optional<Checker> checker(std::in_place, limit);
  const LinesEnd end = forEachExchangeLine(
      lines,
      [&checker](std::string_view line) {
        checker->line(line);
        return LineVerdict::Continue;
      },
      [&checker, limit] { checker.emplace(limit); });
  if (end == LinesEnd::ReadFailed) {
    UddfCheckReport report = checker->interrupted();
    report.readError = lines.error();
    return report;
  }
  return checker->finish();
}

UddfCheckReport checkUddfText(std::string_view bytes, std::size_t limit) {
  TextLines lines(bytes);
  return checkUddfLines(lines, limit);
}

UddfCheckReport checkUddfFile(const std::filesystem::path& file, std::size_t limit) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    UddfCheckReport report;
    report.readError = "it is a directory, not a file";
    return report;
  }
  FileLines lines(file);
  if (!lines.opened()) {
    UddfCheckReport report;
    report.readError = lines.error();
    return report;
  }
  return checkUddfLines(lines, limit);
}

std::string describe(const UddfProblem& problem) {
  std::string text = "line " + std::to_string(problem.line);
  if (problem.column > 0) text += ", column " + std::to_string(problem.column);
  return text + ": " + problem.text;
}

std::string describeUnlisted(const UddfCheckReport& report) {
  const std::string more = report.unlisted == 1 ? " more problem" : " more problems";
  return "and " + std::to_string(report.unlisted) + more + " not listed (only the first " +
         std::to_string(report.problems.size()) + " are listed)";
}

}  // namespace survey::uddf
