#include "Platform/Sandbox/ResolvePath.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <vector>

namespace sandbox {

namespace fs = std::filesystem;

namespace {

// The same bound as the kernel's: more links than this on one path is a loop.
constexpr int maxSymbolicLinks = 40;

// Puts the components of `path` (without its root) on the stack so that the first comes off
// first.
void pushComponents(const fs::path& path, std::vector<fs::path>& pending) {
  std::vector<fs::path> parts;
  for (const fs::path& part : path.relative_path()) parts.push_back(part);
  pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

}  // namespace

ResolvedPath resolvePath(const fs::path& path, std::error_code& error) {
  error.clear();
  fs::path start = path;
  if (!start.is_absolute()) {
    start = fs::current_path(error) / path;
    if (error) return {};
  }

  std::vector<fs::path> pending;
  pushComponents(start, pending);
  fs::path out = "/";
  bool exists = true;
  bool atFolder = true;  // `out` names a folder, so a component may follow it
  int links = 0;

  while (!pending.empty()) {
    const fs::path part = std::move(pending.back());
    pending.pop_back();
    // Once something is missing nothing below it can exist: the rest is only written down.
    if (exists && !atFolder) exists = false;  // "file/x", "file/..", "file/." are ENOTDIR
    if (part.empty() || part == ".") continue;  // "" comes from a trailing slash
    if (part == "..") {
      out = out.parent_path();  // the parent of "/" is "/"
      continue;
    }
    fs::path next = out / part;
    if (!exists) {
      out = std::move(next);
      continue;
    }
    struct stat st {};
    if (::lstat(next.c_str(), &st) != 0) {
      if (errno != ENOENT && errno != ENOTDIR) {
        error = std::error_code(errno, std::generic_category());
        return {};
      }
      exists = false;
      out = std::move(next);
      continue;
    }
    if (S_ISLNK(st.st_mode)) {
      if (++links > maxSymbolicLinks) {
        error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        return {};
      }
      const fs::path target = fs::read_symlink(next, error);
      if (error) return {};
      if (target.is_absolute()) out = "/";  // otherwise it is relative to the link's folder
      pushComponents(target, pending);
      continue;
    }
    atFolder = S_ISDIR(st.st_mode);
    out = std::move(next);
  }
  return {std::move(out), exists};
}

}  // namespace sandbox
