#pragma once
// A read-only grant to a few folders and nothing else. Every path is resolved (working
// directory, "..", symbolic links) before it is checked, and the file that was really opened
// is checked again, so neither a link nor a rename between check and open reaches outside.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sandbox {

enum class ReadFailure { none, denied, missing, notRegularFile, tooLarge, unreadable };

// "denied", "missing", "not a regular file", "too large", "unreadable" ("none" for success).
std::string_view describe(ReadFailure failure);

struct ReadResult {
  std::optional<std::string> bytes;       // present when the read succeeded
  ReadFailure failure = ReadFailure::none;
  std::string reason;                     // one line for people when the read failed

  explicit operator bool() const noexcept { return bytes.has_value(); }
};

// An immutable value: any thread may use it, copies are independent. Nothing is ever written.
class Sandbox {
 public:
  Sandbox() = default;  // grants nothing

  // Relative folders are taken from the working directory now. A folder is looked up afresh
  // on every check: one that does not exist (or is not a folder) grants nothing until it does,
  // and one that is a symbolic link grants where the link points at the time.
  explicit Sandbox(std::vector<std::filesystem::path> readOnlyFolders);

  const std::vector<std::filesystem::path>& grantedFolders() const noexcept { return grants_; }

  // Whether `path`, once resolved, lies inside a granted folder (a file that does not exist
  // there yet is allowed; reading it reports it missing).
  bool isAllowed(const std::filesystem::path& path) const;

  // The whole file, or why not. Never blocks on a FIFO or device, never reads more than
  // `maxBytes` (also from a file whose size is not known before it is read). A path that
  // resolves outside the grant is denied without being opened, whether it exists or not; one
  // that cannot be resolved (a loop of links, a folder we may not look into) is unreadable.
  ReadResult read(const std::filesystem::path& path, std::size_t maxBytes) const;

 private:
  ReadResult readChecked(const std::filesystem::path& path, std::size_t maxBytes) const;

  // Whether `resolved` (absolute, links resolved) lies in a granted folder as it is now.
  bool contains(const std::filesystem::path& resolved) const;

  std::vector<std::filesystem::path> grants_;
};

}  // namespace sandbox
