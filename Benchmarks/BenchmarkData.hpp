#pragma once
// The snapshots and files the benchmarks measure: the placeholder's file and snapshots of
// growing size, written once into a temporary folder that is removed at exit.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace bench {

// The placeholder with `points` history samples (`spacing` seconds apart, half an hour unless
// told) and `apps` applications.
inline pellora::WidgetSnapshot sizedSnapshot(int points, int apps, double spacing = 1800) {
  pellora::WidgetSnapshot s = pellora::WidgetSnapshot::placeholder();
  s.history.emplace();
  for (int i = 0; i < points; ++i) {
    s.history->push_back({.t = s.updated - pellora::Seconds{spacing * (points - 1 - i)}, .p = 20 + (i * 7) % 80});
  }
  s.topApps.clear();
  for (int i = 0; i < apps; ++i) {
    s.topApps.push_back({.name = "Application " + std::to_string(i), .watts = 0.1 * (i % 97),
                         .icon = "app" + std::to_string(i) + ".png"});
  }
  return s;
}

// A folder for the benchmarks' files, made at first use and removed when the program ends.
inline const std::filesystem::path& scratchFolder() {
  static const struct Folder {
    std::filesystem::path path;
    Folder() {
      std::string pattern = (std::filesystem::temp_directory_path() / "pellora-bench-XXXXXX").string();
      if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
      path = pattern;
    }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } folder;
  return folder.path;
}

// The placeholder's file, saved as the companion application saves it.
inline const std::filesystem::path& placeholderFile() {
  static const std::filesystem::path file = [] {
    const auto p = scratchFolder() / "placeholder" / "snapshot.json";
    pellora::WidgetSnapshot::placeholder().save(p);
    return p;
  }();
  return file;
}

}  // namespace bench
