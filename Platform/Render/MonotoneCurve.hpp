#pragma once
// A smooth curve through a series' points that never overshoots between them: monotone cubic
// interpolation (Fritsch–Carlson), drawn as one cubic Bézier segment per pair of points.
#include <vector>

#include "Platform/Render/Path.hpp"

namespace render {

// The curve's slope at each point. Where the series turns (a peak or a trough) or runs flat the
// slope is 0; elsewhere the slopes are limited so that each segment stays monotone.
std::vector<double> monotoneTangents(const std::vector<ui::Point>& points);

// The path through `points` in their order, starting with a moveTo at the first point. Steps
// whose x does not advance are drawn as straight lines.
Path monotoneCurve(const std::vector<ui::Point>& points);

// Straight lines through `points` in their order.
Path polyline(const std::vector<ui::Point>& points);

}  // namespace render
