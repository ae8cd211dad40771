#pragma once
// What a timeline holds: any value with the date at which the host shows it.
#include <concepts>

#include "Platform/Foundation/Date.hpp"

namespace wk {

template <class E>
concept TimelineEntry = std::copyable<E> && requires(const E& e) {
  { e.date } -> std::convertible_to<fnd::Date>;
};

}  // namespace wk
