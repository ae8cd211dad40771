#pragma once
// A scratch folder for file-system tests, removed with everything in it at the end.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testing_support {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    // Canonical, so that tests can compare with resolved paths even when /tmp is a link.
    root_ = std::filesystem::canonical(pattern);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::filesystem::path& path() const { return root_; }
  std::filesystem::path operator/(const std::filesystem::path& relative) const {
    return root_ / relative;
  }

  std::filesystem::path folder(const std::filesystem::path& relative) const {
    std::filesystem::create_directories(root_ / relative);
    return root_ / relative;
  }
  std::filesystem::path file(const std::filesystem::path& relative, std::string_view bytes) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + relative.string());
    return root_ / relative;
  }
  // A file of `size` bytes that takes no room on disk (a hole), after optional leading bytes.
  std::filesystem::path sparseFile(const std::filesystem::path& relative, std::uintmax_t size,
                                   std::string_view head = {}) const {
    file(relative, head);
    std::filesystem::resize_file(root_ / relative, size);
    return root_ / relative;
  }
  std::filesystem::path link(const std::filesystem::path& relative,
                             const std::filesystem::path& target) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    std::filesystem::create_symlink(target, root_ / relative);
    return root_ / relative;
  }
  std::filesystem::path fifo(const std::filesystem::path& relative) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    if (::mkfifo((root_ / relative).c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
    return root_ / relative;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace testing_support
