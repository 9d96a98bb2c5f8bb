// libFuzzer: the UDDF import.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string broken = survey::fuzz::importUddf(data, size);
  if (!broken.empty()) {
    std::fprintf(stderr, "import: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
