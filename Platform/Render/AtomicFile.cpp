#include "Platform/Render/AtomicFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace render {

namespace {

[[noreturn]] void fail(const std::string& what, int error) {
  throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) fail("cannot create a temporary file beside " + target.string(), errno);
  auto abandon = [&](const std::string& what, int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    fail(what, error);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon("cannot write " + temp, errno);
    }
    done += static_cast<std::size_t>(n);
  }
  // Readable like a file that the user created (mkstemp makes it private).
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0666 & ~mask) != 0) abandon("cannot set the mode of " + temp, errno);
  if (::fsync(fd) != 0) abandon("cannot flush " + temp, errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    fail("cannot close " + temp, error);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    fail("cannot replace " + target.string(), error);
  }
}

}  // namespace render
