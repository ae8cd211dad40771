#include "Platform/Sandbox/ResolvePath.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include "Tests/Platform/Sandbox/TempFolder.hpp"

namespace {

namespace fs = std::filesystem;

struct ResolveCase {
  const char* name;
  const char* path;      // below the scratch folder, or absolute
  const char* resolved;  // the same; empty for the scratch folder itself
  bool exists;
};

void PrintTo(const ResolveCase& c, std::ostream* out) { *out << c.name; }

const ResolveCase resolveCases[] = {
    {"PlainFile", "real/file.txt", "real/file.txt", true},
    {"RelativeLinkToFolder", "link/file.txt", "real/file.txt", true},
    {"AbsoluteLinkToFolder", "absolute-link/sub", "real/sub", true},
    {"ChainOfLinksThenDotDot", "chain/sub/../file.txt", "real/file.txt", true},
    {"DotDotAfterLinkLeavesItsTarget", "link/sub/link-up/file.txt", "real/file.txt", true},
    {"DotDotOfALinkIsTheTargetsParent", "deep-link/..", "real", true},
    {"LinkToFile", "real/file-link", "real/file.txt", true},
    {"DanglingLinkIsFollowed", "dangling", "real/absent.txt", false},
    {"MissingTailIsWrittenDown", "real/absent/./x/../y", "real/absent/y", false},
    {"BelowARegularFile", "real/file.txt/..", "real", false},
    {"Root", "/", "/", true},
    {"AboveRoot", "/../..", "/", true},
};

class ResolvePath : public testing::TestWithParam<ResolveCase> {};

TEST_P(ResolvePath, FollowsLinksAndDotDotLikeTheKernel) {
  const ResolveCase& c = GetParam();
  testing_support::TempFolder tmp;
  tmp.file("real/file.txt", "x");
  tmp.folder("real/sub");
  tmp.link("link", "real");
  tmp.link("absolute-link", tmp / "real");
  tmp.link("chain", "link");
  tmp.link("real/sub/link-up", "..");
  tmp.link("deep-link", "real/sub");
  tmp.link("real/file-link", "file.txt");
  tmp.link("dangling", "link/absent.txt");

  std::error_code error;
  const sandbox::ResolvedPath result = sandbox::resolvePath(tmp / c.path, error);

  ASSERT_FALSE(error) << error.message();
  EXPECT_EQ(result.path, *c.resolved ? tmp / c.resolved : tmp.path());
  EXPECT_EQ(result.exists, c.exists);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolvePath, testing::ValuesIn(resolveCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
