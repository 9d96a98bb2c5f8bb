// The record screens' frames as the surveyor reads them: row by row, the captions and controls
// left to right, against reviewed layout tables.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "record_fixture.h"
#include "support/survey_rows.h"

namespace survey::testing {
namespace {

// A control of the frame where the surveyor sees it.
struct Placed {
  const Control* control;
  int row, column;
};

// How a control reads in the table: a caption in double quotes; a box, a list or a hemisphere
// letter (which follows the survey) by its name.
std::string reading(const Control& control) {
  const std::string& name = control.name();
  const bool letter = name.starts_with("LabelLatDir") || name.starts_with("LabelLonDir");
  if (dynamic_cast<const Label*>(&control) && !letter) return '"' + control.caption() + '"';
  return name;
}

// Everything of the frame but its buttons: the captions, boxes and lists of the form's rows.
std::vector<const Control*> fieldsOf(const Screen& screen, const Frame* frame) {
  std::vector<const Control*> fields;
  for (const auto& control : screen.controls()) {
    if (control->frame() == frame && !dynamic_cast<const CommandButton*>(control.get())) {
      fields.push_back(control.get());
    }
  }
  return fields;
}

// A label sits a little lower than the box beside it; rows are further apart than that.
constexpr int kSameRow = 150;

bool isHint(const Control& control) {
  return dynamic_cast<const Label*>(&control) && control.caption().starts_with("(");
}

using RunwayLayoutTest = RunwayTest;

TEST_F(RunwayLayoutTest, FrameReadsRowByRowAsTheLayoutTable) {
  openNew();
  const Screen& screen = program.screens.touch(kRunway);
  const Frame* frame = &screen.get<Frame>("FrameRunway");
  // The azimuth boxes start the two end columns; left of them stand the row's labels.
  const int end1 = box("Text4R").bounds().left;
  const int end2 = box("Text29R").bounds().left;

  std::vector<const Control*> fields = fieldsOf(screen, frame);
  std::stable_sort(fields.begin(), fields.end(), [](const Control* a, const Control* b) {
    return a->bounds().top < b->bounds().top;
  });
  std::vector<Placed> placed;
  int row = 0, rowTop = 0;
  for (const Control* control : fields) {
    const Control::Bounds& at = control->bounds();
    if (row == 0 || at.top - rowTop > kSameRow) {
      ++row;
      rowTop = at.top;
    }
    placed.push_back({control, row, at.left < end1 ? 0 : at.left < end2 ? 1 : 2});
  }
  // A hint follows its label on the row, or stands under it when the row has no room.
  auto labelAt = [&](const Placed& hint, int row, auto where) {
    return std::any_of(placed.begin(), placed.end(), [&](const Placed& label) {
      return label.row == row && label.column == 0 && !isHint(*label.control) &&
             where(label.control->bounds().left, hint.control->bounds().left);
    });
  };
  for (Placed& hint : placed) {
    if (hint.column != 0 || !isHint(*hint.control)) continue;
    if (!labelAt(hint, hint.row, std::less<int>()) &&
        labelAt(hint, hint.row - 1, std::equal_to<int>())) {
      --hint.row;
    }
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.control->bounds().left < b.control->bounds().left;
  });
  std::map<int, std::vector<std::string>> cells;
  for (const Placed& p : placed) {
    std::vector<std::string>& rowCells = cells[p.row];
    rowCells.resize(3);
    std::string& cell = rowCells[static_cast<std::size_t>(p.column)];
    cell += (cell.empty() ? "" : " ") + reading(*p.control);
  }

  const auto table = caseTable("screens/runway_layout.cases", 4);
  EXPECT_EQ(cells.size(), table.size()) << "rows in the frame";
  for (const auto& expected : table) {
    const int number = std::stoi(expected[0]);
    std::vector<std::string>& rowCells = cells[number];
    rowCells.resize(3);
    for (std::size_t column = 0; column < 3; ++column) {
      // The table's cells lose their outer quotes as every reviewed table's do.
      EXPECT_EQ(unquoted(rowCells[column]), expected[column + 1])
          << "row " << number << ", column " << column;
    }
  }
}

// The row of the frame that holds the named control, left to right.
std::string rowReading(const Screen& screen, const std::string& anchorName) {
  const Control* anchor = screen.find(anchorName);
  if (!anchor) return "(no " + anchorName + ")";
  std::vector<const Control*> row;
  for (const Control* control : fieldsOf(screen, anchor->frame())) {
    if (std::abs(control->bounds().top - anchor->bounds().top) <= kSameRow) row.push_back(control);
  }
  std::stable_sort(row.begin(), row.end(), [](const Control* a, const Control* b) {
    return a->bounds().left < b->bounds().left;
  });
  std::string text;
  for (const Control* control : row) text += (text.empty() ? "" : " ") + reading(*control);
  return text;
}

void expectRecordRows(const Screen& screen) {
  int checked = 0;
  for (const auto& row : caseTable("screens/record_screen_rows.cases", 3)) {
    if (row[0] != screen.name()) continue;
    EXPECT_EQ(unquoted(rowReading(screen, row[1])), row[2]) << "the row of " << row[1];
    ++checked;
  }
  EXPECT_GT(checked, 0) << screen.name();
}

using NavaidRowsTest = NavaidTest;

TEST_F(NavaidRowsTest, TypeChoosersIdentityAndPositionRowsReadAsTheForm) {
  openNew();
  expectRecordRows(program.screens.touch(kScreen));
}

using ObstructionRowsTest = ObstructionTest;

TEST_F(ObstructionRowsTest, IdentityPositionAndHeightRowsReadAsTheForm) {
  addSurvey();
  expectRecordRows(openNew());
}

}  // namespace
}  // namespace survey::testing
