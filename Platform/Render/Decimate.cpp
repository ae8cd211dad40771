#include "Platform/Render/Decimate.hpp"

#include <algorithm>
#include <cmath>

namespace render {

std::vector<ui::Point> decimate(const std::vector<ui::Point>& points, double originX, double columnWidth) {
  if (!(columnWidth > 0) || points.size() < 3) return points;
  std::vector<ui::Point> out;
  out.reserve(std::min(points.size(), std::size_t(1024)));
  auto column = [&](const ui::Point& p) { return std::floor((p.x - originX) / columnWidth); };
  std::size_t start = 0;
  while (start < points.size()) {
    // 1. The run of consecutive points in one column.
    std::size_t end = start + 1;
    const double c = column(points[start]);
    while (end < points.size() && column(points[end]) == c) ++end;
    // 2. Its first, lowest, highest and last points, each once, in series order. (Drawing
    //    coordinates grow downwards, but lowest and highest are kept alike.)
    std::size_t lo = start, hi = start;
    for (std::size_t i = start; i < end; ++i) {
      if (points[i].y < points[lo].y) lo = i;
      if (points[i].y > points[hi].y) hi = i;
    }
    std::size_t keep[4] = {start, lo, hi, end - 1};
    std::sort(std::begin(keep), std::end(keep));
    for (std::size_t k = 0; k < 4; ++k)
      if (k == 0 || keep[k] != keep[k - 1]) out.push_back(points[keep[k]]);
    start = end;
  }
  return out;
}

}  // namespace render
