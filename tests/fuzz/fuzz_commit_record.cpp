// libFuzzer: the commit record's reader, against a store folder of its own.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_targets.h"

namespace {
const std::filesystem::path& storeDirectory() {
  static const std::filesystem::path directory = [] {
    std::string name = (std::filesystem::temp_directory_path() / "survey-fuzz-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    return std::filesystem::path(name);
  }();
  return directory;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string broken = survey::fuzz::readCommitRecordOf(data, size, storeDirectory());
  if (!broken.empty()) {
    std::fprintf(stderr, "commit record: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
