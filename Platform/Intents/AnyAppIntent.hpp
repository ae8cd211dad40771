#pragma once
// Intents of any type, as the platform holds them: a copy of the intent behind its title,
// discoverability and perform().
#include <functional>
#include <utility>

#include "Platform/Intents/AppIntent.hpp"

namespace intents {

class AnyAppIntent {
 public:
  template <AppIntent T>
  AnyAppIntent(T intent)  // NOLINT: every intent converts
      : title_(T::title()),
        isDiscoverable_(intents::isDiscoverable<T>()),
        perform_([intent = std::move(intent)] { return intent.perform(); }) {}

  const fnd::LocalizedStringKey& title() const { return title_; }
  bool isDiscoverable() const { return isDiscoverable_; }
  // Performs the intent on the calling thread; the platform's runner calls it off its caller's.
  IntentResult perform() const { return perform_(); }

 private:
  fnd::LocalizedStringKey title_;
  bool isDiscoverable_;
  std::function<IntentResult()> perform_;
};

// A set-value intent over V, as a control's action: the platform makes a copy with the new value
// and performs that.
template <class V>
class AnySetValueIntent {
 public:
  template <class T>
    requires SetValueIntent<T, V>
  AnySetValueIntent(T intent)  // NOLINT: every set-value intent over V converts
      : title_(T::title()),
        isDiscoverable_(intents::isDiscoverable<T>()),
        valueIsSet_(intent.value.hasValue()),
        withValue_([intent](V value) -> AnyAppIntent {
          T copy = intent;
          copy.value = std::move(value);
          return AnyAppIntent(std::move(copy));
        }),
        asIs_([intent = std::move(intent)] { return AnyAppIntent(intent); }) {}

  const fnd::LocalizedStringKey& title() const { return title_; }
  bool isDiscoverable() const { return isDiscoverable_; }
  // Whether the embedded intent already carried a value (a control's action carries none).
  bool valueIsSet() const { return valueIsSet_; }
  // A copy of the intent with `value` set, ready to perform.
  AnyAppIntent withValue(V value) const { return withValue_(std::move(value)); }
  // The intent as it is, its value possibly unset.
  AnyAppIntent asIs() const { return asIs_(); }

 private:
  fnd::LocalizedStringKey title_;
  bool isDiscoverable_;
  bool valueIsSet_;
  std::function<AnyAppIntent(V)> withValue_;
  std::function<AnyAppIntent()> asIs_;
};

}  // namespace intents
