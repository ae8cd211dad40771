// Files that are not a snapshot, in every way we could think of: each must load as no
// snapshot, without a crash, without a hang and without reading or keeping more than a little
// memory. Each group runs in a forked child that measures its own peak resident set.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <functional>

#include <gtest/gtest.h>

#include "PelloraShared/SnapshotFile.hpp"
#include "Tests/Fault/ChildProcess.hpp"
#include "Tests/Fault/NumberedSnapshots.hpp"

namespace {

namespace fs = std::filesystem;
using pellora::WidgetSnapshot;

// Loading one bad file may cost a few buffers of its size; none of these files is larger than
// a few kilobytes once the size cap has refused the big ones.
constexpr long memoryBudgetKiB = 4 * 1024;

struct BadFile {
  std::string label;
  std::function<void(const fs::path&)> make;  // puts the bad thing at the path
};

struct Group {
  std::string name;
  std::function<std::vector<BadFile>()> files;
};

void writeBytes(const fs::path& p, const std::string& bytes) {
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot write " + p.string());
  faulttest::report(fd, bytes);
  ::close(fd);
}

BadFile bytes(std::string label, std::string content) {
  return {std::move(label), [content = std::move(content)](const fs::path& p) { writeBytes(p, content); }};
}

const std::string& valid() {
  static const std::string text = pellora::encodeSnapshot(faulttest::numbered(7));
  return text;
}

// The JSON form with one top-level key's value replaced, or the key left out (value empty).
// App and Point keys are reached through a one-element topApps or history.
std::string replacing(const std::string& key, const std::string& value) {
  std::vector<std::pair<std::string, std::string>> top = {
      {"updated", "1765238400"}, {"percent", "72"}, {"mode", R"("onBattery")"}, {"status", R"("s")"},
      {"minutesLeft", "320"}, {"watts", "6.4"}, {"limit", "80"}, {"topApps", ""}, {"health", "0.94"},
      {"cycles", "212"}, {"temperature", "31"}, {"adapterWatts", "96"}, {"insight", R"("i")"}, {"history", ""}};
  std::vector<std::pair<std::string, std::string>> app = {{"name", R"("Safari")"}, {"watts", "1.8"}, {"icon", R"("s.png")"}};
  std::vector<std::pair<std::string, std::string>> point = {{"t", "1765238400"}, {"p", "72"}};
  auto object = [&](const std::vector<std::pair<std::string, std::string>>& fields, const std::string& prefix) {
    std::string out = "{";
    for (const auto& [k, v] : fields) {
      const std::string path = prefix + k;
      const std::string& shown = path == key ? value : v;
      if (shown.empty()) continue;
      if (out.size() > 1) out += ",";
      out += "\"" + k + "\":" + shown;
    }
    return out + "}";
  };
  top[7].second = "[" + object(app, "topApps.") + "]";
  top[13].second = "[" + object(point, "history.") + "]";
  return object(top, "");
}

enum class Kind { number, integer, text, mode, list };

struct Field {
  const char* key;
  Kind kind;
  bool required;
};

constexpr Field fields[] = {
    {"updated", Kind::number, true}, {"percent", Kind::integer, true}, {"mode", Kind::mode, true},
    {"status", Kind::text, true}, {"minutesLeft", Kind::integer, false}, {"watts", Kind::number, false},
    {"limit", Kind::integer, true}, {"topApps", Kind::list, true}, {"health", Kind::number, false},
    {"cycles", Kind::integer, false}, {"temperature", Kind::number, false}, {"adapterWatts", Kind::number, false},
    {"insight", Kind::text, false}, {"history", Kind::list, false}, {"topApps.name", Kind::text, true},
    {"topApps.watts", Kind::number, true}, {"topApps.icon", Kind::text, false}, {"history.t", Kind::number, true},
    {"history.p", Kind::integer, true},
};

std::vector<std::string> wrongValues(const Field& f) {
  std::vector<std::string> values = {"true", "[]", "{}"};
  switch (f.kind) {
    case Kind::number: values.insert(values.end(), {R"("1")", R"("")"}); break;
    case Kind::integer: values.insert(values.end(), {R"("1")", "1.5", "-0.5", "1e-1"}); break;
    case Kind::text: values.insert(values.end(), {"1", "0.5", R"(["s"])"}); break;
    case Kind::mode: values.insert(values.end(), {"1", R"("")", R"("OnBattery")", R"("onbattery")", R"(" onBattery")", R"(["held"])"}); break;
    case Kind::list: values.insert(values.end(), {"1", R"("[]")", "[1]", R"(["x"])", "[null]", "[[]]", "[true]"}); break;
  }
  values.erase(std::remove(values.begin(), values.end(), f.kind == Kind::list ? "[]" : ""), values.end());
  if (f.required) values.push_back("null");
  return values;
}

std::vector<BadFile> truncations() {
  std::vector<BadFile> files;
  for (std::size_t n = 0; n < valid().size(); ++n) files.push_back(bytes("first " + std::to_string(n) + " bytes", valid().substr(0, n)));
  return files;
}

std::vector<BadFile> wrongTypes() {
  std::vector<BadFile> files;
  for (const Field& f : fields) {
    for (const auto& v : wrongValues(f)) files.push_back(bytes(std::string(f.key) + " = " + v, replacing(f.key, v)));
    if (f.required) files.push_back(bytes(std::string(f.key) + " missing", replacing(f.key, "")));
  }
  return files;
}

std::vector<BadFile> bigIntegers() {
  std::vector<BadFile> files;
  for (const Field& f : fields) {
    if (f.kind != Kind::integer) continue;
    for (const char* v : {"9223372036854775808", "-9223372036854775809", "18446744073709551615", "18446744073709551616",
                          "123456789012345678901234567890", "1e19", "-1e19", "9.3e18", "1e400"}) {
      files.push_back(bytes(std::string(f.key) + " = " + v, replacing(f.key, v)));
    }
  }
  return files;
}

std::vector<BadFile> deepNesting() {
  const std::string arrays = std::string(5000, '[') + std::string(5000, ']');
  std::string objects;
  for (int i = 0; i < 5000; ++i) objects += "{\"a\":";
  objects += "1" + std::string(5000, '}');
  return {
      bytes("5000 arrays", arrays),
      bytes("5000 objects", objects),
      bytes("5000 arrays, unclosed", std::string(5000, '[')),
      bytes("5000 arrays as insight", replacing("insight", arrays)),
      bytes("5000 objects under an unknown key", "{\"deep\":" + objects + "," + valid().substr(1)),
      bytes("1025 arrays under an unknown key", "{\"deep\":" + std::string(1025, '[') + std::string(1025, ']') + "," + valid().substr(1)),
  };
}

std::vector<BadFile> invalidUTF8() {
  std::vector<BadFile> files;
  const std::pair<const char*, const char*> sequences[] = {
      {"0xFF", "\xff"}, {"lone continuation", "\x80"}, {"overlong slash", "\xc0\xaf"}, {"surrogate", "\xed\xa0\x80"},
      {"above U+10FFFF", "\xf4\x90\x80\x80"}, {"cut short", "\xe2\x82"}, {"escaped lone surrogate", "\\ud800"},
      {"escaped lone low surrogate", "\\udc00x"}};
  for (const auto& [name, seq] : sequences) {
    files.push_back(bytes(std::string(name) + " in status", replacing("status", std::string("\"On ") + seq + "\"")));
    files.push_back(bytes(std::string(name) + " in an app name", replacing("topApps.name", std::string("\"") + seq + "\"")));
    files.push_back(bytes(std::string(name) + " in an unknown key", "{\"x" + std::string(seq) + "\":1," + valid().substr(1)));
  }
  files.push_back(bytes("0xFF between tokens", "{\xff" + valid().substr(1)));
  return files;
}

std::vector<BadFile> nulBytes() {
  const std::string nul(1, '\0');
  std::string inStatus = replacing("status", "\"On" + nul + "battery\"");
  return {
      bytes("before the object", nul + valid()),
      bytes("after the object", valid() + nul),
      bytes("inside a string", inStatus),
      bytes("inside a key", "{\"a" + nul + "b\":1," + valid().substr(1)),
      bytes("a kilobyte of NULs", std::string(1024, '\0')),
  };
}

std::vector<BadFile> specialFiles() {
  auto sparse = [](std::string prefix) {
    return [prefix = std::move(prefix)](const fs::path& p) {
      writeBytes(p, prefix);
      fs::resize_file(p, 100'000'000);  // a hole: costs no disk
    };
  };
  auto link = [](const char* to) { return [to](const fs::path& p) { fs::create_symlink(to, p); }; };
  return {
      {"100 MB sparse file", sparse("")},
      {"100 MB sparse file that starts with a snapshot", sparse(valid())},
      {"just above the size cap", [](const fs::path& p) {
         writeBytes(p, valid());
         fs::resize_file(p, pellora::maxSnapshotFileBytes + 1);
       }},
      {"FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }},
      {"link to /dev/zero", link("/dev/zero")},
      {"link to /dev/urandom", link("/dev/urandom")},
      {"link to /dev/null", link("/dev/null")},
      {"link to /proc/self/status (no size, some text)", link("/proc/self/status")},
      {"directory", [](const fs::path& p) { fs::create_directory(p); }},
      {"link to a directory", link("/")},
      {"dangling link", link("/nonexistent/pellora")},
      {"link to itself", [](const fs::path& p) { fs::create_symlink(p, p); }},
      {"socket", [](const fs::path& p) {
         const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::snprintf(address.sun_path, sizeof address.sun_path, "%s", p.c_str());
         ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
       }},
      {"missing", [](const fs::path&) {}},
  };
}

void PrintTo(const Group& c, std::ostream* os) { *os << c.name; }

class BadFiles : public testing::TestWithParam<Group> {};

TEST_P(BadFiles, LoadAsNoSnapshotWithinBoundedMemory) {
  const Group& group = GetParam();
  const std::vector<BadFile> files = group.files();
  const faulttest::ScratchFolder scratch(fs::temp_directory_path());
  // Short: a socket's path must fit in sockaddr_un.
  const fs::path good = scratch.path() / "g.json";
  const fs::path bad = scratch.path() / "b.json";
  writeBytes(good, valid());

  const auto child = faulttest::runInChild([&](int out) {
    // Warm up: the first load sets up the decoder's buffers.
    if (!WidgetSnapshot::load(good)) faulttest::report(out, "the valid file did not load\n");
    const long before = faulttest::peakResidentKiB();
    for (const BadFile& f : files) {
      f.make(bad);
      if (WidgetSnapshot::load(bad)) faulttest::report(out, "loaded: " + f.label + "\n");
      std::error_code ec;
      fs::remove(bad, ec);
    }
    const long growth = faulttest::peakResidentKiB() - before;
    if (growth > memoryBudgetKiB) {
      faulttest::report(out, "peak resident set grew by " + std::to_string(growth) + " KiB\n");
    }
    return 0;
  });
  EXPECT_TRUE(child.exitedNormally()) << child.describe();
  EXPECT_EQ(child.output, "");
}

INSTANTIATE_TEST_SUITE_P(Table, BadFiles,
                         testing::Values(Group{"TruncatedAtEveryByte", truncations}, Group{"WrongTypes", wrongTypes},
                                         Group{"IntegersBeyond64Bits", bigIntegers}, Group{"DeepNesting", deepNesting},
                                         Group{"InvalidUTF8", invalidUTF8}, Group{"NULBytes", nulBytes},
                                         Group{"SpecialFiles", specialFiles}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
