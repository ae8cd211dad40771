#pragma once
// Reading a snapshot file safely: never blocks on a FIFO or device, never reads unbounded data.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace pellora {

enum class ReadFailure { none, missing, notRegularFile, tooLarge, unreadable };

struct FileContents {
  std::optional<std::string> bytes;   // present when the read succeeded
  ReadFailure failure = ReadFailure::none;
  std::string error;                  // one line for people when the read failed
};

// Files above this size are refused: a snapshot is a few kilobytes.
inline constexpr std::size_t maxSnapshotFileBytes = 16u * 1024u * 1024u;

// Opens without blocking, requires a regular file, refuses files over `maxBytes`, and reads
// the whole file.
FileContents readRegularFile(const std::filesystem::path& path,
                             std::size_t maxBytes = maxSnapshotFileBytes);

}  // namespace pellora
