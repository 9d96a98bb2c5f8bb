// The obstruction section, grouped by runway and surface, and the closing block with
// the survey type, the certification and the remarks.
#include <algorithm>
#include <cmath>

#include "store/schema/airport_fields.h"
#include "store/schema/obstruction_fields.h"
#include "store/text_trim.h"
#include "uddf/export/sections.h"

namespace survey::uddf {

namespace {

constexpr int kFrameColumn = 122;
constexpr int kRemarksWidth = 120;

std::string surfaceCode(const std::string& surface) {
  const std::size_t colon = surface.find(':');
  return colon == std::string::npos ? std::string() : surface.substr(0, colon);
}

std::string firstCharacterOf(const std::string& text) {
  const std::string cells = toCellText(text);
  return cells.empty() ? std::string() : std::string(1, cells.front());
}

void writeObstructionLine(ExportContext& context, int row, int obstructionRow, bool hct) {
  using namespace obstruction;
  const Table& obstructions = context.store.obstructions();
  auto field = [&](int n) -> CellText { return obstructions.cell(obstructionRow, n); };
  auto record = [&field] {
    std::string name = "obstruction";
    if (!field(Object).empty()) name += " " + field(Object);
    if (!field(RwyId).empty()) name += " of runway " + field(RwyId);
    return name;
  };

  const std::initializer_list<int> hctSeparators{1, 32, 43, 55, 58, 64, 70, 76, 82, 88, 94, 100};
  const std::initializer_list<int> otherSeparators{1,  32, 43, 55,  58,  64,  70,  76,
                                                   82, 88, 94, 101, 108, 115, 121, 129};
  RecordLine line(context.grid, row, record, hct ? hctSeparators : otherSeparators,
                  context.shortened);
  line.separators({1, 32});
  line.left(2, field(Object), "Object");
  line.right(43,
             coordinate(context, obstructions, obstructionRow, kPosition.latitude,
                        CoordinateAxis::Latitude, TableKind::Obstruction, hct),
             "Latitude");
  line.separator(43);
  line.right(55,
             coordinate(context, obstructions, obstructionRow, kPosition.longitude,
                        CoordinateAxis::Longitude, TableKind::Obstruction, hct),
             "Longitude");
  line.separator(55);
  // The cells are already single-byte text; a value of two cells cannot overrun.
  line.text(
      56, firstCharacterOf(field(AccuracyHorizontal)) + firstCharacterOf(field(AccuracyVertical)));
  line.separator(58);
  line.right(64, field(TopElevationOrthometric), "Top Elevation of Object Orthometric");
  line.separator(64);
  line.right(70, field(TopElevationEllipsoidal), "Top Elevation of Object Ellipsoidal");
  line.separator(70);
  line.right(76, field(AboveGroundElevation), "Above Ground Elevation");
  line.separator(76);
  // The unlabeled fields are not entered on the obstruction screen; an imported survey
  // may hold them.
  if (hct) {
    line.right(82, field(Unlabeled14), "field 14");
    line.separator(82);
    line.right(88, field(Unlabeled11), "field 11");
    line.separator(88);
    line.right(94, field(Unlabeled13), "field 13");
    line.separator(94);
    line.right(100, field(Unlabeled15), "field 15");
    line.separator(100);
    line.left(101, dateItem(field(SurveyDate)), "Survey Date");
  } else {
    line.right(82, field(Unlabeled11), "field 11");
    line.separator(82);
    line.right(88, field(Unlabeled13), "field 13");
    line.separator(88);
    line.right(94, field(Unlabeled14), "field 14");
    line.separator(94);
    line.right(101, field(Unlabeled16), "field 16");
    line.separator(101);
    line.right(108, field(Unlabeled17), "field 17");
    line.separator(108);
    line.right(115, field(Unlabeled18), "field 18");
    line.separator(115);
    line.right(121, field(Unlabeled15), "field 15");
    line.separator(121);
    line.left(122, dateItem(field(SurveyDate)), "Survey Date");
    line.separator(129);
  }
}

// round(length / 120) + 1, halves to the even neighbour.
std::size_t remarksLineCount(std::size_t length) {
  const std::size_t whole = length / kRemarksWidth;
  const std::size_t rest = length % kRemarksWidth;
  std::size_t rounded = whole;
  if (rest * 2 > kRemarksWidth || (rest * 2 == kRemarksWidth && whole % 2 == 1)) ++rounded;
  return rounded + 1;
}

int writeClosingBlock(ExportContext& context, int row, const LocalDateTime& now) {
  const Table& airports = context.store.airports();
  auto field = [&](airport::Field f) -> CellText { return airports.cell(context.surveyRow, f); };
  CellGrid& grid = context.grid;

  grid.placeLeft(++row, 1, "|Additional Information");
  grid.placeSeparator(row, kFrameColumn);

  grid.placeSeparator(++row, 1);
  grid.placeSeparator(row, kFrameColumn);

  const std::string surveyLine = std::string(trimSpaces(
      "|Survey Type is " + field(airport::SurveyType) + ".  Surveyor: " +
      field(airport::SurveyorName) + "  License No: " + field(airport::SurveyorLicenseNumber) +
      " Submitted: " + surveyLineDate(now) + "  " + surveyLineTime(now) + "  (V3.7)"));
  grid.placeSeparator(++row, kFrameColumn);
  grid.placeLeft(row, 1, toCellText(surveyLine));
  grid.placeSeparator(row, kFrameColumn);

  const std::string remarks =
      std::string(trimSpaces(toCellText(field(airport::AdditionalComments))));
  if (!remarks.empty()) {
    const std::size_t lines = remarksLineCount(remarks.size());
    for (std::size_t i = 0; i < lines; ++i) {
      grid.placeSeparator(++row, 1);
      if (i * kRemarksWidth < remarks.size()) {
        grid.placeLeft(row, 2, std::string_view(remarks).substr(i * kRemarksWidth, kRemarksWidth));
      }
      grid.placeSeparator(row, kFrameColumn);
    }
  }
  grid.placeEof(++row);
  return row;
}

}  // namespace

std::string surveyLineDate(const LocalDateTime& now) {
  return std::to_string(now.month) + "/" + std::to_string(now.day) + "/" + std::to_string(now.year);
}

std::string surveyLineTime(const LocalDateTime& now) {
  const int hour = now.hour % 12 == 0 ? 12 : now.hour % 12;
  auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second) +
         (now.hour < 12 ? " AM" : " PM");
}

int writeObstructionSection(ExportContext& context, int startRow, const LocalDateTime& now) {
  const Table& obstructions = context.store.obstructions();
  // By Rwy ID, character codes compared; equal ones keep table order.
  std::vector<std::pair<std::string_view, int>> sorted;
  for (int row : context.store.childRows(TableKind::Obstruction, context.key)) {
    sorted.emplace_back(obstructions.cell(row, obstruction::RwyId), row);
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  int row = startRow - 1;
  std::string runway;
  std::string surface;
  bool hct = false;
  for (const auto& [rwyId, obstructionRow] : sorted) {
    const std::string thisRunway(rwyId);
    const std::string thisSurface = obstructions.cell(obstructionRow, obstruction::Surface);
    const std::size_t before = context.shortened.size();
    if (thisRunway != runway || thisSurface != surface) {
      runway = thisRunway;
      surface = thisSurface;
      const std::string code = surfaceCode(thisSurface);
      hct = code == "HCT";
      if (row != startRow - 1) context.grid.placeMarker(++row, '#');
      RecordLine line(context.grid, ++row, "obstruction group of runway " + thisRunway, {1, 6, 14},
                      context.shortened);
      line.separators({1, 14});
      line.left(2, thisRunway, "Rwy ID");
      line.separator(6);
      line.left(7, code, "Obstruction Identification Surface");
    }
    writeObstructionLine(context, ++row, obstructionRow, hct);
    attributeShortened(context, before, TableKind::Obstruction, obstructionRow);
  }
  context.grid.placeMarker(++row, '@');
  return writeClosingBlock(context, row, now);
}

}  // namespace survey::uddf
