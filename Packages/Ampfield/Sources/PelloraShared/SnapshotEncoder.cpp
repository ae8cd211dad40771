// The compact JSON writer: declaration order, absent optionals left out, shortest numbers.
#include <charconv>
#include <cmath>

#include <simdjson.h>

#include "PelloraShared/SnapshotJSON.hpp"

namespace pellora {

void appendJSONNumber(std::string& out, double value, std::string_view field) {
  if (!std::isfinite(value)) {
    throw EncodingError("\"" + std::string(field) + "\" holds " +
                        (std::isnan(value) ? "not-a-number" : "an infinity") +
                        ", which JSON cannot carry");
  }
  char buffer[32];
  // -0.0 has no JSON form apart from "-0", which reads back as an integer 0 in some readers.
  if (value == 0) value = 0.0;
  // The shortest form of a large value may be a plain integer ("-922337203685477580800"); one
  // outside [-2^63, 2^64) is refused by the reader as an integer out of range, so it is written
  // in exponent form instead ("-9.223372036854776e+20").
  const bool integerReadable = value >= -9223372036854775808.0 && value < 18446744073709551616.0;
  const auto result = integerReadable
                          ? std::to_chars(buffer, buffer + sizeof buffer, value)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  out.append(buffer, result.ptr);
}

void appendJSONString(std::string& out, std::string_view text) {
  static constexpr char hex[] = "0123456789abcdef";
  out.push_back('"');
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (u < 0x20) {
          out += "\\u00";
          out.push_back(hex[u >> 4]);
          out.push_back(hex[u & 0xF]);
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
}

namespace {

void appendInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

// A text that is not UTF-8 would be written, then refused by every reader: refuse it here.
void appendText(std::string& out, std::string_view text, std::string_view field) {
  if (!simdjson::validate_utf8(text.data(), text.size())) {
    throw EncodingError("\"" + std::string(field) + "\" is not valid UTF-8");
  }
  appendJSONString(out, text);
}

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void key(std::string_view k) {
    out_.push_back(first_ ? '{' : ',');
    first_ = false;
    appendJSONString(out_, k);
    out_.push_back(':');
  }
  void close() { out_ += first_ ? "{}" : "}"; }

 private:
  std::string& out_;
  bool first_ = true;
};

void appendApp(std::string& out, const WidgetSnapshot::App& app) {
  Writer w(out);
  w.key("name");
  appendText(out, app.name, "name");
  w.key("watts");
  appendJSONNumber(out, app.watts, "watts");
  if (app.icon) {
    w.key("icon");
    appendText(out, *app.icon, "icon");
  }
  w.close();
}

void appendPoint(std::string& out, const WidgetSnapshot::Point& point) {
  Writer w(out);
  w.key("t");
  appendJSONNumber(out, secondsSince1970(point.t), "t");
  w.key("p");
  appendInteger(out, point.p);
  w.close();
}

template <typename T, typename F>
void appendArray(std::string& out, const std::vector<T>& items, F appendItem) {
  out.push_back('[');
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out.push_back(',');
    appendItem(out, items[i]);
  }
  out.push_back(']');
}

}  // namespace

std::string encodeSnapshot(const WidgetSnapshot& s) {
  std::string out;
  out.reserve(256 + 48 * s.topApps.size() + (s.history ? 32 * s.history->size() : 0));
  Writer w(out);
  w.key("updated");
  appendJSONNumber(out, secondsSince1970(s.updated), "updated");
  w.key("percent");
  appendInteger(out, s.percent);
  w.key("mode");
  appendJSONString(out, toString(s.mode));
  w.key("status");
  appendText(out, s.status, "status");
  if (s.minutesLeft) {
    w.key("minutesLeft");
    appendInteger(out, *s.minutesLeft);
  }
  if (s.watts) {
    w.key("watts");
    appendJSONNumber(out, *s.watts, "watts");
  }
  w.key("limit");
  appendInteger(out, s.limit);
  w.key("topApps");
  appendArray(out, s.topApps, appendApp);
  if (s.health) {
    w.key("health");
    appendJSONNumber(out, *s.health, "health");
  }
  if (s.cycles) {
    w.key("cycles");
    appendInteger(out, *s.cycles);
  }
  if (s.temperature) {
    w.key("temperature");
    appendJSONNumber(out, *s.temperature, "temperature");
  }
  if (s.adapterWatts) {
    w.key("adapterWatts");
    appendJSONNumber(out, *s.adapterWatts, "adapterWatts");
  }
  if (s.insight) {
    w.key("insight");
    appendText(out, *s.insight, "insight");
  }
  if (s.history) {
    w.key("history");
    appendArray(out, *s.history, appendPoint);
  }
  w.close();
  return out;
}

}  // namespace pellora
