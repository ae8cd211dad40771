#pragma once
// A small JSON value: how tree dumps carry node properties, modifier values and frames.
// Objects keep their members in insertion order so that dumps read in declaration order.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace ui {

class Json {
 public:
  using Array = std::vector<Json>;
  using Member = std::pair<std::string, Json>;
  using Object = std::vector<Member>;

  Json() = default;  // null
  Json(std::nullptr_t) {}  // NOLINT
  Json(bool b) : value_(b) {}  // NOLINT
  Json(double d) : value_(d) {}  // NOLINT
  Json(int i) : value_(static_cast<double>(i)) {}  // NOLINT
  Json(std::int64_t i) : value_(static_cast<double>(i)) {}  // NOLINT
  Json(std::string s) : value_(std::move(s)) {}  // NOLINT
  Json(const char* s) : value_(std::string(s)) {}  // NOLINT
  Json(std::string_view s) : value_(std::string(s)) {}  // NOLINT
  Json(Array a) : value_(std::move(a)) {}  // NOLINT
  static Json object(Object members = {}) { Json j; j.value_ = std::move(members); return j; }

  bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
  bool isBool() const { return std::holds_alternative<bool>(value_); }
  bool isNumber() const { return std::holds_alternative<double>(value_); }
  bool isString() const { return std::holds_alternative<std::string>(value_); }
  bool isArray() const { return std::holds_alternative<Array>(value_); }
  bool isObject() const { return std::holds_alternative<Object>(value_); }

  bool asBool() const { return std::get<bool>(value_); }
  double asNumber() const { return std::get<double>(value_); }
  const std::string& asString() const { return std::get<std::string>(value_); }
  const Array& asArray() const { return std::get<Array>(value_); }
  Array& asArray() { return std::get<Array>(value_); }
  const Object& asObject() const { return std::get<Object>(value_); }
  Object& asObject() { return std::get<Object>(value_); }

  // Object access: the first member of that name, or nullptr.
  const Json* find(std::string_view key) const;
  // Object building: appends a member (or replaces one of the same name).
  Json& set(std::string key, Json value);
  // Array building.
  Json& push(Json value);

  // Compact JSON text; numbers in shortest round-trip form, whole numbers without a fraction.
  std::string serialize() const;
  // Indented JSON text (two spaces).
  std::string pretty() const;

  bool operator==(const Json&) const = default;

 private:
  std::variant<std::monostate, bool, double, std::string, Array, Object> value_;
};

// Shortest round-trip text of a number: 31, 6.4, 0.1; non-finite numbers as "inf"/"-inf"/"nan".
std::string formatNumber(double value);

}  // namespace ui
