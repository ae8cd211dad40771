#pragma once
// SIGINT, SIGTERM and SIGHUP as readable events: while a StopSignals exists they are blocked
// and queued on a signalfd that the watch loop polls with everything else. A signal therefore
// never interrupts a render: the loop sees it once the render is done, and stops cleanly.
// SIGPIPE is ignored meanwhile, so a closed log pipe is a write error rather than death.
#include <csignal>
#include <optional>
#include <string>

namespace host::watch {

class StopSignals {
 public:
  // Throws std::system_error when the signals cannot be redirected.
  StopSignals();
  ~StopSignals();  // puts the signal mask and SIGPIPE's disposition back
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  int fd() const { return fd_; }
  // The signal that arrived, if any (non-blocking).
  std::optional<int> take();

 private:
  int fd_ = -1;
  sigset_t previousMask_{};
  struct sigaction previousPipe_ {};
};

// "SIGINT", "SIGTERM", "SIGHUP", or "signal N".
std::string signalName(int signal);

}  // namespace host::watch
