#include "Platform/Sandbox/Sandbox.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <thread>
#include <string_view>

#include "Tests/Platform/Sandbox/TempFolder.hpp"

namespace sandbox {
void PrintTo(ReadFailure failure, std::ostream* out) { *out << describe(failure); }
}  // namespace sandbox

namespace {

using namespace std::string_view_literals;
using sandbox::ReadFailure;
using sandbox::Sandbox;
namespace fs = std::filesystem;

// Every read in the table is capped at this many bytes.
constexpr std::size_t cap = 16;

// granted/ is the one granted folder; outside/ and granted-sibling/ are not granted.
class SandboxTree {
 public:
  SandboxTree() {
    tmp.file("granted/notes.txt", "inside");
    tmp.file("granted/binary.bin", "a\0b\xff"sv);
    tmp.file("granted/sub/inner.txt", "nested");
    tmp.file("granted/exactly-cap.bin", std::string(cap, 'x'));
    tmp.file("granted/over-cap.bin", std::string(cap + 1, 'x'));
    tmp.sparseFile("granted/fifty-megabytes.bin", 50u * 1000u * 1000u);
    tmp.folder("granted/dir");
    tmp.fifo("granted/fifo");
    tmp.link("granted/zero", "/dev/zero");
    tmp.link("granted/escape", "../outside/secret.txt");
    tmp.link("granted/escape-folder", "../outside");
    tmp.link("granted/dangling", "../outside/absent.txt");
    tmp.link("granted/to-inner", "sub/inner.txt");
    tmp.link("granted/loop-a", "loop-b");
    tmp.link("granted/loop-b", "loop-a");
    tmp.file("outside/secret.txt", "secret");
    tmp.fifo("outside/fifo");
    tmp.link("outside/into-grant", "../granted/notes.txt");
    tmp.link("outside/into-grant-folder", tmp / "granted/sub");
    tmp.file("granted-sibling/notes.txt", "sibling");
  }

  testing_support::TempFolder tmp;
  Sandbox box{{tmp / "granted"}};
};

struct ReadCase {
  const char* name;
  const char* path;  // below the scratch folder, or absolute
  ReadFailure failure;
  bool allowed;
  std::string_view bytes = {};  // what a successful read yields
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

const ReadCase readCases[] = {
    {"FileInside", "granted/notes.txt", ReadFailure::none, true, "inside"},
    {"BinaryBytesUnchanged", "granted/binary.bin", ReadFailure::none, true, "a\0b\xff"sv},
    {"FileInSubfolder", "granted/sub/inner.txt", ReadFailure::none, true, "nested"},
    {"DotDotStayingInside", "granted/sub/../notes.txt", ReadFailure::none, true, "inside"},
    {"DotAndDoubleSlash", "granted/./sub//inner.txt", ReadFailure::none, true, "nested"},
    {"LinkInsideToInside", "granted/to-inner", ReadFailure::none, true, "nested"},
    {"LinkOutsideToInside", "outside/into-grant", ReadFailure::none, true, "inside"},
    {"FolderLinkOutsideToInside", "outside/into-grant-folder/inner.txt", ReadFailure::none, true,
     "nested"},
    {"ExactlyTheCap", "granted/exactly-cap.bin", ReadFailure::none, true, "xxxxxxxxxxxxxxxx"},

    {"FileOutside", "outside/secret.txt", ReadFailure::denied, false},
    {"DotDotEscape", "granted/../outside/secret.txt", ReadFailure::denied, false},
    {"DeepDotDotEscape", "granted/sub/../../outside/secret.txt", ReadFailure::denied, false},
    {"DotDotThroughMissingFolder", "granted/absent/../../outside/secret.txt",
     ReadFailure::denied, false},
    {"SiblingSharingThePrefix", "granted-sibling/notes.txt", ReadFailure::denied, false},
    {"LinkInsideToOutside", "granted/escape", ReadFailure::denied, false},
    {"FolderLinkInsideToOutside", "granted/escape-folder/secret.txt", ReadFailure::denied, false},
    {"DanglingLinkToOutside", "granted/dangling", ReadFailure::denied, false},
    {"DevZeroThroughLinkInside", "granted/zero", ReadFailure::denied, false},
    {"DevZero", "/dev/zero", ReadFailure::denied, false},
    {"FifoOutsideNeverOpened", "outside/fifo", ReadFailure::denied, false},
    {"MissingOutsideIsDenied", "outside/absent.txt", ReadFailure::denied, false},
    {"ParentOfTheGrant", "granted/..", ReadFailure::denied, false},

    {"MissingInside", "granted/absent.txt", ReadFailure::missing, true},
    {"BelowARegularFile", "granted/notes.txt/more", ReadFailure::missing, true},
    {"RegularFileWithTrailingSlash", "granted/notes.txt/", ReadFailure::missing, true},
    {"FifoWithoutBlocking", "granted/fifo", ReadFailure::notRegularFile, true},
    {"Folder", "granted/dir", ReadFailure::notRegularFile, true},
    {"TheGrantItself", "granted", ReadFailure::notRegularFile, true},
    {"OverTheCap", "granted/over-cap.bin", ReadFailure::tooLarge, true},
    {"FiftyMegabytes", "granted/fifty-megabytes.bin", ReadFailure::tooLarge, true},
    {"LinkLoop", "granted/loop-a", ReadFailure::unreadable, false},
};

class SandboxRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SandboxRead, YieldsTheBytesOrTheFailure) {
  const ReadCase& c = GetParam();
  const SandboxTree tree;
  const fs::path path = tree.tmp / c.path;

  const sandbox::ReadResult result = tree.box.read(path, cap);

  EXPECT_EQ(result.failure, c.failure) << result.reason;
  if (c.failure == ReadFailure::none) {
    ASSERT_TRUE(result.bytes.has_value());
    EXPECT_EQ(*result.bytes, c.bytes);
    EXPECT_TRUE(result.reason.empty());
  } else {
    EXPECT_FALSE(result.bytes.has_value());
    EXPECT_FALSE(static_cast<bool>(result));
    EXPECT_NE(result.reason.find(path.string()), std::string::npos) << result.reason;
    EXPECT_EQ(result.reason.find('\n'), std::string::npos) << result.reason;
  }
  EXPECT_EQ(tree.box.isAllowed(path), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Cases, SandboxRead, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Sandbox, GrantsNothingByDefault) {
  const SandboxTree tree;
  const Sandbox nothing;
  EXPECT_EQ(nothing.read(tree.tmp / "granted/notes.txt", cap).failure, ReadFailure::denied);
  EXPECT_FALSE(nothing.isAllowed(tree.tmp / "granted/notes.txt"));
}

TEST(Sandbox, GrantsSeveralFolders) {
  const SandboxTree tree;
  const Sandbox both({tree.tmp / "granted", tree.tmp / "outside"});
  EXPECT_EQ(both.read(tree.tmp / "granted/notes.txt", cap).bytes, "inside");
  EXPECT_EQ(both.read(tree.tmp / "outside/secret.txt", cap).bytes, "secret");
  EXPECT_EQ(both.read(tree.tmp / "granted-sibling/notes.txt", cap).failure, ReadFailure::denied);
}

// The grant is written with "..", a trailing slash and through a link, as a caller may spell
// it; what counts is the folder it names.
TEST(Sandbox, GrantIsResolvedLikeAnyPath) {
  const SandboxTree tree;
  tree.tmp.link("granted-link", "granted");
  for (const fs::path& grant : {tree.tmp / "outside/../granted/", tree.tmp / "granted-link"}) {
    SCOPED_TRACE(grant.string());
    const Sandbox box({grant});
    EXPECT_EQ(box.read(tree.tmp / "granted/notes.txt", cap).bytes, "inside");
    EXPECT_EQ(box.read(tree.tmp / "granted-link/notes.txt", cap).bytes, "inside");
    EXPECT_EQ(box.read(tree.tmp / "outside/secret.txt", cap).failure, ReadFailure::denied);
  }
}

TEST(Sandbox, FolderThatAppearsLaterGrantsOnlyOnceItExists) {
  const SandboxTree tree;
  const Sandbox box({tree.tmp / "later"});
  const fs::path file = tree.tmp / "later/file.txt";
  EXPECT_EQ(box.read(file, cap).failure, ReadFailure::denied);
  EXPECT_FALSE(box.isAllowed(file));

  tree.tmp.file("later/file.txt", "arrived");
  EXPECT_EQ(box.read(file, cap).bytes, "arrived");
  EXPECT_TRUE(box.isAllowed(file));
  EXPECT_EQ(box.read(tree.tmp / "later/../outside/secret.txt", cap).failure,
            ReadFailure::denied);
  EXPECT_EQ(box.read(tree.tmp / "granted/notes.txt", cap).failure, ReadFailure::denied);
}

TEST(Sandbox, GrantThatIsARegularFileGrantsNothing) {
  const SandboxTree tree;
  const Sandbox box({tree.tmp / "granted/notes.txt"});
  EXPECT_EQ(box.read(tree.tmp / "granted/notes.txt", cap).failure, ReadFailure::denied);
}

// Files that the kernel generates report a size of zero; the cap must hold while reading.
TEST(Sandbox, CapHoldsForFilesOfUnknownSize) {
  const Sandbox proc({"/proc/self"});
  const sandbox::ReadResult small = proc.read("/proc/self/status", cap);
  EXPECT_EQ(small.failure, ReadFailure::tooLarge) << small.reason;

  const sandbox::ReadResult whole = proc.read("/proc/self/status", 1u << 20);
  ASSERT_TRUE(whole.bytes.has_value()) << whole.reason;
  EXPECT_NE(whole.bytes->find("Name:"), std::string::npos);
}

// A folder inside the grant is swapped, again and again, for a link to the outside while reads
// go on: whatever the timing, the outside file's bytes never come back.
TEST(Sandbox, FolderSwappedForALinkNeverLeaksTheOutside) {
  const SandboxTree tree;
  tree.tmp.file("granted/swap/secret.txt", "inside");
  const fs::path folder = tree.tmp / "granted/swap";
  const fs::path parked = tree.tmp / "granted/parked";
  std::atomic<bool> done = false;
  std::thread swapper([&] {
    while (!done) {
      fs::rename(folder, parked);
      fs::create_symlink("../outside", folder);
      fs::remove(folder);
      fs::rename(parked, folder);
    }
  });
  int leaks = 0;
  for (int i = 0; i < 20000; ++i) {
    const sandbox::ReadResult result = tree.box.read(folder / "secret.txt", cap);
    if (result.bytes && *result.bytes != "inside") ++leaks;
  }
  done = true;
  swapper.join();
  EXPECT_EQ(leaks, 0);
  EXPECT_EQ(tree.box.read(folder / "secret.txt", cap).bytes, "inside");
}

TEST(Sandbox, FileWithoutReadPermissionIsUnreadable) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const SandboxTree tree;
  const fs::path file = tree.tmp.file("granted/private.txt", "private");
  fs::permissions(file, fs::perms::none);
  EXPECT_EQ(tree.box.read(file, cap).failure, ReadFailure::unreadable);
  EXPECT_TRUE(tree.box.isAllowed(file));
}

}  // namespace
