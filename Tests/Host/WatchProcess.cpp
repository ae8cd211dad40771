#include "WatchProcess.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>
#include <simdjson.h>

extern char** environ;

namespace hosttest {
namespace {

constexpr auto pollInterval = std::chrono::milliseconds(20);

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

WatchLine parseLine(const std::string& text) {
  simdjson::dom::parser parser;
  simdjson::dom::object o;
  WatchLine line;
  if (parser.parse(text).get(o) != simdjson::SUCCESS) {
    ADD_FAILURE() << "not a JSON log line: " << text;
    return line;
  }
  std::string_view s;
  if (o["event"].get(s) == simdjson::SUCCESS) line.event = s;
  if (o["why"].get(s) == simdjson::SUCCESS) line.why = s;
  if (o["policy"].get(s) == simdjson::SUCCESS) line.policy = s;
  if (o["message"].get(s) == simdjson::SUCCESS) line.message = s;
  auto number = [&o](const char* key, double& out) {
    simdjson::dom::element e;
    if (o[key].get(e) != simdjson::SUCCESS) return;
    using type = simdjson::dom::element_type;
    if (e.type() == type::DOUBLE) out = e.get_double().value();
    if (e.type() == type::INT64) out = static_cast<double>(e.get_int64().value());
    if (e.type() == type::UINT64) out = static_cast<double>(e.get_uint64().value());
  };
  number("time", line.time);
  number("date", line.date);
  std::int64_t i = 0;
  if (o["entry"].get(i) == simdjson::SUCCESS) line.entry = i;
  if (o["of"].get(i) == simdjson::SUCCESS) line.of = i;
  if (o["percent"].get(i) == simdjson::SUCCESS) line.percent = i;
  if (o["entries"].get(i) == simdjson::SUCCESS) line.entries = i;
  bool b = false;
  if (o["snapshot"].get(b) == simdjson::SUCCESS) line.snapshot = b;
  if (o["dimmed"].get(b) == simdjson::SUCCESS) line.dimmed = b;
  simdjson::dom::array files;
  if (o["files"].get(files) == simdjson::SUCCESS) {
    for (simdjson::dom::element f : files) {
      line.files.emplace_back(std::string_view(f.get_string()));
    }
  }
  return line;
}

}  // namespace

std::vector<WatchLine> parseWatchLog(const std::string& text) {
  std::vector<WatchLine> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(parseLine(text.substr(start, end - start)));
  }
  return lines;  // a last line without its newline is still being written
}

WatchProcess::WatchProcess(const std::vector<std::string>& args, std::filesystem::path log)
    : log_(std::move(log)) {
  std::vector<std::string> all{PELLORA_WIDGETS_PROGRAM};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    pid_ = -1;
    ADD_FAILURE() << "cannot start " << PELLORA_WIDGETS_PROGRAM;
  }
}

WatchProcess::~WatchProcess() {
  if (!ended()) {
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
}

bool WatchProcess::ended() const {
  if (status_) return true;
  if (pid_ <= 0) return true;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

std::vector<WatchLine> WatchProcess::lines() const { return parseWatchLog(slurp(log_)); }

std::optional<std::vector<WatchLine>> WatchProcess::waitFor(
    const std::function<bool(const WatchLine&)>& match, std::chrono::seconds deadline) const {
  const auto end = std::chrono::steady_clock::now() + deadline;
  std::size_t fed = 0;  // each line goes to `match` once, so it may count
  for (;;) {
    const bool over = ended();  // looked at before the lines, so none is missed
    std::vector<WatchLine> all = lines();
    for (std::size_t i = fed; i < all.size(); ++i) {
      if (match(all[i])) {
        all.resize(i + 1);
        return all;
      }
    }
    fed = all.size();
    if (over || std::chrono::steady_clock::now() > end) return std::nullopt;
    std::this_thread::sleep_for(pollInterval);
  }
}

void WatchProcess::signal(int signal) const {
  if (!ended()) ::kill(pid_, signal);
}

int WatchProcess::wait(std::chrono::seconds deadline) {
  if (pid_ <= 0) return -1;
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!ended()) {
    if (std::chrono::steady_clock::now() > end) {
      ADD_FAILURE() << "the watch did not end in time; killed";
      ::kill(pid_, SIGKILL);
      int status = 0;
      while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
      }
      status_ = -1;
      break;
    }
    std::this_thread::sleep_for(pollInterval);
  }
  return status_.value_or(-1);
}

}  // namespace hosttest
