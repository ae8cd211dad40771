#pragma once
// The contract of an intent: a value type that can be created empty (the platform creates
// intents that way and sets their parameters), with a shared title, whether the platform may
// list it among the actions a user can pick, and perform(). perform() may throw to report
// failure; the platform always runs it as an asynchronous task off the calling thread (see
// IntentRunner.hpp), so an intent never blocks the thread that triggered it.
#include <concepts>

#include "Platform/Foundation/LocalizedStringKey.hpp"
#include "Platform/Intents/IntentParameter.hpp"
#include "Platform/Intents/IntentResult.hpp"

namespace intents {

template <class T>
concept AppIntent = std::copyable<T> && std::default_initializable<T> && requires(const T& t) {
  { T::title() } -> std::convertible_to<const fnd::LocalizedStringKey&>;
  { t.perform() } -> std::same_as<IntentResult>;
};

// `isDiscoverable` as the intent declares it; the platform's default, true, when it does not.
template <AppIntent T>
constexpr bool isDiscoverable() {
  if constexpr (requires { { T::isDiscoverable } -> std::convertible_to<bool>; }) {
    return T::isDiscoverable;
  } else {
    return true;
  }
}

// An intent that sets one value, the platform writing the new value into its parameter `value`
// before it performs the intent (a toggle's new state, for example).
template <class T, class V>
concept SetValueIntent = AppIntent<T> && requires(T& t) {
  { t.value } -> std::same_as<IntentParameter<V>&>;
};

}  // namespace intents
