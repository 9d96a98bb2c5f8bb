// What each fuzz target does with one input. Shared by the libFuzzer harnesses
// and by the test that replays the committed corpus on every test run.
// Each returns an empty text, or the broken promise it found.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "store/commit_record.h"
#include "store/file_io.h"
#include "store/store_files.h"
#include "uddf/import/uddf_check.h"
#include "uddf/import/uddf_import.h"

namespace survey::fuzz {

// A folder of the harness's own, made once per process.
inline const std::filesystem::path& scratchDirectory() {
  static const std::filesystem::path directory = [] {
    std::string name = (std::filesystem::temp_directory_path() / "survey-fuzz-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    return std::filesystem::path(name);
  }();
  return directory;
}

inline std::string_view asText(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Imports the bytes into a store that already holds a survey "ABC" and is
// nearly full of runways, so refusals and overflows are reached too.
inline std::string importUddf(const uint8_t* data, std::size_t size) {
  SurveyStore store;
  store.airports().appendRow();
  store.airports().setCell(1, 3, "ABC");
  store.runways().setCount(996);
  store.navaids().setCount(9990);
  store.current.surveyKey = "ABC";
  const uddf::ImportResult result = uddf::importUddfText(store, asText(data, size));
  if (!result.ok) {
    if (result.message.empty()) return "a refused import gave no message";
    if (store.airports().count() != 1 || store.runways().count() != 996 ||
        store.navaids().count() != 9990 || store.obstructions().count() != 0 ||
        store.current.surveyKey != "ABC") {
      return "a refused import changed the tables";
    }
    return {};
  }
  if (store.airports().count() != 2) return "an import did not add exactly one survey";
  if (store.runways().count() != 996 + result.runways ||
      store.navaids().count() != 9990 + result.navaids ||
      store.obstructions().count() != result.obstructions) {
    return "the counts disagree with the rows reported";
  }
  const std::string key = store.airports().cell(2, 3);
  if (store.current.surveyKey != key) return "the imported survey is not the current one";
  for (int row = 997; row <= store.runways().count(); ++row) {
    if (store.runways().cell(row, 49) != key) return "a runway is not linked to the survey";
  }
  // Every cell of the new rows must still fit one line of a store file.
  const int firstNew[] = {2, 997, 9991, 1};
  const TableKind kinds[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                             TableKind::Obstruction};
  for (int k = 0; k < 4; ++k) {
    const Table& table = store.table(kinds[k]);
    for (int row = firstNew[k]; row <= table.count(); ++row) {
      for (int field = 1; field <= table.shape().writtenFields; ++field) {
        if (table.cell(row, field).find_first_of("\r\n") != std::string::npos) {
          return "a cell holds a line break";
        }
      }
    }
  }
  return {};
}

inline bool sameProblems(const uddf::UddfCheckReport& a, const uddf::UddfCheckReport& b) {
  if (a.unlisted != b.unlisted || a.problems.size() != b.problems.size()) return false;
  for (std::size_t i = 0; i < a.problems.size(); ++i) {
    if (uddf::describe(a.problems[i]) != uddf::describe(b.problems[i])) return false;
  }
  return true;
}

// Checks the bytes in memory, then from a file read through a tiny buffer:
// the two must find the same problems.
inline std::string checkUddf(const uint8_t* data, std::size_t size) {
  const std::string_view bytes = asText(data, size);
  const auto report = uddf::checkUddfText(bytes, 8);
  if (report.problems.size() > 8) return "more problems listed than the limit";
  if (report.unlisted > 0 && report.problems.size() != 8)
    return "problems unlisted below the limit";
  for (const auto& problem : report.problems) {
    if (problem.line < 1) return "a problem without a line";
    if (uddf::describe(problem).empty()) return "a problem without a description";
  }
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("survey-fuzz-check-" + std::to_string(::getpid()));
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  uddf::FileLines lines(file, 16);
  const auto fromFile = uddf::checkUddfLines(lines, 8);
  std::error_code ec;
  std::filesystem::remove(file, ec);
  if (!fromFile.readError.empty()) return "the file could not be read back";
  if (!sameProblems(report, fromFile)) return "the file and the text differ in their problems";
  return {};
}

// The first byte chooses the store file the rest becomes; the other files are absent.
inline std::string loadStoreFiles(const uint8_t* data, std::size_t size,
                                  const std::filesystem::path& directory) {
  if (size == 0) return {};
  namespace fs = std::filesystem;
  const TableKind kinds[] = {TableKind::Airport, TableKind::Runway, TableKind::Navaid,
                             TableKind::Obstruction};
  const TableKind chosen = kinds[data[0] % 4];
  for (TableKind kind : kinds) {
    std::error_code ec;
    fs::remove(directory / std::string(shapeOf(kind).fileName), ec);
  }
  {
    std::ofstream out(directory / std::string(shapeOf(chosen).fileName), std::ios::binary);
    out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  SurveyStore store;
  const StoreLoadReport report = loadStore(store, directory);
  if (report.failed && report.message().empty()) return "a failed load gave no message";
  for (TableKind kind : kinds) {
    const Table& table = store.table(kind);
    if (table.count() < 0 || table.count() > table.shape().capacity) return "a count out of range";
    if (kind != chosen && table.count() != 0) return "a table without a file is not empty";
  }
  // What was loaded can be written again.
  const std::string text = storeFileText(store.table(chosen));
  if (text.empty()) return "a store file text without its header";
  return {};
}

// Reads the bytes as a commit record of a store in directory, each "@" standing
// for the directory's path. Whatever the record says, what it would rename
// must be the store's own files and their temporary files beside them.
inline std::string readCommitRecordOf(const uint8_t* data, std::size_t size,
                                      const std::filesystem::path& directory) {
  namespace fs = std::filesystem;
  std::string text;
  for (const char c : asText(data, size)) text += c == '@' ? directory.string() : std::string(1, c);
  const std::vector<std::string> names{"survey_apt.txt", "survey_rwy.txt", "survey_gs.txt",
                                       "survey_obs.txt"};
  const CommitRecordReading reading = readCommitRecord(text, directory, names);
  using State = CommitRecordReading::State;
  if (reading.state == State::Refused)
    return reading.why.empty() ? "a refusal without a reason" : "";
  if (reading.state == State::Torn && !reading.replacements.empty())
    return "a torn record renames something";
  // The store files are absent here, so each lies in the store folder itself.
  std::vector<fs::path> seen;
  for (const auto& r : reading.replacements) {
    if (r.target.parent_path() != fs::absolute(directory).lexically_normal()) {
      return "a target outside the store: " + r.target.string();
    }
    const std::string name = r.target.filename().string();
    if (std::find(names.begin(), names.end(), name) == names.end())
      return "a target that is no store file: " + name;
    if (std::find(seen.begin(), seen.end(), r.target) != seen.end()) return "a target named twice";
    seen.push_back(r.target);
    if (r.temporary.parent_path() != r.target.parent_path() ||
        !isTemporaryOf(r.temporary.filename().string(), name)) {
      return "a temporary file not of its target: " + r.temporary.string();
    }
  }
  return {};
}

}  // namespace survey::fuzz
