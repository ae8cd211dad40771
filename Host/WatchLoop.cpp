#include "Host/WatchLoop.hpp"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <system_error>

#include "App/Widget/Views/Layouts.hpp"
#include "Host/HostBundle.hpp"
#include "Host/WatchFolder.hpp"
#include "Host/WatchLog.hpp"
#include "Host/WatchSchedule.hpp"
#include "Host/WatchSignals.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/Foundation/Clock.hpp"
#include "Platform/Foundation/ISO8601.hpp"
#include "Platform/Render/WidgetRenderer.hpp"

namespace host::watch {
namespace fs = std::filesystem;

namespace {

// The longest single wait. A wait on the real clock does not count time the machine spends
// suspended, nor follow changes of the system time; waking now and then to look at the clock
// again bounds how late a render can be after either.
constexpr int longestWaitMilliseconds = 5 * 60 * 1000;

const char* const snapshotFileName = "snapshot.json";

void prepareOutput(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    throw std::runtime_error("cannot create the output folder " + folder.string() + ": " +
                             ec.message());
  }
  if (!fs::is_directory(folder, ec)) {
    throw std::runtime_error("cannot create the output folder " + folder.string() +
                             ": a file is in the way");
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    const int error = errno;
    throw std::runtime_error("cannot write into the output folder " + folder.string() + ": " +
                             std::generic_category().message(error));
  }
}

// Real milliseconds until `due` on a clock that runs `speed` times real time.
int waitMilliseconds(const std::optional<Action>& next, fnd::Date now, double speed) {
  if (!next) return longestWaitMilliseconds;
  const double real = (next->due - now).count() / speed;
  if (!(real > 0)) return 0;
  return static_cast<int>(std::min(std::ceil(real * 1000), double{longestWaitMilliseconds}));
}

bool dimmedAt(const pellora::Entry& e, fnd::Date at) {
  return e.snapshot && (at - e.snapshot->updated).count() > pellora::staleAfterSeconds;
}

class Loop {
 public:
  explicit Loop(const WatchSettings& settings)
      : settings_(settings), log_(std::cerr, settings.json), schedule_(settings.until) {}

  void run() {
    prepareOutput(settings_.output);
    StopSignals signals;
    std::optional<FolderWatch> folder;
    try {
      folder.emplace(pellora::WidgetSnapshot::folder(), snapshotFileName);
    } catch (const std::system_error& e) {
      log_.error(fnd::Clock::now(), std::string(e.what()) +
                                        "; the snapshot is read again only as the timeline says");
    }
    schedule_.requestReload("start");

    for (;;) {
      pollfd fds[2] = {{signals.fd(), POLLIN, 0}, {folder ? folder->fd() : -1, POLLIN, 0}};
      const fnd::Date before = fnd::Clock::now();
      const int wait = waitMilliseconds(schedule_.next(before), before, settings_.speed);
      if (::poll(fds, 2, wait) < 0 && errno != EINTR) {
        throw std::system_error(errno, std::generic_category(), "cannot wait for events");
      }
      if (fds[0].revents != 0) {
        if (const std::optional<int> signal = signals.take()) {
          log_.stop(fnd::Clock::now(), signalName(*signal));
          return;
        }
      }
      if (folder && fds[1].revents != 0) readFileEvents(folder);

      // One action per turn, so that signals and file events are seen between renders even
      // while the loop catches up with a timeline.
      const fnd::Date now = fnd::Clock::now();
      const std::optional<Action> action = schedule_.next(now);
      if (!action || action->due > now) continue;
      switch (action->kind) {
        case ActionKind::reload:
          reload(action->why);
          break;
        case ActionKind::render:
          render(action->entry, firstOfTimeline_ ? "new timeline" : "entry date");
          firstOfTimeline_ = false;
          break;
        case ActionKind::restyle:
          render(action->entry, "snapshot over two hours old");
          break;
        case ActionKind::stop:
          log_.stop(now, "until " + fnd::formatISO8601(*settings_.until) + " reached");
          return;
      }
      if (settings_.exitAfter && renders_ >= *settings_.exitAfter) {
        log_.stop(fnd::Clock::now(), std::to_string(renders_) +
                                         (renders_ == 1 ? " render done" : " renders done"));
        return;
      }
    }
  }

 private:
  void readFileEvents(std::optional<FolderWatch>& folder) {
    try {
      if (const std::optional<std::string> changes = folder->readChanges()) {
        schedule_.requestReload(*changes);
      }
    } catch (const std::system_error& e) {
      log_.error(fnd::Clock::now(), std::string(e.what()) +
                                        "; the snapshot is read again only as the timeline says");
      folder.reset();
    }
  }

  void reload(const std::string& why) {
    wk::TimelineProviderContext context;
    context.family = settings_.families.front();
    wk::Timeline<wk::AnyEntry> timeline = widget_.provider().timeline(context);
    const fnd::Date at = fnd::Clock::now();

    std::vector<ScheduledEntry> scheduled;
    for (const wk::AnyEntry& any : timeline.entries) {
      const pellora::Entry& e = entryOf(any);
      ScheduledEntry s{e.date, std::nullopt};
      if (e.snapshot) {
        s.changesAfter = e.snapshot->updated + fnd::Seconds{pellora::staleAfterSeconds};
      }
      scheduled.push_back(s);
    }
    schedule_.replace(std::move(scheduled), timeline.policy, at);
    entries_ = std::move(timeline.entries);
    firstOfTimeline_ = true;

    ReloadRecord record;
    record.entries = entries_.size();
    if (!entries_.empty()) {
      record.first = entries_.front().date;
      record.last = entries_.back().date;
      record.snapshot = entryOf(entries_.front()).snapshot.has_value();
    }
    record.policy = timeline.policy.kind();
    record.next = schedule_.reloadAt();
    log_.reload(at, record, why);
  }

  void render(std::size_t index, const std::string& why) {
    // The view judges staleness by the clock when its body is built, just after this reading.
    const fnd::Date at = fnd::Clock::now();
    const wk::AnyEntry& any = entries_.at(index);
    const pellora::Entry& e = entryOf(any);
    RenderRecord record;
    record.entry = index + 1;
    record.of = entries_.size();
    record.date = e.date;
    record.snapshot = e.snapshot.has_value();
    record.percent = e.percent;
    record.dimmed = dimmedAt(e, at);

    std::error_code ec;
    fs::create_directories(settings_.output, ec);  // in case it was removed meanwhile
    for (wk::WidgetFamily family : settings_.families) {
      render::WidgetRendering rendering;
      rendering.family = family;
      rendering.scheme = settings_.scheme;
      rendering.format = render::Format::png;
      rendering.scale = settings_.scale;
      const fs::path name = outputFileName(family);
      try {
        render::renderWidgetToFile(widget_.view(any, family), rendering, settings_.output / name);
        record.files.push_back(name.string());
      } catch (const std::exception& failure) {
        log_.error(at, "cannot render " + name.string() + ": " + failure.what());
      }
    }
    log_.render(at, record, why);
    schedule_.rendered(index, at);
    ++renders_;
  }

  const WatchSettings& settings_;
  WatchLog log_;
  Schedule schedule_;
  const wk::StaticConfiguration widget_ = batteryWidget();
  std::vector<wk::AnyEntry> entries_;
  bool firstOfTimeline_ = false;
  std::size_t renders_ = 0;
};

}  // namespace

fs::path outputFileName(wk::WidgetFamily family) {
  switch (family) {
    case wk::WidgetFamily::systemMedium: return "medium.png";
    case wk::WidgetFamily::systemLarge: return "large.png";
    case wk::WidgetFamily::systemSmall: return "small.png";
    default: return std::string(wk::toString(family)) + ".png";
  }
}

void watch(const WatchSettings& settings) {
  if (settings.families.empty()) throw std::invalid_argument("no widget family to render");
  Loop(settings).run();
}

}  // namespace host::watch
