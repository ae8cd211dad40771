#pragma once
// Resolving a path the way the kernel would, before anything is opened: relative paths are
// taken from the working directory, "." and ".." are applied, and every symbolic link is
// followed, also a dangling one, so that the result says where a read would really land.
#include <filesystem>
#include <system_error>

namespace sandbox {

struct ResolvedPath {
  // Absolute, without ".", ".." or symbolic links in the part that exists; a missing tail is
  // appended as written (with its "." and ".." applied lexically).
  std::filesystem::path path;
  bool exists = false;  // every component was found (and each one before the last is a folder)
};

// Fails (through `error`) only when the file system refuses to answer: no permission to look
// into a folder, a loop of symbolic links, a name that is too long.
ResolvedPath resolvePath(const std::filesystem::path& path, std::error_code& error);

}  // namespace sandbox
