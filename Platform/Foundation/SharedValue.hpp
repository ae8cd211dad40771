#pragma once
// An optional value that never changes once made, held once and shared by every copy. It reads
// like a const std::optional (bool test, *, ->, == by value), so that a value handed to many
// holders — a timeline's entries all carry the same record — costs one copy, not one per holder.
#include <memory>
#include <optional>
#include <utility>

namespace fnd {

template <class T>
class SharedValue {
 public:
  SharedValue() = default;
  SharedValue(std::nullopt_t) {}  // NOLINT: absent, as an optional is
  SharedValue(T value) : value_(std::make_shared<const T>(std::move(value))) {}  // NOLINT
  SharedValue(std::optional<T> value) {  // NOLINT: an optional converts as its value does
    if (value) value_ = std::make_shared<const T>(std::move(*value));
  }

  bool has_value() const { return value_ != nullptr; }
  explicit operator bool() const { return has_value(); }
  // As with an optional, reading an absent value is the caller's error.
  const T& operator*() const { return *value_; }
  const T* operator->() const { return value_.get(); }

  friend bool operator==(const SharedValue& a, const SharedValue& b) {
    if (a.value_ == b.value_) return true;
    return a.value_ && b.value_ && *a.value_ == *b.value_;
  }
  friend bool operator==(const SharedValue& a, std::nullopt_t) { return !a.has_value(); }

 private:
  std::shared_ptr<const T> value_;
};

}  // namespace fnd
