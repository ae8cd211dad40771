// The strict reader of the JSON form. simdjson parses and validates; the rules on top are ours:
// whole numbers for integer fields, null as absent for optional keys, exact mode texts,
// unknown keys ignored, all or nothing — and a reason a person can act on when it refuses.
#include <charconv>
#include <cmath>
#include <limits>

#include <simdjson.h>

#include "JSONSyntax.hpp"
#include "PelloraShared/SnapshotJSON.hpp"

namespace pellora {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;
using simdjson::dom::object;

// Raised inside the decoder only; decodeSnapshot turns it into a DecodeResult.
struct Refusal {
  std::string reason;
};

std::string typeName(const element& e) {
  switch (e.type()) {
    case element_type::ARRAY: return "an array";
    case element_type::OBJECT: return "an object";
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE: return "a number";
    case element_type::STRING: return "a string";
    case element_type::BOOL: return "a boolean";
    case element_type::NULL_VALUE: return "null";
  }
  return "something else";
}

std::string numberText(const element& e) {
  char buffer[32];
  std::to_chars_result r{};
  switch (e.type()) {
    case element_type::INT64: r = std::to_chars(buffer, buffer + 32, std::int64_t(e)); break;
    case element_type::UINT64: r = std::to_chars(buffer, buffer + 32, std::uint64_t(e)); break;
    default: r = std::to_chars(buffer, buffer + 32, double(e)); break;
  }
  return std::string(buffer, r.ptr);
}

// Where in the file an object stands: the top level, or one element of a list. Its text prefixes
// every reason ("topApps[2]: ") and is only made when there is a reason: decoding a long
// history should not cost a string per element.
struct Place {
  std::string_view list;  // empty at the top level
  std::size_t index = 0;

  std::string text() const {
    if (list.empty()) return {};
    return std::string(list) + "[" + std::to_string(index) + "]: ";
  }
};

// The keys each kind of object defines; any other key is ignored.
constexpr std::string_view snapshotKeys[] = {"updated", "percent", "mode", "status", "minutesLeft", "watts", "limit",
                                             "topApps", "health", "cycles", "temperature", "adapterWatts", "insight",
                                             "history"};
constexpr std::string_view appKeys[] = {"name", "watts", "icon"};
constexpr std::string_view pointKeys[] = {"t", "p"};

// Reads the fields of one JSON object that defines the N keys `keys`. One pass over the object
// picks the first value of each key (a later duplicate is ignored), so that a lookup is a look
// among a few names rather than a search of the whole object. Sized by N: a history point is
// read with room for its two keys, not the snapshot's fourteen.
template <std::size_t N>
class Fields {
 public:
  Fields(object obj, const std::string_view (&keys)[N], Place where) : keys_(keys), where_(where) {
    for (const simdjson::dom::key_value_pair field : obj) {
      for (std::size_t i = 0; i < N; ++i) {
        if (!found_[i] && keys_[i] == field.key) {
          values_[i] = field.value;
          found_[i] = true;
          break;
        }
      }
    }
  }

  [[noreturn]] void refuse(const std::string& reason) const { throw Refusal{where_.text() + reason}; }

  // The value of a key, or nothing when it is missing or null (both mean "absent").
  std::optional<element> optional(std::string_view key) const {
    const element* e = find(key);
    if (!e || e->type() == element_type::NULL_VALUE) return std::nullopt;
    return *e;
  }
  element required(std::string_view key, const char* expected) const {
    const element* e = find(key);
    if (!e) refuse("missing required key \"" + std::string(key) + "\"");
    if (e->type() == element_type::NULL_VALUE) mismatch(key, expected, *e);
    return *e;
  }
  [[noreturn]] void mismatch(std::string_view key, const char* expected, const element& got) const {
    refuse("\"" + std::string(key) + "\" must be " + expected + ", got " +
           (got.is_number() ? numberText(got) : typeName(got)));
  }

  double number(std::string_view key, const element& e) const {
    switch (e.type()) {
      case element_type::INT64: return double(std::int64_t(e));
      case element_type::UINT64: return double(std::uint64_t(e));
      case element_type::DOUBLE: return double(e);
      default: mismatch(key, "a number", e);
    }
  }
  std::int64_t integer(std::string_view key, const element& e) const {
    switch (e.type()) {
      case element_type::INT64: return std::int64_t(e);
      case element_type::UINT64: break;  // only values above the signed range arrive as uint64
      case element_type::DOUBLE: {
        const double d = double(e);
        if (d != std::trunc(d)) mismatch(key, "a whole number", e);
        // [-2^63, 2^63): the doubles that convert to a signed 64-bit integer exactly.
        if (d >= -9223372036854775808.0 && d < 9223372036854775808.0) return static_cast<std::int64_t>(d);
        break;
      }
      default: mismatch(key, "a whole number", e);
    }
    mismatch(key, "a whole number within the signed 64-bit range", e);
  }
  std::string text(std::string_view key, const element& e) const {
    if (e.type() != element_type::STRING) mismatch(key, "a string", e);
    return std::string(std::string_view(e));
  }
  simdjson::dom::array array(std::string_view key, const element& e) const {
    if (e.type() != element_type::ARRAY) mismatch(key, "an array", e);
    return simdjson::dom::array(e);
  }

  double requiredNumber(std::string_view k) const { return number(k, required(k, "a number")); }
  std::int64_t requiredInteger(std::string_view k) const { return integer(k, required(k, "a whole number")); }
  std::string requiredText(std::string_view k) const { return text(k, required(k, "a string")); }

  std::optional<double> optionalNumber(std::string_view k) const {
    if (auto e = optional(k)) return number(k, *e);
    return std::nullopt;
  }
  std::optional<std::int64_t> optionalInteger(std::string_view k) const {
    if (auto e = optional(k)) return integer(k, *e);
    return std::nullopt;
  }
  std::optional<std::string> optionalText(std::string_view k) const {
    if (auto e = optional(k)) return text(k, *e);
    return std::nullopt;
  }

 private:
  const element* find(std::string_view key) const {
    for (std::size_t i = 0; i < N; ++i) {
      if (keys_[i] == key) return found_[i] ? &values_[i] : nullptr;
    }
    return nullptr;
  }

  const std::string_view (&keys_)[N];
  element values_[N];
  bool found_[N] = {};
  Place where_;
};

object asObject(const element& e, const Place& where, std::string_view what) {
  if (e.type() != element_type::OBJECT) {
    throw Refusal{where.text() + std::string(what) + "must be a JSON object, got " + typeName(e)};
  }
  return object(e);
}

template <typename T, std::size_t N, typename Read>
std::vector<T> readList(simdjson::dom::array items, std::string_view key, const std::string_view (&keys)[N], Read read) {
  std::vector<T> out;
  out.reserve(items.size());
  std::size_t index = 0;
  for (element item : items) {
    const Place where{key, index++};
    out.push_back(read(Fields<N>(asObject(item, where, ""), keys, where)));
  }
  return out;
}

WidgetSnapshot::App readApp(const Fields<std::size(appKeys)>& f) {
  return {.name = f.requiredText("name"), .watts = f.requiredNumber("watts"), .icon = f.optionalText("icon")};
}

WidgetSnapshot::Point readPoint(const Fields<std::size(pointKeys)>& f) {
  return {.t = dateFromSeconds(f.requiredNumber("t")), .p = f.requiredInteger("p")};
}

WidgetSnapshot readSnapshot(const element& root) {
  const Fields<std::size(snapshotKeys)> f(asObject(root, Place{}, "the snapshot "), snapshotKeys, Place{});
  WidgetSnapshot s;
  s.updated = dateFromSeconds(f.requiredNumber("updated"));
  s.percent = f.requiredInteger("percent");
  {
    const std::string mode = f.requiredText("mode");
    const auto m = modeFromString(mode);
    if (!m) {
      std::string shown;
      appendJSONString(shown, mode);
      f.refuse("\"mode\" must be one of charging, onBattery, held, full, sailing, got " + shown);
    }
    s.mode = *m;
  }
  s.status = f.requiredText("status");
  s.minutesLeft = f.optionalInteger("minutesLeft");
  s.watts = f.optionalNumber("watts");
  s.limit = f.requiredInteger("limit");
  s.topApps = readList<WidgetSnapshot::App>(f.array("topApps", f.required("topApps", "an array")), "topApps", appKeys, readApp);
  s.health = f.optionalNumber("health");
  s.cycles = f.optionalInteger("cycles");
  s.temperature = f.optionalNumber("temperature");
  s.adapterWatts = f.optionalNumber("adapterWatts");
  s.insight = f.optionalText("insight");
  if (auto h = f.optional("history")) {
    s.history = readList<WidgetSnapshot::Point>(f.array("history", *h), "history", pointKeys, readPoint);
  }
  return s;
}

std::string parseFailure(std::string_view json, simdjson::error_code code, std::size_t maxDepth) {
  if (json.empty()) return "empty file";
  if (code == simdjson::DEPTH_ERROR) return "not JSON: nested more than " + std::to_string(maxDepth) + " levels deep";
  if (code == simdjson::NUMBER_ERROR) return "not JSON: a number is out of range";
  std::string where = detail::describeJSONSyntaxError(json, maxDepth);
  if (where.empty()) where = simdjson::error_message(code);
  return "not JSON: " + where;
}

}  // namespace

DecodeResult decodeSnapshot(std::string_view json) {
  // One parser per thread, reused: its buffers are the costly part of a parse. Buffers grown
  // for an unusually large file are let go afterwards.
  thread_local simdjson::dom::parser parser;
  constexpr std::size_t keepCapacity = 1u << 20;
  struct Release {
    std::size_t size;
    ~Release() {
      if (size > keepCapacity) parser = simdjson::dom::parser{};
    }
  } release{json.size()};

  element root;
  if (const auto code = parser.parse(json.data(), json.size(), true).get(root); code != simdjson::SUCCESS) {
    return {std::nullopt, parseFailure(json, code, parser.max_depth())};
  }
  try {
    return {readSnapshot(root), {}};
  } catch (const Refusal& r) {
    return {std::nullopt, r.reason};
  }
}

}  // namespace pellora
