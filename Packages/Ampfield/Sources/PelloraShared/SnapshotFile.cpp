#include "PelloraShared/SnapshotFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Replaceable.hpp"

namespace pellora {

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

FileContents failed(ReadFailure failure, std::string error) {
  return {std::nullopt, failure, std::move(error)};
}

std::string megabytes(std::size_t bytes) {
  return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

}  // namespace

FileContents readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
  // Non-blocking, so that a FIFO or a device at the path cannot stall the open.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    const int e = errno;
    if (e == ENOENT || e == ENOTDIR) return failed(ReadFailure::missing, "no such file");
    return failed(ReadFailure::unreadable, std::strerror(e));
  }
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return failed(ReadFailure::unreadable, std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return failed(ReadFailure::notRegularFile, "not a regular file");
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    return failed(ReadFailure::tooLarge, "larger than " + megabytes(maxBytes));
  }

  // The size can change while we read: read until end of file, but never past the cap. The
  // buffer has room for one byte more than the size seen, so a read that stops short of
  // filling it, having reached that size, has met the end of a regular file: no further read
  // is needed to see it. (A file that the kernel generates shows size 0 and is read to its end.)
  const auto expected = static_cast<std::size_t>(info.st_size);
  std::string bytes;
  bytes.resize(expected + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) {
      if (bytes.size() > maxBytes) return failed(ReadFailure::tooLarge, "larger than " + megabytes(maxBytes));
      bytes.resize(std::min(maxBytes + 1, std::max<std::size_t>(bytes.size() * 2, 4096)));
    }
    const std::size_t asked = bytes.size() - used;
    const ssize_t n = ::read(file.fd, bytes.data() + used, asked);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(ReadFailure::unreadable, std::strerror(errno));
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (static_cast<std::size_t>(n) < asked && expected > 0 && used >= expected) break;
  }
  if (used > maxBytes) return failed(ReadFailure::tooLarge, "larger than " + megabytes(maxBytes));
  bytes.resize(used);
  return {std::move(bytes), ReadFailure::none, {}};
}

namespace {
detail::Replaceable<FileReader>& installedReader() {
  static detail::Replaceable<FileReader> reader;
  return reader;
}
}  // namespace

void setFileReader(FileReader reader) { installedReader().set(std::move(reader)); }

FileContents readSnapshotFile(const std::filesystem::path& path) {
  if (const auto reader = installedReader().get()) return (*reader)(path, maxSnapshotFileBytes);
  return readRegularFile(path, maxSnapshotFileBytes);
}

}  // namespace pellora
