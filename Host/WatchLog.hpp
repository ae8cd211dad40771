#pragma once
// The watch loop's log: one line per reload, render, stop and error, each with the clock's time,
// what was done and why. As text for people:
//   2025-12-09T10:05:00Z render: entry 2 of 12 (<its date>), 71%, fresh, to small.png; why: …
// or, with --json, one compact JSON object per line for programs. Each line is written whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Platform/Foundation/Date.hpp"
#include "Platform/WidgetKit/TimelineReloadPolicy.hpp"

namespace host::watch {

struct ReloadRecord {
  std::size_t entries = 0;
  std::optional<fnd::Date> first, last;  // the entries' dates
  bool snapshot = false;                 // the first entry carries a snapshot
  wk::TimelineReloadPolicy::Kind policy = wk::TimelineReloadPolicy::Kind::never;
  std::optional<fnd::Date> next;         // when the policy asks again
};

struct RenderRecord {
  std::size_t entry = 0;  // from 1
  std::size_t of = 0;
  fnd::Date date{};
  bool snapshot = false;
  std::int64_t percent = 0;
  bool dimmed = false;
  std::vector<std::string> files;
};

class WatchLog {
 public:
  WatchLog(std::ostream& out, bool json) : out_(out), json_(json) {}

  void reload(fnd::Date at, const ReloadRecord& r, const std::string& why);
  void render(fnd::Date at, const RenderRecord& r, const std::string& why);
  void stop(fnd::Date at, const std::string& why);
  void error(fnd::Date at, const std::string& message);

 private:
  void write(const std::string& line);
  std::ostream& out_;
  bool json_;
};

}  // namespace host::watch
