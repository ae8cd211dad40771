#pragma once
// A temporary home directory that the user database reports for the length of a test.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "PelloraShared/UserDatabase.hpp"

namespace testsupport {

class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellora-home-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    const std::string home = path_.string();
    pellora::setUserDatabaseLookup([home] { return pellora::UserDatabaseEntry{home}; });
  }
  ~TempHome() {
    pellora::setUserDatabaseLookup({});
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path folder() const { return path_ / "Library/Application Support/Pellora/Widget"; }
  std::filesystem::path snapshotFile() const { return folder() / "snapshot.json"; }

  // Writes raw bytes where the snapshot belongs, creating the folders.
  void writeSnapshotBytes(const std::string& bytes) const {
    std::filesystem::create_directories(folder());
    std::ofstream(snapshotFile(), std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace testsupport
