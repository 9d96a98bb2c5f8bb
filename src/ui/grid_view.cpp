#include "ui/grid_view.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace survey::ui {

namespace {

// A text's width from the advances of its character pairs, each shaped once per measure:
// kerning is a matter of pairs, and ligatures only narrow a Latin text, so the sum bounds
// its width from above. A text of another script (joined or combined glyphs) gets no
// bound and is measured.
class PairBound {
 public:
  explicit PairBound(const QFont& font) : metrics_(font) { single_.fill(-1); }

  qreal of(const QString& text) {
    qreal sum = 0;
    char16_t previous = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const char16_t code = text[i].unicode();
      if (code >= kLatinEnd || (code >= 0x0300 && code < 0x0370)) return kUnbounded;
      // The previous character's advance gives way to the pair's.
      sum += i == 0 ? advance(code) : pair(previous, code) - advance(previous);
      previous = code;
    }
    return sum;
  }

  static constexpr qreal kUnbounded = std::numeric_limits<qreal>::infinity();

 private:
  static constexpr char16_t kLatinEnd = 0x0370;  // Latin, its extensions, IPA, spacing marks

  qreal advance(char16_t code) {
    qreal& width = single_[code];
    if (width < 0) width = metrics_.horizontalAdvance(QChar(code));
    return width;
  }
  qreal pair(char16_t first, char16_t second) {
    const auto key = (static_cast<quint32>(first) << 16) | second;
    if (const auto it = pairs_.constFind(key); it != pairs_.constEnd()) return *it;
    const QChar both[] = {QChar(first), QChar(second)};
    return *pairs_.insert(key, metrics_.horizontalAdvance(QString(both, 2)));
  }

  QFontMetricsF metrics_;
  std::array<qreal, kLatinEnd> single_{};
  QHash<quint32, qreal> pairs_;
};

// Past this many measured texts the remaining bound is taken as it is: never narrower than
// a text, at worst a few pixels wider.
constexpr int kMostMeasured = 64;

}  // namespace

GridView::GridView(QWidget* parent) : ChoiceView<QTableView>(parent) {}

int GridView::contentWidth(int column) const {
  const QAbstractItemModel* data = model();
  if (!data) return -1;
  ensurePolished();
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  PairBound bounds(option.font);

  struct Candidate {
    qreal bound;
    int row;
  };
  std::vector<Candidate> candidates;
  candidates.reserve(static_cast<std::size_t>(data->rowCount()));
  for (int row = 0; row < data->rowCount(); ++row) {
    if (isRowHidden(row)) continue;
    candidates.push_back({bounds.of(data->index(row, column).data().toString()), row});
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.bound > b.bound; });

  const QFontMetricsF metrics(option.font);
  int widest = 0;
  int margins = -1;  // what the cell adds to its text, found on the first text measured
  int measured = 0;
  for (const Candidate& candidate : candidates) {
    const bool bounded = candidate.bound != PairBound::kUnbounded;
    if (bounded && margins >= 0) {
      // The cell's width grows with its text's, rounded up the same way.
      const int boundWidth = static_cast<int>(std::ceil(candidate.bound)) + margins;
      if (boundWidth <= widest) break;  // sorted: no later text can be wider
      if (measured >= kMostMeasured) {
        widest = boundWidth;
        break;
      }
    }
    const QModelIndex index = data->index(candidate.row, column);
    const int width = itemDelegateForIndex(index)->sizeHint(option, index).width();
    if (bounded && margins < 0) {
      const qreal text = metrics.horizontalAdvance(index.data().toString());
      margins = width - static_cast<int>(std::ceil(text));
    }
    widest = std::max(widest, width);
    ++measured;
  }
  return showGrid() ? widest + 1 : widest;
}

void GridView::fitRowsTo(int column) {
  const QAbstractItemModel* data = model();
  if (!data || column < 0 || column >= data->columnCount()) return;
  ensurePolished();
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.features |= QStyleOptionViewItem::WrapText;
  option.rect = QRect(0, 0, columnWidth(column), QWIDGETSIZE_MAX);
  QHeaderView& rows = *verticalHeader();
  // A row of several lines keeps what a row of one has above and below its text (the grid
  // line included).
  const int oneLine = rows.defaultSectionSize();
  const int spacing = std::max(0, oneLine - option.fontMetrics.height());
  QHash<QString, int> heights;
  for (int row = 0; row < data->rowCount(); ++row) {
    const QModelIndex index = data->index(row, column);
    const QString text = index.data().toString();
    auto height = heights.constFind(text);
    if (height == heights.constEnd()) {
      height = heights.insert(
          text, std::max(oneLine,
                         itemDelegateForIndex(index)->sizeHint(option, index).height() + spacing));
    }
    if (rows.sectionSize(row) != *height) rows.resizeSection(row, *height);
  }
}

}  // namespace survey::ui
