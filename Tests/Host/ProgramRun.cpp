#include "ProgramRun.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

extern char** environ;

namespace hosttest {
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path makeTempDir(const char* prefix) {
  std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

}  // namespace

Outcome run(const std::vector<std::string>& args) {
  const fs::path dir = makeTempDir("pellora-run-");
  const std::string outPath = (dir / "out").string(), errPath = (dir / "err").string();
  std::vector<std::string> all{PELLORA_WIDGETS_PROGRAM};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  Outcome result;
  if (rc == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  result.out = slurp(outPath);
  result.err = slurp(errPath);
  fs::remove_all(dir);
  return result;
}

void HostTest::SetUp() {
  home_ = makeTempDir("pellora-host-");
  fs::create_directories(scratch());
}

void HostTest::TearDown() { fs::remove_all(home_); }

void HostTest::save(const pellora::WidgetSnapshot& s) const {
  s.save(home_ / "Library/Application Support/Pellora/Widget/snapshot.json");
}

Outcome HostTest::runAtHome(std::vector<std::string> args) const {
  std::vector<std::string> all{"--home", home(), "--now", "2025-12-09T10:00:00Z"};
  all.insert(all.end(), args.begin(), args.end());
  return run(all);
}

pellora::WidgetSnapshot HostTest::snapshot(std::int64_t percent, std::int64_t limit,
                                           double updatedSecondsAgo) {
  pellora::WidgetSnapshot s;
  s.updated = pellora::dateFromSeconds(now - updatedSecondsAgo);
  s.percent = percent;
  s.mode = pellora::WidgetSnapshot::Mode::onBattery;
  s.status = "On battery";
  s.minutesLeft = 320;
  s.limit = limit;
  return s;
}

}  // namespace hosttest
