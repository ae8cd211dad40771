#pragma once
// Where a control's state comes from: a value for previews, and the current value, which the
// provider delivers asynchronously (typically by std::async, off the calling thread) and
// which may fail by throwing from the future's get().
#include <concepts>
#include <future>

namespace wk {

template <class P>
concept ControlValueProvider = std::copyable<P> && requires(const P& p) {
  typename P::Value;
  { p.previewValue() } -> std::convertible_to<typename P::Value>;
  { p.currentValue() } -> std::same_as<std::future<typename P::Value>>;
};

}  // namespace wk
