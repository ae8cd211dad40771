#include "Host/WatchSignals.hpp"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace host::watch {

StopSignals::StopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGHUP);
  // Blocked before any rendering starts, so threads that the drawing libraries may start
  // later inherit the mask and the signals stay for the descriptor.
  if (const int error = pthread_sigmask(SIG_BLOCK, &stops, &previousMask_); error != 0) {
    throw std::system_error(error, std::generic_category(), "cannot block stop signals");
  }
  fd_ = signalfd(-1, &stops, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    throw std::system_error(error, std::generic_category(), "cannot receive stop signals");
  }
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, &previousPipe_);
}

StopSignals::~StopSignals() {
  // Signals that came after the one that stopped the loop are spent here, not on unblocking.
  while (take()) {
  }
  sigaction(SIGPIPE, &previousPipe_, nullptr);
  ::close(fd_);
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

std::optional<int> StopSignals::take() {
  signalfd_siginfo info{};
  for (;;) {
    const ssize_t n = ::read(fd_, &info, sizeof info);
    if (n == static_cast<ssize_t>(sizeof info)) return static_cast<int>(info.ssi_signo);
    if (n < 0 && errno == EINTR) continue;
    return std::nullopt;
  }
}

std::string signalName(int signal) {
  switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    default: return "signal " + std::to_string(signal);
  }
}

}  // namespace host::watch
