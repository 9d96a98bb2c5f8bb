// Replays the committed fuzz corpus through the fuzz targets on every test run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "fuzz/fuzz_targets.h"
#include "store/file_io.h"

namespace survey::fuzz {
namespace {

namespace fs = std::filesystem;

const uint8_t* data(const std::string& bytes) {
  return reinterpret_cast<const uint8_t*>(bytes.data());
}

// Every committed input of each target keeps the target's promises.
TEST(FuzzCorpus, EveryTargetKeepsItsPromises) {
  const fs::path scratch =
      fs::temp_directory_path() / ("survey-corpus-" + std::to_string(::getpid()));
  fs::create_directories(scratch);
  const std::pair<const char*, std::function<std::string(const std::string&)>> targets[] = {
      {"uddf_import", [](const std::string& b) { return importUddf(data(b), b.size()); }},
      {"uddf_check", [](const std::string& b) { return checkUddf(data(b), b.size()); }},
      {"store_load",
       [&](const std::string& b) { return loadStoreFiles(data(b), b.size(), scratch); }},
      {"commit_record",
       [&](const std::string& b) { return readCommitRecordOf(data(b), b.size(), scratch); }},
  };
  for (const auto& [target, run] : targets) {
    const fs::path directory =
        fs::path(SURVEY_TEST_DATA).parent_path() / "fuzz" / "corpus" / target;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(directory)) {
      if (!entry.is_regular_file()) continue;
      ++files;
      const ReadResult read = readWholeFile(entry.path());
      EXPECT_TRUE(read.ok) << entry.path();
      EXPECT_EQ(run(read.bytes), "") << entry.path();
    }
    EXPECT_GE(files, 5) << target;
  }
  fs::remove_all(scratch);
}

}  // namespace
}  // namespace survey::fuzz
