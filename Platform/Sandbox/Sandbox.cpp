#include "Platform/Sandbox/Sandbox.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <string>
#include <system_error>

#include "Platform/Sandbox/ResolvePath.hpp"

namespace sandbox {

namespace fs = std::filesystem;

namespace {

// Closes the descriptor when the read is over, however it ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Component by component, so that "/a/bc" is not taken to lie inside "/a/b".
bool isWithin(const fs::path& path, const fs::path& folder) {
  auto p = path.begin();
  for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
    if (f->empty()) continue;  // a trailing slash on the folder
    if (p == path.end() || *p != *f) return false;
  }
  return true;
}

// Where the kernel says the descriptor really leads: no name can be swapped under it.
std::optional<fs::path> openedPath(int fd) {
  std::error_code error;
  fs::path link = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
  if (error || !link.is_absolute()) return std::nullopt;  // no /proc, or not a file ("pipe:[…]")
  return link;
}

ReadResult failed(ReadFailure failure, const fs::path& path, std::string_view detail) {
  ReadResult result;
  result.failure = failure;
  result.reason = std::string(describe(failure)) + ": " + path.string();
  if (!detail.empty()) result.reason += ": " + std::string(detail);
  return result;
}

ReadResult failedWithErrno(ReadFailure failure, const fs::path& path, int error) {
  return failed(failure, path, std::generic_category().message(error));
}

// Reads to the end, or fails as soon as more than `maxBytes` have arrived: the size that
// fstat gave may be stale, or zero for files that the kernel generates. The buffer starts one
// byte larger than that size, so a read that stops short of filling it once the size is
// reached has met the end of the file, and a read past the cap shows a file that outgrew it.
ReadResult readAll(int fd, const fs::path& path, std::size_t maxBytes, std::size_t sizeHint) {
  std::string bytes;
  bytes.resize(std::min(sizeHint, maxBytes) + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(std::min(maxBytes + 1, std::max<std::size_t>(bytes.size() * 2, 4096)));
    const std::size_t want = bytes.size() - used;
    const ssize_t got = ::read(fd, bytes.data() + used, want);
    if (got < 0) {
      const int error = errno;
      if (error == EINTR) continue;
      return failedWithErrno(ReadFailure::unreadable, path, error);
    }
    used += static_cast<std::size_t>(got);
    if (used > maxBytes) {
      return failed(ReadFailure::tooLarge, path, "more than " + std::to_string(maxBytes) + " bytes");
    }
    if (got == 0 || (static_cast<std::size_t>(got) < want && used >= sizeHint && sizeHint > 0)) break;
  }
  bytes.resize(used);
  ReadResult result;
  result.bytes = std::move(bytes);
  return result;
}

}  // namespace

ReadResult Sandbox::readChecked(const fs::path& path, std::size_t maxBytes) const {
  std::error_code error;
  const ResolvedPath resolved = resolvePath(path, error);
  if (error) return failed(ReadFailure::unreadable, path, error.message());
  if (!contains(resolved.path)) {
    return failed(ReadFailure::denied, path, "outside the granted folders");
  }
  if (!resolved.exists) return failed(ReadFailure::missing, path, "no such file");

  // Non-blocking, so that a FIFO or device that made its way in cannot hang us; no links,
  // since the resolved path has none: one found now was put there after the check.
  const int fd =
      ::open(resolved.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
  if (fd < 0) {
    const int openError = errno;
    const bool gone = openError == ENOENT || openError == ENOTDIR;
    return failedWithErrno(gone ? ReadFailure::missing : ReadFailure::unreadable, path,
                           openError);
  }
  const Descriptor file(fd);

  // The check above was on names; this one is on what was opened.
  const std::optional<fs::path> opened = openedPath(file.get());
  if (!opened) return failed(ReadFailure::denied, path, "cannot tell which file was opened");
  if (!contains(*opened)) {
    return failed(ReadFailure::denied, path, "changed to lead outside the granted folders");
  }

  struct stat st {};
  if (::fstat(file.get(), &st) != 0) {
    return failedWithErrno(ReadFailure::unreadable, path, errno);
  }
  if (!S_ISREG(st.st_mode)) return failed(ReadFailure::notRegularFile, path, "");
  const auto size = static_cast<std::uintmax_t>(st.st_size);
  if (st.st_size < 0 || size > maxBytes) {
    return failed(ReadFailure::tooLarge, path,
                  std::to_string(size) + " bytes, more than " + std::to_string(maxBytes));
  }
  return readAll(file.get(), path, maxBytes, static_cast<std::size_t>(size));
}

std::string_view describe(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::none: return "none";
    case ReadFailure::denied: return "denied";
    case ReadFailure::missing: return "missing";
    case ReadFailure::notRegularFile: return "not a regular file";
    case ReadFailure::tooLarge: return "too large";
    case ReadFailure::unreadable: return "unreadable";
  }
  return "unreadable";
}

Sandbox::Sandbox(std::vector<fs::path> readOnlyFolders) : grants_(std::move(readOnlyFolders)) {
  for (fs::path& folder : grants_) {
    std::error_code error;
    fs::path absolute = fs::absolute(folder, error);
    if (!error) folder = std::move(absolute);
  }
}

bool Sandbox::contains(const fs::path& resolved) const {
  for (const fs::path& folder : grants_) {
    std::error_code error;
    const ResolvedPath grant = resolvePath(folder, error);
    if (error || !grant.exists) continue;
    if (!fs::is_directory(grant.path, error) || error) continue;
    if (isWithin(resolved, grant.path)) return true;
  }
  return false;
}

bool Sandbox::isAllowed(const fs::path& path) const {
  try {
    std::error_code error;
    const ResolvedPath resolved = resolvePath(path, error);
    return !error && contains(resolved.path);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

ReadResult Sandbox::read(const fs::path& path, std::size_t maxBytes) const {
  try {
    return readChecked(path, maxBytes);
  } catch (const std::bad_alloc&) {
    return failed(ReadFailure::unreadable, path, "out of memory");
  }
}

}  // namespace sandbox
