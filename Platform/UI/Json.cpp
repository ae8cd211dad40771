#include "Platform/UI/Json.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ui {

std::string formatNumber(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0) return "0";  // also for -0
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

const Json* Json::find(std::string_view key) const {
  if (!isObject()) return nullptr;
  for (const auto& [name, value] : asObject())
    if (name == key) return &value;
  return nullptr;
}

Json& Json::set(std::string key, Json value) {
  if (!isObject()) value_ = Object{};
  for (auto& [name, existing] : asObject())
    if (name == key) { existing = std::move(value); return *this; }
  asObject().emplace_back(std::move(key), std::move(value));
  return *this;
}

Json& Json::push(Json value) {
  if (!isArray()) value_ = Array{};
  asArray().push_back(std::move(value));
  return *this;
}

namespace {

void writeString(std::string& out, const std::string& s) {
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char u[8];
          std::snprintf(u, sizeof u, "\\u%04x", c);
          out += u;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

// JSON has no infinity: unbounded lengths are written as the string "infinity".
void writeNumber(std::string& out, double d) {
  if (std::isinf(d)) { out += d > 0 ? "\"infinity\"" : "\"-infinity\""; return; }
  if (std::isnan(d)) { out += "null"; return; }
  out += formatNumber(d);
}

void write(std::string& out, const Json& j, int indent, int depth) {
  const bool pretty = indent > 0;
  auto newline = [&](int d) {
    if (!pretty) return;
    out += '\n';
    out.append(static_cast<size_t>(d * indent), ' ');
  };
  if (j.isNull()) out += "null";
  else if (j.isBool()) out += j.asBool() ? "true" : "false";
  else if (j.isNumber()) writeNumber(out, j.asNumber());
  else if (j.isString()) writeString(out, j.asString());
  else if (j.isArray()) {
    const auto& a = j.asArray();
    out += '[';
    for (size_t i = 0; i < a.size(); ++i) {
      if (i) out += ',';
      newline(depth + 1);
      write(out, a[i], indent, depth + 1);
    }
    if (!a.empty()) newline(depth);
    out += ']';
  } else {
    const auto& o = j.asObject();
    out += '{';
    for (size_t i = 0; i < o.size(); ++i) {
      if (i) out += ',';
      newline(depth + 1);
      writeString(out, o[i].first);
      out += pretty ? ": " : ":";
      write(out, o[i].second, indent, depth + 1);
    }
    if (!o.empty()) newline(depth);
    out += '}';
  }
}

}  // namespace

std::string Json::serialize() const {
  std::string out;
  write(out, *this, 0, 0);
  return out;
}

std::string Json::pretty() const {
  std::string out;
  write(out, *this, 2, 0);
  return out;
}

}  // namespace ui
