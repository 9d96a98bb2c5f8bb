#include "store/store_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "store/file_io.h"
#include "store/store_text.h"
#include "store/text_encoding.h"
#include "support/fakes.h"
#include "support/survey_rows.h"

namespace survey {
namespace {

using testing::TempDir;

std::string readBytes(const std::filesystem::path& path) {
  return readWholeFile(path).bytes;
}
void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// An airport record: the given fields, the other lines empty.
std::vector<std::string> airportRecord(std::map<int, std::string> fields) {
  std::vector<std::string> lines(41);
  for (const auto& [field, value] : fields) lines[field - 1] = value;
  return lines;
}

std::string airportFile(const std::string& header,
                        const std::vector<std::vector<std::string>>& records,
                        const std::string& eol = "\r\n") {
  std::string text = header + eol;
  for (const auto& record : records) {
    for (const auto& line : record) text += line + eol;
  }
  return text;
}

TEST(StoreFiles, FirstSaveCreatesTheFolderAndEmptyTablesSaveAsOneHeaderLineEach) {
  TempDir dir;
  const std::filesystem::path folder = dir.path() / "share" / "airport-survey";
  SurveyStore store;
  ASSERT_TRUE(saveStore(store, folder).ok());
  for (const char* name : {"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt", "survey_obs.txt"}) {
    EXPECT_EQ(readBytes(folder / name), "0 : 3.7\r\n") << name;
  }
}

TEST(StoreFiles, SaveWritesEveryFieldOfEveryRecordWithNumberAndBooleanCells) {
  TempDir dir;
  SurveyStore store;
  store.current.surveyType = "";
  store.appendAirport(
      {{1, "Abc Field"}, {3, "ABC"}, {39, booleanCell(true)}, {40, booleanCell(false)}});
  auto navaid = store.appendChild(TableKind::Navaid, {{1, "GS - Glide Slope"}});
  store.navaids().setCell(navaid.row, 19, numberCell(navaid.row));
  ASSERT_TRUE(saveStore(store, dir.path()).ok());

  auto expectedAirport = airportRecord(
      {{1, "Abc Field"}, {3, "ABC"}, {25, "AOC"}, {39, "True"}, {40, "False"}, {41, "NEW"}});
  EXPECT_EQ(readBytes(dir.path() / "survey_apt.txt"), airportFile("1 : 3.7", {expectedAirport}));
  EXPECT_EQ(store.airports().cell(1, 25), "AOC");  // the empty type is replaced in memory too

  const std::string navaids = readBytes(dir.path() / "survey_gs.txt");
  EXPECT_EQ(std::count(navaids.begin(), navaids.end(), '\n'), 1 + 27);
  EXPECT_NE(navaids.find("\r\n 1 \r\n"), std::string::npos);
  const std::string runways = readBytes(dir.path() / "survey_rwy.txt");
  EXPECT_EQ(runways, "0 : 3.7\r\n");
}

TEST(StoreFiles, LoadThenSaveIsByteIdentical) {
  TempDir dir;
  const std::string apt = airportFile(
      "2 : 3.7",
      {airportRecord({{1, "Épinal – Mirecourt"}, {3, "EPL"}, {25, "AOC"}, {41, "CERTIFIED"}}),
       airportRecord({{1, "B"}, {3, "BBB"}, {25, "NAVAID"}, {39, "True"}})});
  writeBytes(dir.path() / "survey_apt.txt", apt);
  // A full runway table: over 2 MiB, the size at which a text is held in large pages.
  std::string rwy = "1000 : 3.7\r\n";
  for (int row = 1; row <= 1000; ++row) {
    for (int field = 1; field <= 200; ++field)
      rwy += (field % 7 == 0 ? "" : "row " + std::to_string(row) + " f" + std::to_string(field)) +
             "\r\n";
  }
  ASSERT_GT(rwy.size(), std::size_t{1} << 21);
  writeBytes(dir.path() / "survey_rwy.txt", rwy);
  SurveyStore store;
  ASSERT_FALSE(loadStore(store, dir.path()).failed);
  EXPECT_EQ(store.runways().cell(1000, 199), "row 1000 f199");
  EXPECT_EQ(store.runways().cell(999, 7), "");
  ASSERT_TRUE(saveStore(store, dir.path()).ok());
  EXPECT_EQ(readBytes(dir.path() / "survey_apt.txt"), apt);
  EXPECT_EQ(readBytes(dir.path() / "survey_rwy.txt"), rwy);
}

// The count comes from the header, records are read regardless of it, and the
// next save writes as many records as the count says.
TEST(StoreFiles, CountComesFromTheHeaderAndRecordsAreReadRegardless) {
  for (const auto& row : testing::caseTable("store/record_counts.cases", 5)) {
    SCOPED_TRACE(row[0]);
    const struct {
      std::string header;
      int records, expectedCount, expectedRowsFilled;
    } c{row[1], std::stoi(row[2]), std::stoi(row[3]), std::stoi(row[4])};
    TempDir dir;
    std::vector<std::vector<std::string>> records;
    for (int i = 1; i <= c.records; ++i)
      records.push_back(airportRecord({{3, "K" + std::to_string(i)}}));
    writeBytes(dir.path() / "survey_apt.txt", airportFile(c.header, records));
    SurveyStore store;
    const auto report = loadStore(store, dir.path());
    EXPECT_FALSE(report.failed) << report.message();
    EXPECT_EQ(store.airports().count(), c.expectedCount);
    for (int row = 1; row <= c.expectedRowsFilled; ++row)
      EXPECT_EQ(store.airports().cell(row, 3), "K" + std::to_string(row));
    ASSERT_TRUE(saveStore(store, dir.path()).ok());
    const std::string saved = readBytes(dir.path() / "survey_apt.txt");
    EXPECT_EQ(saved.substr(0, saved.find('\r')), std::to_string(c.expectedCount) + " : 3.7");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 1 + 41 * c.expectedCount);
  }
}

TEST(StoreFiles, PartialLastRecordFillsOnlyItsFirstFields) {
  TempDir dir;
  std::string obs = "2 : 3.7\r\n";
  for (int field = 1; field <= 25; ++field) obs += "o" + std::to_string(field) + "\r\n";
  obs += "TREE\r\nlast";  // two lines of the second record, the last without line end
  writeBytes(dir.path() / "survey_obs.txt", obs);
  SurveyStore store;
  ASSERT_FALSE(loadStore(store, dir.path()).failed);
  EXPECT_EQ(store.obstructions().count(), 2);
  EXPECT_EQ(store.obstructions().cell(1, 25), "o25");
  EXPECT_EQ(store.obstructions().cell(2, 1), "TREE");
  EXPECT_EQ(store.obstructions().cell(2, 2), "last");
  EXPECT_EQ(store.obstructions().cell(2, 3), "");
}

// Every line end is read. Each line is read as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252, so one stray byte garbles nothing but its own line.
TEST(StoreFiles, EachLineIsReadInItsOwnEncodingWhateverItsEnd) {
  const struct {
    int field;
    const char* bytes;
    const char* text;
  } cells[] = {
      {1, "Caf\xE9 \x93Nord\x94", "Caf\u00e9 \u201cNord\u201d"},
      {3, "\u00c9pinal \u2013 Mirecourt", "\u00c9pinal \u2013 Mirecourt"},
      {4, "\xC3", "\u00c3"},                    // a sequence cut off by the line end
      {5, "\u00e9\xE9", "\u00c3\u00a9\u00e9"},  // a line with one bad byte is Windows-1252 whole
      {6, "plain", "plain"},
      {7, "12\xB0", "12\u00b0"},  // a byte that starts no UTF-8 sequence
      {2, "", ""},
      {41, "NEW", "NEW"},  // the record's last line
  };
  for (const std::string eol : {"\r\n", "\n", "\r"}) {
    TempDir dir;
    std::map<int, std::string> fields;
    for (const auto& cell : cells) fields[cell.field] = cell.bytes;
    writeBytes(dir.path() / "survey_apt.txt", airportFile("1 : 3.7", {airportRecord(fields)}, eol));
    SurveyStore store;
    ASSERT_FALSE(loadStore(store, dir.path()).failed);
    for (const auto& cell : cells)
      EXPECT_EQ(store.airports().cell(1, cell.field), cell.text) << cell.field << " " << eol.size();
  }
}

// A bad file stops the load there; the next save backs up what was not read.
TEST(StoreFiles, LoadStopsAtABadFileAndTheSaveBacksUpWhatWasNotRead) {
  for (const auto& row : testing::caseTable("store/bad_store_files.cases", 5)) {
    SCOPED_TRACE(row[4]);
    const struct {
      std::string file, header;
      int bodyLines, line;
      std::string reason;
    } c{row[0], row[1], std::stoi(row[2]), std::stoi(row[3]), row[4]};
    TempDir dir;
    writeBytes(dir.path() / "survey_apt.txt", airportFile("1 : 3.7", {airportRecord({{3, "A"}})}));
    writeBytes(dir.path() / "survey_gs.txt", "0 : 3.7\r\n");
    std::string bad = c.header + "\r\n";
    for (int i = 0; i < c.bodyLines; ++i) bad += "x\r\n";
    writeBytes(dir.path() / c.file, bad);

    SurveyStore store;
    const auto report = loadStore(store, dir.path());
    ASSERT_TRUE(report.failed);
    EXPECT_EQ(report.file, c.file);
    EXPECT_EQ(report.line, c.line);
    EXPECT_NE(report.message().find(c.file), std::string::npos);
    EXPECT_NE(report.message().find("line " + std::to_string(c.line)), std::string::npos);
    EXPECT_NE(report.reason.find(c.reason), std::string::npos) << report.reason;

    const auto saved = saveStore(store, dir.path(), report.unreadTables);
    ASSERT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(readBytes(dir.path() / (c.file + ".unread-backup")), bad);
    EXPECT_FALSE(saved.backups.empty());
  }
}

// The files after a failed one are not read either. Each unread file is backed up
// once, even when the save fails after its backups, and a backup never replaces another.
TEST(StoreFiles, UnreadFilesAreBackedUpOnceAndNeverOverwritten) {
  TempDir dir;
  writeBytes(dir.path() / "survey_rwy.txt", "oops\r\n");
  writeBytes(dir.path() / "survey_gs.txt", "0 : 3.7\r\n");
  SurveyStore store;
  const auto report = loadStore(store, dir.path());
  ASSERT_TRUE(report.failed);
  const std::vector<TableKind> unread = report.unreadTables;
  EXPECT_EQ(unread,
            (std::vector<TableKind>{TableKind::Runway, TableKind::Obstruction, TableKind::Navaid}));
  store.appendAirport({{3, "ABC"}});
  setWriteFaults({1, 0, -1});  // the airport file fails, after the backups
  const StoreSaveReport first = saveStore(store, dir.path(), unread);
  setWriteFaults({});
  EXPECT_FALSE(first.ok());
  std::vector<TableKind> stillUnread = unread;
  for (TableKind kind : first.backedUpTables) std::erase(stillUnread, kind);
  const StoreSaveReport second = saveStore(store, dir.path(), stillUnread);
  EXPECT_TRUE(second.ok()) << second.message();
  EXPECT_EQ(readBytes(dir.path() / "survey_gs.txt.unread-backup"), "0 : 3.7\r\n");
  for (const char* name : {"survey_rwy.txt.unread-backup1", "survey_apt.txt.unread-backup"})
    EXPECT_FALSE(std::filesystem::exists(dir.path() / name)) << name;
  writeBytes(dir.path() / "survey_rwy.txt", "again\r\n");
  saveStore(store, dir.path(), unread);
  EXPECT_EQ(readBytes(dir.path() / "survey_rwy.txt.unread-backup"), "oops\r\n");
  EXPECT_EQ(readBytes(dir.path() / "survey_rwy.txt.unread-backup1"), "again\r\n");
}

TEST(TextEncoding, ConvertsBetweenUtf8AndWindows1252) {
  EXPECT_TRUE(isValidUtf8("plain ASCII"));
  EXPECT_TRUE(isValidUtf8("\u00e9\u20ac"));
  EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong form
  EXPECT_EQ(windows1252ToUtf8("\x80 \xA9 \x9F"), "\u20ac \u00a9 \u0178");
  EXPECT_EQ(utf8ToWindows1252("\u20ac\u00e9\u4e2d"), "\x80\xE9?");
  // The Latin-1 range keeps its code: its first and last, and the first beyond it.
  EXPECT_EQ(utf8ToWindows1252("\x7f\u00a0\u00ff\u0100"), "\x7F\xA0\xFF?");
  EXPECT_EQ(utf8Length("\u00e9t\u00e9"), 3u);
}

TEST(FileIo, SplitLinesKeepsEmptyLinesAndDropsOnlyTheTerminators) {
  EXPECT_EQ(splitLines("a\r\n\r\nb\rc\nd"),
            (std::vector<std::string_view>{"a", "", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string_view>{"a"}));
  EXPECT_TRUE(splitLines("").empty());
}

// A loaded text is split many bytes at a time when every line ends in CR LF:
// line ends astride those blocks, stray ones and high bytes must split exactly
// as the plain line reader does.
TEST(StoreText, SplitsAsThePlainLineReaderDoes) {
  const std::string twelve(12, 'x');  // after "H\r\n", its line end falls on bytes 15 and 16
  const struct {
    std::string text;
    bool crLfOnly;
    bool ascii;
  } cases[] = {
      {"2 : 3.7\r\na\r\n\r\nbb\r\n", true, true},
      {"H\r\n" + std::string(60, 'x') + "\r\n" + twelve + "\r\n", true, true},  // bytes 63, 64
      {"H\r\n" + twelve + "\r\n\r\n\r\nz\r\n", true, true},
      {"H\r\na\r\nlast", false, true},
      {"H\r\na\rb\r\n", false, true},
      {"H\r\n" + twelve + "\n\r\n", false, true},
      {"H\r\na\r\r\n", false, true},
      {"H\na\r\n", true, true},  // the header's own end is not a line's
      {"H\r\n\xC3\xA9t\xC3\xA9\r\n" + twelve + "\xE9\r\n", true, false},
      {"only a header", true, true},
      {"H\r\n", true, true},
  };
  for (const auto& c : cases) {
    const std::vector<std::string_view> plain = splitLines(c.text);
    const StoreText text(FileBytes(c.text.begin(), c.text.end()), 4);
    ASSERT_EQ(text.lineCount() + 1, plain.size()) << c.text;
    EXPECT_EQ(text.header(), plain[0]);
    for (std::size_t i = 0; i < text.lineCount(); ++i) EXPECT_EQ(text.line(i), plain[i + 1]);
    EXPECT_EQ(text.crLfOnly(), c.crLfOnly) << c.text;
    EXPECT_EQ(text.asciiOnly(), c.ascii) << c.text;
    if (c.crLfOnly && text.lineCount() > 0) {
      EXPECT_EQ(text.lines(0, text.lineCount()), c.text.substr(c.text.find('\n') + 1));
    }
  }
}

}  // namespace
}  // namespace survey
