#pragma once
// The container background that a view tree sets for a placement (the widget host draws the
// tile with it): the first one found from the root down, outside geometry readers.
#include <optional>
#include <string_view>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

// Environment readers are evaluated with `environment` as modified on the way down.
std::optional<ShapeStyle> findContainerBackground(const View& root, std::string_view placement,
                                                  const Environment& environment = {});

}  // namespace ui
