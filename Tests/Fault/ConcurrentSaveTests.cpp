// A writer process saves numbered snapshots in a loop while reader threads in this process
// load the file: the atomic replacement must show every reader a complete snapshot that was
// written, never a torn one, never none once the file exists, and never an older one than it
// saw before.
//
// Each save syncs the file and its folder. On the development machine's disk one save costs
// about 0.5 ms alone and about 7 ms with two readers busy on its two cores (10 000 saves would
// take over a minute), on tmpfs about 16 µs alone. So the full 10 000 saves run in a tmpfs
// folder under /dev/shm, where the sync is cheap but creating, renaming and reading are the
// same system calls; the run in the temporary folder (the disk here) makes 300.
#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "Tests/Fault/ChildProcess.hpp"
#include "Tests/Fault/NumberedSnapshots.hpp"

namespace {

namespace fs = std::filesystem;
using pellora::WidgetSnapshot;

struct Place {
  const char* name;
  fs::path root;
  std::int64_t saves;
};

void PrintTo(const Place& c, std::ostream* os) { *os << c.name; }

class ConcurrentSave : public testing::TestWithParam<Place> {};

struct ReaderLog {
  std::int64_t loads = 0;
  std::int64_t changes = 0;
  std::string firstFault;
};

void readUntil(const fs::path& file, const std::atomic<bool>& done, std::int64_t saves, ReaderLog& log) {
  std::int64_t last = 0;
  while (!done.load(std::memory_order_acquire)) {
    const auto loaded = WidgetSnapshot::load(file);
    ++log.loads;
    if (!loaded) {
      log.firstFault = "load " + std::to_string(log.loads) + " found no snapshot";
      return;
    }
    const auto k = faulttest::numberOf(*loaded);
    if (!k || *k > saves) {
      log.firstFault = "load " + std::to_string(log.loads) + " found a snapshot that was never written: " +
                       pellora::encodeSnapshot(*loaded);
      return;
    }
    if (*k < last) {
      log.firstFault = "load " + std::to_string(log.loads) + " went back from save " + std::to_string(last) +
                       " to save " + std::to_string(*k);
      return;
    }
    if (*k != last) ++log.changes;
    last = *k;
  }
}

TEST_P(ConcurrentSave, EveryLoadIsACompleteWrittenSnapshot) {
  const Place& place = GetParam();
  if (!fs::is_directory(place.root)) GTEST_SKIP() << place.root << " is not there";
  const faulttest::ScratchFolder scratch(place.root);
  const fs::path file = scratch.path() / "Widget" / "snapshot.json";
  faulttest::numbered(0).save(file);

  // The writer is forked before any reader thread exists, then waits for the start signal.
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    ::close(start[1]);
    char go = 0;
    if (::read(start[0], &go, 1) != 1) ::_exit(3);
    try {
      for (std::int64_t k = 1; k <= place.saves; ++k) faulttest::numbered(k).save(file);
    } catch (const std::exception& e) {
      faulttest::report(2, std::string("writer: ") + e.what() + "\n");
      ::_exit(1);
    }
    ::_exit(0);
  }
  ::close(start[0]);

  std::atomic<bool> done{false};
  std::vector<ReaderLog> logs(2);
  std::vector<std::thread> readers;
  for (auto& log : logs) readers.emplace_back(readUntil, file, std::cref(done), place.saves, std::ref(log));
  ASSERT_EQ(::write(start[1], "g", 1), 1);
  ::close(start[1]);
  int status = 0;
  ::waitpid(writer, &status, 0);
  done.store(true, std::memory_order_release);
  for (auto& r : readers) r.join();

  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the writer failed";
  for (const auto& log : logs) {
    EXPECT_EQ(log.firstFault, "");
    RecordProperty("loads", std::to_string(log.loads));
    RecordProperty("changes seen", std::to_string(log.changes));
  }
  const auto last = WidgetSnapshot::load(file);
  ASSERT_TRUE(last);
  EXPECT_EQ(faulttest::numberOf(*last), place.saves);
  // Only the snapshot is left: every save put its temporary file in place.
  EXPECT_EQ(faulttest::strayNames(file.parent_path(), "snapshot.json"), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Places, ConcurrentSave,
                         testing::Values(Place{"tmpfs", "/dev/shm", 10000},
                                         Place{"TemporaryFolder", fs::temp_directory_path(), 300}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
