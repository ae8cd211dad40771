#pragma once
// Views built from what layout offers: a geometry reader takes the size offered to it and builds
// its content for that size; an environment reader builds its content from the environment.
// Layout calls the functions; the tree keeps them.
#include <functional>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

struct GeometryProxy {
  Size size;
};

// Takes all the size offered; its content is placed at its top-leading corner.
View GeometryReader(std::function<View(const GeometryProxy&)> content);

View EnvironmentReader(std::function<View(const Environment&)> content);

}  // namespace ui
