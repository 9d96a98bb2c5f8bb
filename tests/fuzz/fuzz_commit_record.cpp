// libFuzzer: the commit record's reader, against a store folder of its own.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string broken =
      survey::fuzz::readCommitRecordOf(data, size, survey::fuzz::scratchDirectory());
  if (!broken.empty()) {
    std::fprintf(stderr, "commit record: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
