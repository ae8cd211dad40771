#pragma once
// One view per element of a collection, each with an identity (for the host's diffing between
// renderings). A stack lays the elements out as its own children.
#include <functional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Platform/UI/View.hpp"

namespace ui {

struct ForEachElement {
  std::string identity;
  View view;
};

View ForEachOf(std::vector<ForEachElement> elements);

namespace detail {
template <class T>
std::string identityText(const T& id) {
  if constexpr (std::is_convertible_v<const T&, std::string>) {
    return std::string(id);
  } else if constexpr (requires { id.time_since_epoch().count(); }) {
    // A point in time: its count since the clock's epoch (seconds since 1970 for dates).
    return formatNumber(static_cast<double>(id.time_since_epoch().count()));
  } else if constexpr (std::is_floating_point_v<T>) {
    return formatNumber(static_cast<double>(id));
  } else if constexpr (std::is_arithmetic_v<T>) {
    return std::to_string(id);
  } else {
    std::ostringstream out;
    out << id;
    return out.str();
  }
}
}  // namespace detail

// ForEach(apps, [](const App& a) { return a.name; }, [](const App& a) { return Row(a); })
template <class Range, class IdOf, class Content>
View ForEach(const Range& items, IdOf idOf, Content content) {
  std::vector<ForEachElement> elements;
  for (const auto& item : items)
    elements.push_back({detail::identityText(idOf(item)), View(content(item))});
  return ForEachOf(std::move(elements));
}

}  // namespace ui
