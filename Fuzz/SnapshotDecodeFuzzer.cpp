// libFuzzer target: any bytes into the snapshot decoder; the invariants must hold.
#include <cstdio>
#include <cstdlib>

#include "Fuzz/SnapshotInvariants.hpp"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string broken =
      fuzzcheck::snapshotInvariantViolation(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
