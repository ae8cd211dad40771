#include "Host/WatchFolder.hpp"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace host::watch {
namespace fs = std::filesystem;

namespace {

// On the target folder: everything that can change what reading the file gives.
constexpr std::uint32_t targetMask = IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM |
                                     IN_DELETE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
// On a parent while the target is missing: only a way down, or this folder going away.
constexpr std::uint32_t parentMask = IN_CREATE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t selfGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

// Folders appear and vanish between looking and watching; after this many tries in a row the
// tree is changing faster than it can be followed.
constexpr int armAttempts = 64;

[[noreturn]] void fail(const std::string& what, int error) {
  throw std::system_error(error, std::generic_category(), what);
}

fs::path normalFolder(const fs::path& folder) {
  fs::path p = fs::absolute(folder).lexically_normal();
  if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();  // "…/Widget/"
  return p;
}

bool isDirectory(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

fs::path nearestExistingDirectory(fs::path p) {
  while (!isDirectory(p) && p.has_relative_path()) p = p.parent_path();
  return p;
}

// The child of `parent` on the way to `target` ("Library" of home on the way to its Widget).
fs::path nextStep(const fs::path& parent, const fs::path& target) {
  const fs::path rest = target.lexically_relative(parent);
  return rest.empty() ? fs::path{} : parent / *rest.begin();
}

}  // namespace

FolderWatch::FolderWatch(fs::path folder, std::string fileName)
    : folder_(normalFolder(folder)), fileName_(std::move(fileName)) {
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) fail("cannot watch for file changes", errno);
  try {
    arm();
  } catch (...) {
    ::close(fd_);
    throw;
  }
}

FolderWatch::~FolderWatch() { ::close(fd_); }

void FolderWatch::arm() {
  for (int attempt = 0; attempt < armAttempts; ++attempt) {
    const fs::path dir = nearestExistingDirectory(folder_);
    const bool target = dir == folder_;
    const std::uint32_t mask = (target ? targetMask : parentMask) | IN_ONLYDIR;
    const int wd = inotify_add_watch(fd_, dir.c_str(), mask);
    if (wd < 0) {
      if (errno == ENOENT || errno == ENOTDIR) continue;  // gone meanwhile: look again
      fail("cannot watch " + dir.string(), errno);
    }
    if (wd_ >= 0 && wd_ != wd) inotify_rm_watch(fd_, wd_);  // fails harmlessly once gone
    wd_ = wd;
    watched_ = dir;
    if (!target) {
      // The next folder down may have appeared before the watch was in place.
      if (isDirectory(nextStep(dir, folder_))) continue;
      filePresent_ = false;
      return;
    }
    std::error_code ec;
    filePresent_ = fs::exists(fs::symlink_status(folder_ / fileName_, ec));
    return;
  }
  fail("cannot watch " + folder_.string() + ": its folders keep changing", EAGAIN);
}

void FolderWatch::note(std::string& changes, const std::string& what) const {
  if (changes.find(what) != std::string::npos) return;  // once is enough
  if (!changes.empty()) changes += ", ";
  changes += what;
}

std::optional<std::string> FolderWatch::readChanges() {
  std::string changes;
  const bool wasTarget = watchingTarget();
  bool rearm = false;
  bool folderGone = false;
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN) break;
      fail("cannot read file events", errno);
    }
    if (n == 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->mask & IN_Q_OVERFLOW) {
        // Some events were lost: look at everything afresh.
        note(changes, "events lost");
        rearm = true;
        continue;
      }
      if (event->wd != wd_) continue;  // a watch given up already
      const std::string name = event->len > 0 ? std::string(event->name) : std::string();
      if (name.empty()) {
        if (event->mask & selfGone) {
          rearm = true;
          folderGone = folderGone || wasTarget;
        } else if (wasTarget && (event->mask & IN_ATTRIB)) {
          note(changes, "folder permissions changed");
        }
        continue;
      }
      if (!wasTarget) {
        if (fs::path(watched_ / name) == nextStep(watched_, folder_)) rearm = true;
        continue;
      }
      if (name != fileName_) continue;
      if (event->mask & IN_CREATE) {
        note(changes, fileName_ + " created");
        filePresent_ = true;
      } else if (event->mask & IN_MOVED_TO) {
        note(changes, fileName_ + (filePresent_ ? " replaced" : " created"));
        filePresent_ = true;
      } else if (event->mask & IN_CLOSE_WRITE) {
        note(changes, fileName_ + " written");
      } else if (event->mask & (IN_DELETE | IN_MOVED_FROM)) {
        note(changes, fileName_ + " removed");
        filePresent_ = false;
      } else if (event->mask & IN_ATTRIB) {
        note(changes, fileName_ + " permissions changed");
      }
    }
  }
  if (rearm) {
    arm();
    const bool isTarget = watchingTarget();
    if (!wasTarget && isTarget) {
      note(changes, "folder created");
    } else if (wasTarget && !isTarget) {
      note(changes, "folder removed");
    } else if (wasTarget && folderGone) {
      note(changes, "folder replaced");
    }
  }
  if (changes.empty()) return std::nullopt;
  return changes;
}

}  // namespace host::watch
