// Every seed and every kept crasher of the snapshot decoder's fuzzer, checked with the same
// invariants as the fuzzer checks, in the ordinary build.
#include <gtest/gtest.h>

#include "Fuzz/SnapshotInvariants.hpp"
#include "Tests/Fault/CorpusFiles.hpp"

namespace {

class SnapshotCorpus : public testing::TestWithParam<faulttest::CorpusFile> {};

TEST_P(SnapshotCorpus, KeepsTheInvariantsAndItsNamedOutcome) {
  const auto& file = GetParam();
  const std::string bytes = faulttest::fileBytes(file.path);
  EXPECT_EQ(fuzzcheck::snapshotInvariantViolation(bytes), "");
  const auto decoded = pellora::decodeSnapshot(bytes);
  if (file.mustDecode) {
    EXPECT_TRUE(decoded.snapshot) << decoded.error;
  }
  if (file.mustRefuse) {
    EXPECT_FALSE(decoded.snapshot);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, SnapshotCorpus, testing::ValuesIn(faulttest::corpusFiles("snapshot-decode")),
                         [](const auto& info) { return info.param.testName; });

}  // namespace
