// Where the snapshot lives, and reading and writing it. The writer replaces the file
// atomically, so a reader in another process sees either the old file or the new one.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "PelloraShared/SnapshotFile.hpp"
#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/UserDatabase.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace pellora {

namespace fs = std::filesystem;

namespace {
// The folder's path as text, with its trailing separator. Joined as text and made a path once:
// each `/` of a path parses the whole path again, and the timeline asks for this every time.
std::string folderText() {
  std::string text = homeDirectory();
  if (text.back() != '/') text += '/';
  text += "Library/Application Support/Pellora/Widget/";
  return text;
}
}  // namespace

fs::path WidgetSnapshot::folder() {
  // The trailing separator marks the location as a folder.
  return fs::path(folderText());
}

fs::path WidgetSnapshot::fileURL() { return fs::path(folderText() + "snapshot.json"); }

fs::path WidgetSnapshot::iconURL(std::string_view name) {
  // Joined as text, so that the name is taken verbatim (an absolute name does not replace the
  // folder, as path concatenation would make it).
  return fs::path(folderText() + "icons/" + std::string(name));
}

std::optional<WidgetSnapshot> WidgetSnapshot::load(const fs::path& from) {
  FileContents contents = readSnapshotFile(from);
  if (!contents.bytes) return std::nullopt;
  return decodeSnapshot(*contents.bytes).snapshot;
}

namespace {

[[noreturn]] void throwErrno(int e, const std::string& what) {
  throw std::system_error(e, std::generic_category(), what);
}

// Temporary files are named ".<target>.<pid>.tmp-XXXXXX" beside the target, so that the next
// save can tell the leftovers of a writer that died (its process is gone) from the file of a
// writer still at work.
std::string temporaryPrefix(const fs::path& target) {
  // Appended piece by piece: `"." + name + "."` trips a false -Wrestrict warning of g++ 12.
  std::string prefix(1, '.');
  prefix += target.filename().string();
  prefix += '.';
  return prefix;
}

void removeLeftovers(const fs::path& dir, const fs::path& target) {
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  const std::string prefix = temporaryPrefix(target);
  while (const dirent* entry = ::readdir(d)) {
    const std::string_view name(entry->d_name);
    if (name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view rest = name.substr(prefix.size());
    const auto dot = rest.find(".tmp-");
    if (dot == std::string_view::npos || dot == 0) continue;
    pid_t pid = 0;
    bool digits = true;
    for (char c : rest.substr(0, dot)) {
      if (c < '0' || c > '9') { digits = false; break; }
      pid = pid * 10 + (c - '0');
    }
    if (!digits || pid == ::getpid()) continue;
    if (::kill(pid, 0) == 0 || errno == EPERM) continue;  // that writer is still alive
    ::unlinkat(::dirfd(d), entry->d_name, 0);
  }
  ::closedir(d);
}

// Writing past RLIMIT_FSIZE raises SIGXFSZ, which would end the process before the error can
// be reported. The signal is blocked on this thread while writing and a pending one is taken
// back, so the write fails with EFBIG instead.
class FileSizeSignalGuard {
 public:
  FileSizeSignalGuard() {
    sigemptyset(&set_);
    sigaddset(&set_, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &set_, &old_);
  }
  ~FileSizeSignalGuard() {
    const timespec zero{0, 0};
    while (::sigtimedwait(&set_, nullptr, &zero) == SIGXFSZ) {
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }

 private:
  sigset_t set_{};
  sigset_t old_{};
};

class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    path_ = (dir / (temporaryPrefix(target) + std::to_string(::getpid()) + ".tmp-XXXXXX")).string();
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) throwErrno(errno, "cannot create a temporary file in " + dir.string());
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!placed_) ::unlink(path_.c_str());
  }
  void write(std::string_view bytes) {
    const FileSizeSignalGuard guard;
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        throwErrno(errno, "cannot write " + path_);
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }
  void finish(const fs::path& target) {
    // mkostemp makes the file 0600; the snapshot is an ordinary user file, readable as such.
    if (::fchmod(fd_, 0644) != 0) throwErrno(errno, "cannot set the mode of " + path_);
    if (::fsync(fd_) != 0) throwErrno(errno, "cannot flush " + path_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throwErrno(errno, "cannot close " + path_);
    if (::rename(path_.c_str(), target.c_str()) != 0) throwErrno(errno, "cannot replace " + target.string());
    placed_ = true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool placed_ = false;
};

void syncFolder(const fs::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WidgetSnapshot::save(const fs::path& to) const {
  const fs::path dir = to.parent_path();
  if (!dir.empty()) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) throw std::system_error(ec, "cannot create the folder " + dir.string());
  }
  const std::string bytes = encodeSnapshot(*this);  // throws EncodingError before any write

  TemporaryFile temporary(to);
  temporary.write(bytes);
  temporary.finish(to);
  syncFolder(dir);
  removeLeftovers(dir.empty() ? fs::path(".") : dir, to);
}

}  // namespace pellora
