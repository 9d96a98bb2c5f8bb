// Reading exchange files line by line: the file reader must cut lines exactly
// as the whole-text splitter does, whatever its buffer size, and the reading
// must take the file's encoding from the whole file.
#include "uddf/import/exchange_lines.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "import/import_test_support.h"
#include "store/file_io.h"
#include "store/text_encoding.h"
#include "support/fakes.h"
#include "support/survey_rows.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace survey::uddf {
namespace {

namespace fs = std::filesystem;
using testing::airportSection;
using testing::emptyRest;
using testing::joinLines;

std::vector<std::string> drain(RawLines& lines) {
  std::vector<std::string> out;
  std::string_view line;
  while (lines.next(line)) out.emplace_back(line);
  return out;
}

class ExchangeFile : public ::testing::Test {
 protected:
  fs::path write(const std::string& bytes) {
    const fs::path path = dir_.path() / ("file" + std::to_string(++written_) + ".uddf");
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  survey::testing::TempDir dir_;
  int written_ = 0;
};

TEST_F(ExchangeFile, FileReaderCutsLinesAsTheSplitterDoesAtEveryBufferSize) {
  const std::string longLine(70, 'x');
  const std::vector<std::string> texts = {
      "",
      "\n",
      "\r\n\r\n",
      "\r\r\n\n\r",
      "one",
      "one\r\ntwo\rthree\nfour",
      "one\r\ntwo\r\n",
      longLine + "\r\n" + longLine + "\r" + "\n" + longLine,
      std::string(15, 'a') + "\r\n" + std::string(14, 'b') + "\r\n\r",
      std::string(16, 'a') + "\r" + std::string(15, 'b') + "\n\n",
  };
  for (const std::string& text : texts) {
    const std::vector<std::string_view> views = splitLines(text);
    const std::vector<std::string> expected(views.begin(), views.end());
    TextLines inMemory(text);
    EXPECT_EQ(drain(inMemory), expected) << ::testing::PrintToString(text);
    const fs::path path = write(text);
    // Small buffers put every terminator, and the two bytes of CR LF, on a
    // buffer boundary somewhere.
    for (std::size_t size : {16u, 17u, 18u, 19u, 31u, 4096u}) {
      FileLines file(path, size);
      ASSERT_TRUE(file.opened());
      EXPECT_EQ(drain(file), expected) << ::testing::PrintToString(text) << " buffer " << size;
      EXPECT_TRUE(file.error().empty());
      ASSERT_TRUE(file.rewind());
      EXPECT_EQ(drain(file), expected) << "read again, buffer " << size;
    }
  }
}

TEST_F(ExchangeFile, ReadingStopsAtALineLongerThanTheLimit) {
  const std::string fits(40, 'x'), tooLong(41, 'y');
  struct Case {
    std::string text;
    std::vector<std::string> lines;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"a\r\n" + fits + "\r\n" + fits, {"a", fits, fits}, ""},
      {"a\r\n" + fits + "\r\n" + tooLong + "\r\nb\r\n", {"a", fits}, "line 3"},
      {"a\n" + tooLong, {"a"}, "line 2"},
      {tooLong + tooLong, {}, "line 1"},
  };
  for (const Case& c : cases) {
    const fs::path path = write(c.text);
    for (std::size_t size : {16u, 64u}) {
      for (bool readAgain : {false, true}) {
        FileLines file(path, size, 40);
        // As a Windows-1252 byte makes the import do: the second reading counts lines anew.
        if (std::string_view first; readAgain && file.next(first)) {
          ASSERT_TRUE(file.rewind());
        }
        EXPECT_EQ(drain(file), c.lines) << c.text;
        if (c.error.empty()) {
          EXPECT_EQ(file.error(), "");
        } else {
          EXPECT_EQ(file.error(),
                    c.error + " is longer than 40 bytes, far too long for a UDDF file");
        }
      }
    }
  }
}

TEST_F(ExchangeFile, MissingFileIsReportedAndAPipeCanBeReadTwice) {
  FileLines missing(fs::temp_directory_path() / "survey-lines-no-such-file.uddf");
  EXPECT_FALSE(missing.opened());
  EXPECT_EQ(missing.error(), "No such file or directory");
  std::string_view line;
  EXPECT_FALSE(missing.next(line));

  // A Windows-1252 byte on the last line makes the import read the pipe again.
  std::vector<std::string> lines = airportSection("ABC");
  for (const auto& rest : emptyRest("caf\xE9")) lines.push_back(rest);
  const std::string bytes = joinLines(lines);
  const fs::path fifo = dir_.path() / "pipe.uddf";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << bytes; });
  SurveyStore store;
  const ImportResult result = importUddfFile(store, fifo);
  writer.join();
  ASSERT_TRUE(result.ok) << result.message;
  SurveyStore converted;
  ASSERT_TRUE(importUddfText(converted, windows1252ToUtf8(bytes)).ok);
  EXPECT_NE(converted.airports().cell(1, 36).find("caf\xC3\xA9"), std::string::npos);
  EXPECT_EQ(store.airports().cell(1, 36), converted.airports().cell(1, 36));
}

// Counts the lines a reader asks for.
class CountingLines final : public RawLines {
 public:
  explicit CountingLines(std::string_view text) : inner_(text) {}
  bool next(std::string_view& line) override {
    if (!inner_.next(line)) return false;
    ++handedOut;
    return true;
  }
  bool rewind() override { return inner_.rewind(); }
  const std::string& error() const override { return inner_.error(); }
  int handedOut = 0;

 private:
  TextLines inner_;
};

TEST(ExchangeReading, AnotherVersionIsRefusedAfterItsFirstLine) {
  std::string file = "|ABC| | |1.06|\n";
  for (int i = 0; i < 1000; ++i) file += "|x|\n";
  CountingLines lines(file);
  SurveyStore store;
  const ImportResult result = importUddfLines(store, lines);
  EXPECT_EQ(result.message, kWrongVersionMessage);
  EXPECT_EQ(lines.handedOut, 1);
  EXPECT_EQ(store.airports().count(), 0);
}

// A file is Windows-1252 unless all of it is valid UTF-8, so a stray byte on
// the last line changes how the first line reads.
TEST_F(ExchangeFile, EncodingIsDecidedByTheWholeFile) {
  const std::string utf8Name = "CAF\xC3\x89";  // valid UTF-8 "CAFÉ"
  const std::vector<std::string> tails = {"", "\xE9 remark"};
  for (const std::string& tail : tails) {
    std::vector<std::string> lines = airportSection(utf8Name);
    for (const auto& line : emptyRest(tail)) lines.push_back(line);
    const std::string bytes = joinLines(lines);
    const std::string expectedName =
        isValidUtf8(bytes) ? utf8Name : windows1252ToUtf8(utf8Name);  // "CAFÃ‰" once converted
    SurveyStore fromText;
    ASSERT_TRUE(importUddfText(fromText, bytes).ok);
    EXPECT_EQ(fromText.airports().cell(1, 3), expectedName) << tail;
    SurveyStore fromFile;
    ASSERT_TRUE(importUddfFile(fromFile, write(bytes)).ok);
    EXPECT_EQ(fromFile.airports().cell(1, 3), expectedName) << tail;
    EXPECT_EQ(checkUddfFile(write(bytes)).total(), checkUddfText(bytes).total());
  }
}

// One fault put into a file that checks clean: exactly that problem, at its place.
TEST(ExchangeReading, CheckFindsEachFaultPutIntoACleanFile) {
  const std::string clean =
      readWholeFile(std::string(SURVEY_TEST_DATA) + "/export/runways.uddf").bytes;
  ASSERT_EQ(checkUddfText(clean).total(), 0);
  for (const auto& fault : survey::testing::caseTable("import/check_faults.cases", 3)) {
    std::string file = clean;
    file.replace(file.find(fault[0]), fault[0].size(), fault[1]);
    const UddfCheckReport report = checkUddfText(file);
    ASSERT_EQ(report.problems.size(), 1u) << fault[1];
    EXPECT_EQ(describe(report.problems[0]), fault[2]);
  }
}

TEST(ExchangeReading, CheckListsTheFirstProblemsAndCountsTheRest) {
  std::string file;
  for (int i = 0; i < 50; ++i) file += "\n";
  const UddfCheckReport all = checkUddfText(file, 1000000);
  ASSERT_GT(all.problems.size(), 20u);
  EXPECT_EQ(all.unlisted, 0);
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{20}, all.problems.size()}) {
    const UddfCheckReport capped = checkUddfText(file, limit);
    ASSERT_EQ(capped.problems.size(), limit);
    EXPECT_EQ(capped.total(), all.total()) << limit;
    for (std::size_t i = 0; i < limit; ++i) {
      EXPECT_EQ(describe(capped.problems[i]), describe(all.problems[i]));
    }
  }
  UddfCheckReport two;
  two.problems.resize(1000);
  two.unlisted = 1;
  EXPECT_EQ(describeUnlisted(two),
            "and 1 more problem not listed (only the first 1000 are listed)");
  two.unlisted = 2345;
  EXPECT_EQ(describeUnlisted(two),
            "and 2345 more problems not listed (only the first 1000 are listed)");
}

}  // namespace
}  // namespace survey::uddf
