#pragma once
// What the commands print: times for people and a compact JSON writer for programs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Platform/Foundation/Date.hpp"

namespace host {

// "2025-12-09T10:00:00Z (1765274400)": ISO 8601 in UTC, then seconds since 1970.
std::string timeText(fnd::Date date);
// Seconds since 1970 in shortest round-trip form: "1765274400", "1765274400.5".
std::string secondsText(fnd::Date date);

// Compact JSON, written in order; commas and nesting are kept track of.
class JSONWriter {
 public:
  JSONWriter& beginObject();
  JSONWriter& endObject();
  JSONWriter& beginArray();
  JSONWriter& endArray();
  JSONWriter& key(std::string_view name);
  JSONWriter& string(std::string_view text);
  JSONWriter& number(double value, std::string_view field);  // throws for NaN and infinity
  JSONWriter& integer(std::int64_t value);
  JSONWriter& boolean(bool value);
  JSONWriter& date(fnd::Date value, std::string_view field);  // seconds since 1970
  // An already encoded JSON value, such as a snapshot's JSON form.
  JSONWriter& raw(std::string_view json);

  const std::string& text() const { return out_; }

 private:
  void beforeValue();
  std::string out_;
  std::vector<bool> hasMembers_;  // one per open object or array
  bool afterKey_ = false;
};

}  // namespace host
