#include "Host/WatchLog.hpp"

#include "Host/Output.hpp"
#include "Platform/Foundation/ISO8601.hpp"

namespace host::watch {
namespace {

std::string nextReloadText(const ReloadRecord& r) {
  if (!r.next) return "never asked again";
  const std::string at = fnd::formatISO8601(*r.next);
  switch (r.policy) {
    case wk::TimelineReloadPolicy::Kind::atEnd: return "asked again at the end, " + at;
    case wk::TimelineReloadPolicy::Kind::after: return "asked again after " + at;
    case wk::TimelineReloadPolicy::Kind::never: break;
  }
  return "asked again at " + at;
}

}  // namespace

void WatchLog::write(const std::string& line) {
  const std::string whole = line + '\n';
  out_.write(whole.data(), static_cast<std::streamsize>(whole.size()));
  out_.flush();
}

void WatchLog::reload(fnd::Date at, const ReloadRecord& r, const std::string& why) {
  if (json_) {
    JSONWriter w;
    w.beginObject().key("time").date(at, "time").key("event").string("reload");
    w.key("entries").integer(static_cast<std::int64_t>(r.entries));
    if (r.first) w.key("first").date(*r.first, "first");
    if (r.last) w.key("last").date(*r.last, "last");
    w.key("snapshot").boolean(r.snapshot).key("policy").string(wk::toString(r.policy));
    if (r.next) w.key("next").date(*r.next, "next");
    w.key("why").string(why).endObject();
    write(w.text());
    return;
  }
  std::string line = fnd::formatISO8601(at) + " reload: " + std::to_string(r.entries) +
                     (r.entries == 1 ? " entry" : " entries");
  if (r.first && r.last && r.entries > 1) {
    line += " from " + fnd::formatISO8601(*r.first) + " to " + fnd::formatISO8601(*r.last);
  } else if (r.first) {
    line += " at " + fnd::formatISO8601(*r.first);
  }
  line += r.snapshot ? ", with a snapshot, " : ", no snapshot, ";
  line += nextReloadText(r) + "; why: " + why;
  write(line);
}

void WatchLog::render(fnd::Date at, const RenderRecord& r, const std::string& why) {
  if (json_) {
    JSONWriter w;
    w.beginObject().key("time").date(at, "time").key("event").string("render");
    w.key("entry").integer(static_cast<std::int64_t>(r.entry));
    w.key("of").integer(static_cast<std::int64_t>(r.of)).key("date").date(r.date, "date");
    w.key("snapshot").boolean(r.snapshot).key("percent").integer(r.percent);
    w.key("dimmed").boolean(r.dimmed).key("files").beginArray();
    for (const std::string& f : r.files) w.string(f);
    w.endArray().key("why").string(why).endObject();
    write(w.text());
    return;
  }
  std::string line = fnd::formatISO8601(at) + " render: entry " + std::to_string(r.entry) +
                     " of " + std::to_string(r.of) + " (" + fnd::formatISO8601(r.date) + "), ";
  if (r.snapshot) {
    line += std::to_string(r.percent) + "%, " + (r.dimmed ? "dimmed" : "fresh");
  } else {
    line += "empty state";
  }
  line += ", to";
  for (const std::string& f : r.files) line += " " + f;
  line += "; why: " + why;
  write(line);
}

void WatchLog::stop(fnd::Date at, const std::string& why) {
  if (json_) {
    JSONWriter w;
    w.beginObject().key("time").date(at, "time").key("event").string("stop");
    w.key("why").string(why).endObject();
    write(w.text());
    return;
  }
  write(fnd::formatISO8601(at) + " stop; why: " + why);
}

void WatchLog::error(fnd::Date at, const std::string& message) {
  if (json_) {
    JSONWriter w;
    w.beginObject().key("time").date(at, "time").key("event").string("error");
    w.key("message").string(message).endObject();
    write(w.text());
    return;
  }
  write(fnd::formatISO8601(at) + " error: " + message);
}

}  // namespace host::watch
