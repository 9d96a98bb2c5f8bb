// libFuzzer: the store loader, on a directory of its own.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string broken =
      survey::fuzz::loadStoreFiles(data, size, survey::fuzz::scratchDirectory());
  if (!broken.empty()) {
    std::fprintf(stderr, "store load: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
