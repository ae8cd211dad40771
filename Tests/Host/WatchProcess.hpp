#pragma once
// `pellora-widgets … watch --json` running in the background: its log lines as they come, a
// signal to send, and its end. Waits are for conditions, each with a generous deadline.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hosttest {

// One line of the watch log in its JSON form.
struct WatchLine {
  std::string event;  // reload, render, stop, error
  double time = 0;
  std::string why;
  // render
  std::int64_t entry = 0, of = 0, percent = 0;
  double date = 0;
  bool snapshot = false, dimmed = false;
  std::vector<std::string> files;
  // reload
  std::int64_t entries = 0;
  std::string policy;
  std::string message;  // error
};

class WatchProcess {
 public:
  // Starts the program with `args`; its log goes to `log` (stdout and stdin: /dev/null).
  WatchProcess(const std::vector<std::string>& args, std::filesystem::path log);
  ~WatchProcess();  // kills the program if it still runs
  WatchProcess(const WatchProcess&) = delete;
  WatchProcess& operator=(const WatchProcess&) = delete;

  // The complete lines logged so far, parsed; a line that is not a JSON object fails the test.
  std::vector<WatchLine> lines() const;
  // Waits until a line satisfies `match`, which sees each line once, in order; the lines up to
  // and including the first that does.
  std::optional<std::vector<WatchLine>> waitFor(
      const std::function<bool(const WatchLine&)>& match,
      std::chrono::seconds deadline = std::chrono::seconds(20)) const;

  void signal(int signal) const;
  // The exit status, or -1 when it ended by a signal or had to be killed after the deadline.
  int wait(std::chrono::seconds deadline = std::chrono::seconds(20));

 private:
  // Collects the exit status once the program has ended; true then.
  bool ended() const;

  pid_t pid_ = -1;
  mutable std::optional<int> status_;
  std::filesystem::path log_;
};

// The log text of a finished run, as lines.
std::vector<WatchLine> parseWatchLog(const std::string& text);

}  // namespace hosttest
