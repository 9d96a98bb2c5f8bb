// Random edits, deletions and compactions on loaded tables, checked cell by
// cell against a plain model of the tables, across several save-and-load rounds:
// the cells kept as views of the loaded text must never go stale.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "store/file_io.h"
#include "store/store_files.h"
#include "support/fakes.h"

namespace survey {
namespace {

constexpr TableKind kKinds[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                                TableKind::Obstruction};

struct ModelTable {
  TableKind kind;
  int count = 0;
  std::vector<std::vector<std::string>> rows{1};  // index = row; each: fields 0..storageFields

  const TableShape& shape() const { return shapeOf(kind); }
  std::vector<std::string>& row(int r) {
    if (r >= static_cast<int>(rows.size())) rows.resize(r + 1);
    if (rows[r].empty()) rows[r].resize(shape().storageFields + 1);
    return rows[r];
  }
  std::string get(int r, int f) const {
    return r < static_cast<int>(rows.size()) && !rows[r].empty() ? rows[r][f] : std::string();
  }
};

class StoreModel {
 public:
  explicit StoreModel(unsigned seed) : random_(seed) {
    for (auto kind : kKinds) tables_.push_back({kind});
  }

  // Fills the model and writes it as store files, some all ASCII, some with
  // cells in Windows-1252, each file with its own line end (CR LF with one
  // stray CR or LF among them, or ending without one).
  void writeStartFiles(const std::filesystem::path& dir) {
    for (auto& t : tables_) {
      t.count = pick(10, 60);
      const int style = pick(0, 5);
      const std::string eol =
          std::vector<std::string>{"\r\n", "\r\n", "\n", "\r", "\r\n", "\r\n"}[style];
      const bool ascii = pick(0, 1) == 0;
      const int lines = t.count * t.shape().writtenFields;
      const int oddLine = style == 4 ? pick(1, lines) : 0;
      std::string text = std::to_string(t.count) + " : 3.7" + eol;
      for (int r = 1, line = 1; r <= t.count; ++r) {
        for (int f = 1; f <= t.shape().writtenFields; ++f, ++line) {
          const bool older = !ascii && pick(0, 30) == 0;
          std::string value = older ? "Caf\xE9" : randomValue(f == t.shape().linkField);
          if (ascii && !value.empty() && (value[0] & 0x80) != 0) value = "Epinal";
          t.row(r)[f] = older ? "Caf\u00e9" : value;
          text += value;
          if (line == oddLine)
            text += pick(0, 1) ? "\r" : "\n";
          else if (!(style == 5 && line == lines))
            text += eol;
        }
      }
      std::ofstream(dir / std::string(t.shape().fileName), std::ios::binary) << text;
    }
  }

  // One random change, made to the store and to the model alike.
  void change(SurveyStore& store) {
    ModelTable& t = tables_[pick(0, 3)];
    Table& table = store.table(t.kind);
    switch (pick(0, 9)) {
      case 0: {  // a new record
        if (table.appendRow()) ++t.count, t.row(t.count).assign(t.shape().storageFields + 1, "");
        break;
      }
      case 4: {  // a whole record at once, its line breaks becoming blanks
        std::vector<std::string> cells(pick(0, t.shape().storageFields + 1));
        for (std::size_t f = 0; f < cells.size(); ++f) {
          cells[f] = pick(0, 5) ? randomValue(static_cast<int>(f) == t.shape().linkField)
                                : "two\r\nlines\n";
        }
        if (table.appendRecord(cells)) {
          auto& row = t.row(++t.count);
          row.assign(t.shape().storageFields + 1, "");
          for (std::size_t f = 0; f < cells.size(); ++f)
            row[f] = cells[f] == "two\r\nlines\n" ? "two lines " : cells[f];
        }
        break;
      }
      case 1:  // a deleted mark
        if (t.count > 0 && t.shape().deleteField != 0) {
          const int r = pick(1, t.count);
          store.markDeleted(t.kind, r);
          t.row(r)[t.shape().deleteField] = "D";
        }
        break;
      case 2:
      case 3: {  // a survey deleted: every table compacted
        const std::string key = randomKey();
        store.deleteSurvey(key);
        for (auto& m : tables_) compact(m, key);
        break;
      }
      default: {  // a cell, possibly in a row the file does not hold
        const int r = pick(0, t.count + 2);
        const int f = pick(0, t.shape().storageFields);
        std::string value = randomValue(f == t.shape().linkField);
        if (pick(0, 3) == 0) {  // a copy of another row's cell, handed over as the table's view
          const int from = pick(0, t.count);
          value = t.get(from, f);
          table.setCell(r, f, table.cell(from, f));
        } else {
          table.setCell(r, f, value);
        }
        if (!value.empty() || r < static_cast<int>(t.rows.size())) t.row(r)[f] = value;
      }
    }
  }

  // What a save does to the tables: the empty survey type becomes "AOC".
  void saved() {
    ModelTable& apt = tables_[0];
    for (int r = 1; r <= apt.count; ++r)
      if (apt.get(r, 25).empty()) apt.row(r)[25] = "AOC";
  }
  // What a load sees: the saved rows and fields only.
  void reloaded() {
    for (auto& t : tables_) {
      t.rows.resize(t.count + 1);
      for (auto& row : t.rows) {
        if (row.empty()) continue;
        row[0] = "";
        for (int f = t.shape().writtenFields + 1; f <= t.shape().storageFields; ++f) row[f] = "";
      }
      t.rows[0].clear();
    }
  }

  void expectSame(const SurveyStore& store, const std::string& when) const {
    for (const auto& t : tables_) {
      const Table& table = store.table(t.kind);
      ASSERT_EQ(table.count(), t.count) << when << " " << t.shape().name;
      for (int r = 0; r < static_cast<int>(t.rows.size()); ++r)
        for (int f = 0; f <= t.shape().storageFields; ++f)
          ASSERT_EQ(table.cell(r, f), t.get(r, f))
              << when << " " << t.shape().name << " row " << r << " field " << f;
    }
  }
  // The files a save writes, written plainly from the model.
  void expectFiles(const std::filesystem::path& dir) const {
    for (const auto& t : tables_) {
      std::string text = std::to_string(t.count) + " : 3.7\r\n";
      for (int r = 1; r <= t.count; ++r)
        for (int f = 1; f <= t.shape().writtenFields; ++f) text += t.get(r, f) + "\r\n";
      EXPECT_EQ(readWholeFile(dir / std::string(t.shape().fileName)).bytes, text) << t.shape().name;
    }
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string randomKey() { return pick(0, 5) == 0 ? "" : "K" + std::to_string(pick(1, 4)); }
  std::string randomValue(bool key) {
    if (key) return randomKey();
    static const char* kValues[] = {"", "", "09", " 7 ", "P - Paved", "\u00c9pinal", "True"};
    return kValues[pick(0, 6)];
  }
  static void compact(ModelTable& t, const std::string& key) {
    int kept = 0;
    for (int r = 1; r <= t.count; ++r) {
      if (t.get(r, t.shape().linkField) == key) continue;
      if (++kept != r) t.rows[kept] = t.rows[r];
    }
    t.count = kept;
  }

  std::mt19937 random_;
  std::vector<ModelTable> tables_;
};

TEST(StoreModel, RandomChangesSaveAndLoadAsThePlainModelDoes) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    testing::TempDir dir;
    StoreModel model(seed);
    model.writeStartFiles(dir.path());
    auto store = std::make_unique<SurveyStore>();
    ASSERT_FALSE(loadStore(*store, dir.path()).failed);
    model.expectSame(*store, "seed " + std::to_string(seed) + " first load");
    for (int round = 1; round <= 5; ++round) {
      const std::string when = "seed " + std::to_string(seed) + " round " + std::to_string(round);
      for (int step = 0; step < 40; ++step) model.change(*store);
      model.expectSame(*store, when + " after changes");
      ASSERT_TRUE(saveStore(*store, dir.path()).ok());
      model.saved();
      model.expectSame(*store, when + " after save");
      model.expectFiles(dir.path());
      store = std::make_unique<SurveyStore>();
      ASSERT_FALSE(loadStore(*store, dir.path()).failed);
      model.reloaded();
      model.expectSame(*store, when + " after load");
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace survey
