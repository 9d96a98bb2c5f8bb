// Replays the committed fuzz corpus through the fuzz targets on every test run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "store/file_io.h"

namespace survey::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpus(const char* target) {
  const fs::path directory = fs::path(SURVEY_TEST_DATA).parent_path() / "fuzz" / "corpus" / target;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(directory)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

std::string bytesOf(const fs::path& file) {
  const ReadResult read = readWholeFile(file);
  EXPECT_TRUE(read.ok) << file;
  return read.bytes;
}

const uint8_t* data(const std::string& bytes) {
  return reinterpret_cast<const uint8_t*>(bytes.data());
}

TEST(FuzzCorpus, ImportKeepsItsPromises) {
  const auto files = corpus("uddf_import");
  EXPECT_GE(files.size(), 5u);
  for (const auto& file : files) {
    const std::string bytes = bytesOf(file);
    EXPECT_EQ(importUddf(data(bytes), bytes.size()), "") << file;
  }
}

TEST(FuzzCorpus, CheckKeepsItsPromises) {
  const auto files = corpus("uddf_check");
  EXPECT_GE(files.size(), 5u);
  for (const auto& file : files) {
    const std::string bytes = bytesOf(file);
    EXPECT_EQ(checkUddf(data(bytes), bytes.size()), "") << file;
  }
}

TEST(FuzzCorpus, StoreLoadKeepsItsPromises) {
  const auto files = corpus("store_load");
  EXPECT_GE(files.size(), 5u);
  const fs::path scratch =
      fs::temp_directory_path() / ("survey-corpus-" + std::to_string(::getpid()));
  fs::create_directories(scratch);
  for (const auto& file : files) {
    const std::string bytes = bytesOf(file);
    EXPECT_EQ(loadStoreFiles(data(bytes), bytes.size(), scratch), "") << file;
  }
  fs::remove_all(scratch);
}

}  // namespace
}  // namespace survey::fuzz
