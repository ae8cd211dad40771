#pragma once
// Reading a snapshot file safely: never blocks on a FIFO or device, never reads unbounded data.
#include <cstddef>
#include <filesystem>
#include <functional>
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

// How load(from) reads a file. By default readRegularFile; a process that runs confined (the
// widget, inside its sandbox) puts a reader in its place that enforces the confinement.
using FileReader = std::function<FileContents(const std::filesystem::path& path, std::size_t maxBytes)>;
// Puts `reader` in place; an empty function restores readRegularFile.
void setFileReader(FileReader reader);
// Reads through the reader in place.
FileContents readSnapshotFile(const std::filesystem::path& path);

}  // namespace pellora
