#pragma once
// Runs a piece of a test in a forked child, so that what it does to itself (resource limits,
// dropped privileges, a crash, a hang, its peak memory) stays in the child. The child reports
// through a pipe; its exit status tells whether it finished.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace faulttest {

struct ChildOutcome {
  int status = 0;       // as from waitpid
  std::string output;   // everything the child wrote to its report pipe

  bool exitedNormally() const { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }
  std::string describe() const {
    if (WIFEXITED(status)) return "exited with " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) {
      const int s = WTERMSIG(status);
      return std::string("killed by signal ") + std::to_string(s) + " (" + ::strsignal(s) + ")" +
             (s == SIGALRM ? ": it hung" : "");
    }
    return "ended oddly";
  }
};

// Writes all of `text` to the report pipe.
inline void report(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The child's peak resident set so far, in KiB.
inline long peakResidentKiB() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Forks; the child runs `body(reportFd)` and exits with its result. A watchdog alarm ends a
// child that has not finished after `watchdogSeconds`, which the outcome reports as a hang;
// it bounds the test, it does not measure speed.
inline ChildOutcome runInChild(const std::function<int(int reportFd)>& body, unsigned watchdogSeconds = 60) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::close(fds[0]);
    ::alarm(watchdogSeconds);
    int code = 120;
    try {
      code = body(fds[1]);
    } catch (const std::exception& e) {
      report(fds[1], std::string("unexpected exception: ") + e.what() + "\n");
    }
    ::_exit(code);
  }
  ::close(fds[1]);
  ChildOutcome outcome;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      outcome.output.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(fds[0]);
  while (::waitpid(pid, &outcome.status, 0) < 0 && errno == EINTR) {
  }
  return outcome;
}

}  // namespace faulttest
