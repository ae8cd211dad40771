#pragma once
// The fuzzers' seed files and the inputs that once broke a fuzzer, as test cases. A file's
// name says what it must do: "valid-…" decodes, "invalid-…" does not; a kept crasher (in
// Fuzz/regressions/TARGET/) only has to keep the invariants.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace faulttest {

struct CorpusFile {
  std::filesystem::path path;
  std::string testName;  // the file name in the letters a test name may hold
  bool mustDecode = false;
  bool mustRefuse = false;
};

inline void PrintTo(const CorpusFile& f, std::ostream* os) { *os << f.path.filename().string(); }

inline std::vector<CorpusFile> corpusFiles(const std::string& target) {
  namespace fs = std::filesystem;
  std::vector<CorpusFile> files;
  const fs::path fuzz = fs::path(PELLORA_SOURCE_DIR) / "Fuzz";
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = fuzz / kind / target;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      const std::string name = entry.path().filename().string();
      CorpusFile f{entry.path(), std::string(kind) + "_", false, false};
      for (const char c : name) f.testName.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
      f.mustDecode = name.rfind("valid-", 0) == 0;
      f.mustRefuse = name.rfind("invalid-", 0) == 0;
      files.push_back(std::move(f));
    }
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.testName < b.testName; });
  return files;
}

inline std::string fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace faulttest
