#pragma once
// Thinning a long series before drawing: no more points than the plot's pixel columns can show.
#include <vector>

#include "Platform/UI/Geometry.hpp"

namespace render {

// `points` in drawing coordinates, in series order. Consecutive points that fall into the same
// column (of `columnWidth`, counted from `originX`) are reduced to the column's first, lowest,
// highest and last point, in series order; so every peak and trough stays visible.
std::vector<ui::Point> decimate(const std::vector<ui::Point>& points, double originX, double columnWidth);

}  // namespace render
