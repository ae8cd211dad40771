// Every seed and every kept crasher of the icon decoder's fuzzer, checked with the same
// invariants as the fuzzer checks, in the ordinary build.
#include <gtest/gtest.h>

#include "Fuzz/ImageInvariants.hpp"
#include "Tests/Fault/CorpusFiles.hpp"

namespace {

class ImageCorpus : public testing::TestWithParam<faulttest::CorpusFile> {};

TEST_P(ImageCorpus, KeepsTheInvariantsAndItsNamedOutcome) {
  const auto& file = GetParam();
  const std::string bytes = faulttest::fileBytes(file.path);
  EXPECT_EQ(fuzzcheck::imageInvariantViolation(bytes), "");
  const auto decoded = imageio::decodePNG(bytes);
  if (file.mustDecode) {
    EXPECT_TRUE(decoded);
  }
  if (file.mustRefuse) {
    EXPECT_FALSE(decoded);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ImageCorpus, testing::ValuesIn(faulttest::corpusFiles("png-decode")),
                         [](const auto& info) { return info.param.testName; });

}  // namespace
