#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <fstream>

#include <gtest/gtest.h>

#include "PelloraShared/SnapshotFile.hpp"
#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Tests/Support/TempHome.hpp"

namespace {

namespace fs = std::filesystem;
using pellora::WidgetSnapshot;
using testsupport::TempHome;

TEST(StoreLocations, FollowTheUserDatabaseAndTouchNothing) {
  const TempHome home;
  EXPECT_EQ(WidgetSnapshot::folder(), fs::path(home.path().string() + "/Library/Application Support/Pellora/Widget/"));
  EXPECT_EQ(WidgetSnapshot::fileURL(), home.snapshotFile());
  const std::pair<const char*, const char*> icons[] = {
      {"safari.png", "icons/safari.png"}, {"Mail", "icons/Mail"}, {"a b/../c.tiff", "icons/a b/../c.tiff"},
      {"/etc/passwd", "icons//etc/passwd"}, {"", "icons/"}};
  for (const auto& [name, tail] : icons) {
    EXPECT_EQ(WidgetSnapshot::iconURL(name).string(), WidgetSnapshot::folder().string() + tail) << name;
  }
  EXPECT_FALSE(fs::exists(home.path() / "Library"));
}

TEST(StoreLocations, WithoutAUserDatabaseEntryFallBackToHOME) {
  const TempHome home;
  const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", "/somewhere/else", 1);
  for (auto lookup : std::vector<pellora::UserDatabaseLookup>{
           [] { return std::optional<pellora::UserDatabaseEntry>{}; },
           [] { return std::optional<pellora::UserDatabaseEntry>{pellora::UserDatabaseEntry{}}; },
           [] { return std::optional<pellora::UserDatabaseEntry>{pellora::UserDatabaseEntry{""}}; }}) {
    pellora::setUserDatabaseLookup(lookup);
    EXPECT_EQ(WidgetSnapshot::folder(), fs::path("/somewhere/else/Library/Application Support/Pellora/Widget/"));
  }
  ::setenv("HOME", saved.c_str(), 1);
}

TEST(StoreLocations, TheRealUserDatabaseIsUsedByDefault) {
  pellora::setUserDatabaseLookup({});
  EXPECT_EQ(WidgetSnapshot::folder().string().rfind("/Library/Application Support/Pellora/Widget/"),
            WidgetSnapshot::folder().string().size() - std::string("/Library/Application Support/Pellora/Widget/").size());
}

struct BadFile {
  const char* name;
  std::string bytes;
};

TEST(Load, AnythingButAValidFileIsNoSnapshot) {
  const std::string valid = pellora::encodeSnapshot(WidgetSnapshot::placeholder());
  const BadFile cases[] = {
      {"empty", ""},
      {"truncated", valid.substr(0, valid.size() / 2)},
      {"bad mode", R"({"updated":1,"percent":72,"mode":"Charging","status":"s","limit":80,"topApps":[]})"},
      {"not JSON", "hello"},
  };
  for (const auto& c : cases) {
    const TempHome home;
    home.writeSnapshotBytes(c.bytes);
    EXPECT_FALSE(WidgetSnapshot::load(WidgetSnapshot::fileURL())) << c.name;
  }
  const TempHome home;
  EXPECT_FALSE(WidgetSnapshot::load(WidgetSnapshot::fileURL())) << "missing";
  fs::create_directories(home.snapshotFile());
  EXPECT_FALSE(WidgetSnapshot::load(WidgetSnapshot::fileURL())) << "a directory in its place";
}

TEST(Load, NeverBlocksOrReadsWithoutBound) {
  const TempHome home;
  fs::create_directories(home.folder());
  ASSERT_EQ(::mkfifo(home.snapshotFile().c_str(), 0600), 0);
  EXPECT_EQ(pellora::readRegularFile(home.snapshotFile()).failure, pellora::ReadFailure::notRegularFile);
  EXPECT_FALSE(WidgetSnapshot::load(home.snapshotFile()));
  fs::remove(home.snapshotFile());
  fs::create_symlink("/dev/zero", home.snapshotFile());
  EXPECT_EQ(pellora::readRegularFile(home.snapshotFile()).failure, pellora::ReadFailure::notRegularFile);
  fs::remove(home.snapshotFile());
  {
    std::ofstream big(home.snapshotFile(), std::ios::binary);
    big.seekp(pellora::maxSnapshotFileBytes);
    big.put(' ');
  }
  const auto result = pellora::readRegularFile(home.snapshotFile());
  EXPECT_EQ(result.failure, pellora::ReadFailure::tooLarge);
  EXPECT_EQ(result.error, "larger than 16 MiB");
}

// A read stops as soon as it has the size the file reported and a read comes back short; files
// of every size come back whole, up to the cap and no further, and a file that the kernel
// generates (size 0, text behind it) is read to its end.
TEST(Load, ReadsEveryByteUpToTheCap) {
  const TempHome home;
  fs::create_directories(home.folder());
  const fs::path file = home.folder() / "sized.bin";
  constexpr std::size_t cap = 10000;
  struct Case {
    std::size_t size;
    bool fits;
  } cases[] = {{0, true}, {1, true}, {4095, true}, {4096, true}, {4097, true}, {cap, true}, {cap + 1, false}};
  for (const auto& c : cases) {
    std::string bytes(c.size, '\0');
    for (std::size_t i = 0; i < c.size; ++i) bytes[i] = char('a' + i % 26);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    const auto result = pellora::readRegularFile(file, cap);
    if (c.fits) {
      ASSERT_TRUE(result.bytes) << c.size << ": " << result.error;
      EXPECT_EQ(*result.bytes, bytes) << c.size;
    } else {
      EXPECT_EQ(result.failure, pellora::ReadFailure::tooLarge) << c.size;
    }
  }
  const auto status = pellora::readRegularFile("/proc/self/status");
  ASSERT_TRUE(status.bytes) << status.error;
  EXPECT_NE(status.bytes->find("nonvoluntary_ctxt_switches:"), std::string::npos) << "the last line is read too";
}

TEST(Load, UnreadableFileIsNoSnapshot) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their mode";
  const TempHome home;
  home.writeSnapshotBytes(pellora::encodeSnapshot(WidgetSnapshot::placeholder()));
  fs::permissions(home.snapshotFile(), fs::perms::none);
  EXPECT_FALSE(WidgetSnapshot::load(home.snapshotFile()));
}

TEST(Save, CreatesTheFoldersThenReplacesTheFile) {
  const TempHome home;
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.save(WidgetSnapshot::fileURL());
  ASSERT_TRUE(fs::is_regular_file(home.snapshotFile()));
  EXPECT_EQ(testsupport::readFile(home.snapshotFile()), pellora::encodeSnapshot(s));
  auto back = WidgetSnapshot::load(WidgetSnapshot::fileURL());
  ASSERT_TRUE(back);
  EXPECT_TRUE(*back == s);

  s.percent = 12;
  s.insight.reset();
  s.save(WidgetSnapshot::fileURL());
  back = WidgetSnapshot::load(WidgetSnapshot::fileURL());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->percent, 12);
  EXPECT_FALSE(back->insight);
  // Only the snapshot is left in the folder: no temporary files.
  EXPECT_EQ(std::distance(fs::directory_iterator(home.folder()), fs::directory_iterator()), 1);
  EXPECT_EQ(fs::status(home.snapshotFile()).permissions() & fs::perms::others_read, fs::perms::others_read);
}

// Every failed save reports its error and leaves the old file byte for byte.
TEST(Save, FailuresLeaveTheOldFileUntouched) {
  const TempHome home;
  const WidgetSnapshot good = WidgetSnapshot::placeholder();
  good.save(WidgetSnapshot::fileURL());
  const std::string before = testsupport::readFile(home.snapshotFile());

  WidgetSnapshot bad = good;
  bad.temperature = std::nan("");
  EXPECT_THROW(bad.save(WidgetSnapshot::fileURL()), pellora::EncodingError);
  bad = good;
  bad.watts = INFINITY;
  EXPECT_THROW(bad.save(WidgetSnapshot::fileURL()), pellora::EncodingError);
  EXPECT_EQ(testsupport::readFile(home.snapshotFile()), before);

  // A directory in the target's place: the rename fails.
  const fs::path blocked = home.folder() / "blocked.json";
  fs::create_directories(blocked / "inside");
  EXPECT_THROW(good.save(blocked), std::system_error);
  EXPECT_EQ(std::distance(fs::directory_iterator(home.folder()), fs::directory_iterator()), 2);

  if (::geteuid() != 0) {
    fs::permissions(home.folder(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(good.save(WidgetSnapshot::fileURL()), std::system_error);
    fs::permissions(home.folder(), fs::perms::owner_all);
    EXPECT_EQ(testsupport::readFile(home.snapshotFile()), before);
  }
}

TEST(Save, ARegularFileWhereTheFolderShouldBeIsReported) {
  const TempHome home;
  fs::create_directories(home.path() / "Library/Application Support");
  std::ofstream(home.path() / "Library/Application Support/Pellora") << "in the way";
  try {
    WidgetSnapshot::placeholder().save(WidgetSnapshot::fileURL());
    FAIL() << "save succeeded";
  } catch (const std::system_error& e) {
    EXPECT_NE(std::string(e.what()).find("cannot create the folder"), std::string::npos) << e.what();
  }
  EXPECT_EQ(testsupport::readFile(home.path() / "Library/Application Support/Pellora"), "in the way");
}

TEST(Save, RemovesTheLeftoversOfAWriterThatDied) {
  const TempHome home;
  fs::create_directories(home.folder());
  // A process id that cannot be running: above the kernel's limit.
  const fs::path dead = home.folder() / ".snapshot.json.99999999.tmp-abcdef";
  const fs::path alive = home.folder() / (".snapshot.json." + std::to_string(::getppid()) + ".tmp-abcdef");
  const fs::path unrelated = home.folder() / ".other.json.99999999.tmp-abcdef";
  for (const auto& p : {dead, alive, unrelated}) std::ofstream(p) << "{\"half";
  WidgetSnapshot::placeholder().save(WidgetSnapshot::fileURL());
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(alive));
  EXPECT_TRUE(fs::exists(unrelated));
}

TEST(Save, ARelativeFileNameWritesInTheWorkingFolder) {
  const TempHome home;
  const fs::path before = fs::current_path();
  fs::current_path(home.path());
  WidgetSnapshot::placeholder().save("plain.json");
  fs::current_path(before);
  EXPECT_TRUE(WidgetSnapshot::load(home.path() / "plain.json"));
}

}  // namespace

namespace {

TEST(Load, ReadsThroughTheReaderInPlace) {
  const TempHome home;
  WidgetSnapshot::placeholder().save(WidgetSnapshot::fileURL());
  std::vector<std::string> asked;
  pellora::setFileReader([&asked](const fs::path& p, std::size_t) {
    asked.push_back(p.string());
    return pellora::FileContents{std::nullopt, pellora::ReadFailure::unreadable, "denied"};
  });
  EXPECT_FALSE(WidgetSnapshot::load(WidgetSnapshot::fileURL()));
  pellora::setFileReader({});
  EXPECT_TRUE(WidgetSnapshot::load(WidgetSnapshot::fileURL()));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], WidgetSnapshot::fileURL().string());
}

}  // namespace
