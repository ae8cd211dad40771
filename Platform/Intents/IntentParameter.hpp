#pragma once
// One parameter of an intent: a title that the platform can show, and a value that stays unset
// until the platform (or the intent's creator) sets it.
#include <optional>
#include <utility>

#include "Platform/Foundation/LocalizedStringKey.hpp"
#include "Platform/Intents/IntentError.hpp"

namespace intents {

template <class T>
class IntentParameter {
 public:
  using Value = T;

  explicit IntentParameter(fnd::LocalizedStringKey title) : title_(std::move(title)) {}

  const fnd::LocalizedStringKey& title() const { return title_; }
  bool hasValue() const { return value_.has_value(); }
  const std::optional<T>& value() const { return value_; }

  // The value; throws MissingParameterError while it is unset.
  const T& wrappedValue() const {
    if (!value_) throwMissing();
    return *value_;
  }
  T& wrappedValue() {
    if (!value_) throwMissing();
    return *value_;
  }
  void setWrappedValue(T value) { value_ = std::move(value); }
  IntentParameter& operator=(T value) {
    value_ = std::move(value);
    return *this;
  }

 private:
  [[noreturn]] void throwMissing() const {
    throw MissingParameterError("the parameter \"" + title_.text() + "\" has no value");
  }

  fnd::LocalizedStringKey title_;
  std::optional<T> value_;
};

}  // namespace intents
