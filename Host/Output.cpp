#include "Host/Output.hpp"

#include <charconv>

#include "PelloraShared/SnapshotJSON.hpp"
#include "Platform/Foundation/ISO8601.hpp"

namespace host {

std::string secondsText(fnd::Date date) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, fnd::secondsSince1970(date));
  return ec == std::errc{} ? std::string(buffer, end) : std::string("?");
}

std::string timeText(fnd::Date date) {
  return fnd::formatISO8601(date) + " (" + secondsText(date) + ")";
}

void JSONWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasMembers_.empty()) {
    if (hasMembers_.back()) out_ += ',';
    hasMembers_.back() = true;
  }
}

JSONWriter& JSONWriter::beginObject() {
  beforeValue();
  out_ += '{';
  hasMembers_.push_back(false);
  return *this;
}

JSONWriter& JSONWriter::endObject() {
  out_ += '}';
  hasMembers_.pop_back();
  return *this;
}

JSONWriter& JSONWriter::beginArray() {
  beforeValue();
  out_ += '[';
  hasMembers_.push_back(false);
  return *this;
}

JSONWriter& JSONWriter::endArray() {
  out_ += ']';
  hasMembers_.pop_back();
  return *this;
}

JSONWriter& JSONWriter::key(std::string_view name) {
  beforeValue();
  pellora::appendJSONString(out_, name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JSONWriter& JSONWriter::string(std::string_view text) {
  beforeValue();
  pellora::appendJSONString(out_, text);
  return *this;
}

JSONWriter& JSONWriter::number(double value, std::string_view field) {
  beforeValue();
  pellora::appendJSONNumber(out_, value, field);
  return *this;
}

JSONWriter& JSONWriter::integer(std::int64_t value) {
  beforeValue();
  out_ += std::to_string(value);
  return *this;
}

JSONWriter& JSONWriter::boolean(bool value) {
  beforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JSONWriter& JSONWriter::date(fnd::Date value, std::string_view field) {
  return number(fnd::secondsSince1970(value), field);
}

JSONWriter& JSONWriter::raw(std::string_view json) {
  beforeValue();
  out_ += json;
  return *this;
}

}  // namespace host
