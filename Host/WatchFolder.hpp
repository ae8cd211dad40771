#pragma once
// Tells when one file in a folder is created, replaced, written, removed or changes its
// permissions, through inotify: a file replaced by rename shows as a move into its folder, so
// the folder is watched rather than the file. While the folder does not exist, its nearest
// existing parent is watched instead, and the watch moves down as the missing folders appear
// (and back up when the folder goes away). The descriptor goes into the caller's poll().
#include <filesystem>
#include <optional>
#include <string>

namespace host::watch {

class FolderWatch {
 public:
  // Throws std::system_error when inotify cannot be set up.
  FolderWatch(std::filesystem::path folder, std::string fileName);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Readable when something has happened; non-blocking.
  int fd() const { return fd_; }

  // Reads every pending event and follows the folder's appearance and removal. What happened
  // to the file, in words ("snapshot.json replaced", "store folder created", several joined by
  // ", " in order), or nothing when none of it concerns the file.
  std::optional<std::string> readChanges();

  // The folder being watched now: the target folder, or its nearest existing parent.
  const std::filesystem::path& watched() const { return watched_; }
  bool watchingTarget() const { return watched_ == folder_; }

 private:
  // Watches the target folder or its nearest existing parent; notes whether the file is there.
  void arm();
  void note(std::string& changes, const std::string& what) const;

  std::filesystem::path folder_;
  std::string fileName_;
  int fd_ = -1;
  int wd_ = -1;
  std::filesystem::path watched_;
  bool filePresent_ = false;
};

}  // namespace host::watch
