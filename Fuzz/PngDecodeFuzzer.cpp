// libFuzzer target: any bytes into the icon decoder; the invariants must hold.
#include <cstdio>
#include <cstdlib>

#include "Fuzz/ImageInvariants.hpp"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string broken =
      fuzzcheck::imageInvariantViolation(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
