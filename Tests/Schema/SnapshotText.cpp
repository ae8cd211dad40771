#include "Tests/Schema/SnapshotText.hpp"

#include <algorithm>

namespace schematest {

JSONObject JSONObject::with(std::string_view key, std::string raw) const {
  JSONObject copy = *this;
  const auto found = std::find_if(copy.members_.begin(), copy.members_.end(),
                                  [&](const Member& m) { return m.first == key; });
  if (found != copy.members_.end()) {
    found->second = std::move(raw);
  } else {
    copy.members_.emplace_back(std::string(key), std::move(raw));
  }
  return copy;
}

JSONObject JSONObject::without(std::string_view key) const {
  JSONObject copy = *this;
  std::erase_if(copy.members_, [&](const Member& m) { return m.first == key; });
  return copy;
}

std::string JSONObject::text() const {
  std::string out = "{";
  for (const auto& [key, raw] : members_) {
    if (out.size() > 1) out += ',';
    out += '"' + key + "\":" + raw;
  }
  return out + "}";
}

std::string array(std::initializer_list<std::string> raws) {
  std::string out = "[";
  for (const std::string& raw : raws) {
    if (out.size() > 1) out += ',';
    out += raw;
  }
  return out + "]";
}

JSONObject minimalSnapshot() {
  return {{"updated", "1765238400"},     {"percent", "72"}, {"mode", R"("onBattery")"},
          {"status", R"("On battery")"}, {"limit", "80"},   {"topApps", "[]"}};
}

JSONObject fullApp() {
  return {{"name", R"("Safari")"}, {"watts", "1.8"}, {"icon", R"("safari.png")"}};
}

JSONObject samplePoint() { return {{"t", "1765236600"}, {"p", "73"}}; }

JSONObject fullSnapshot() {
  return {{"updated", "1765238400.5"},
          {"percent", "72"},
          {"mode", R"("onBattery")"},
          {"status", "\"On battery \u00B7 5 h 20 m left\""},
          {"minutesLeft", "320"},
          {"watts", "6.4"},
          {"limit", "80"},
          {"topApps", array({fullApp().text(), R"({"name":"Mail","watts":0.3})"})},
          {"health", "0.94"},
          {"cycles", "212"},
          {"temperature", "31"},
          {"adapterWatts", "96"},
          {"insight", R"("Safari is using a lot of power")"},
          {"history", array({samplePoint().text(), R"({"t":1765238400,"p":72})"})}};
}

}  // namespace schematest
