#include "Platform/Render/MonotoneCurve.hpp"

#include <cmath>

namespace render {

std::vector<double> monotoneTangents(const std::vector<ui::Point>& p) {
  const std::size_t n = p.size();
  std::vector<double> m(n, 0.0);
  if (n < 2) return m;
  // 1. The secant slope of each step; a step that does not advance in x has none.
  std::vector<double> delta(n - 1, 0.0);
  std::vector<bool> advances(n - 1, false);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const double h = p[i + 1].x - p[i].x;
    advances[i] = h > 0;
    delta[i] = advances[i] ? (p[i + 1].y - p[i].y) / h : 0.0;
  }
  // 2. Interior points take the mean of their neighbouring secants, or 0 where the series
  //    turns or either step is not a real one; the ends take their one secant.
  m[0] = delta[0];
  m[n - 1] = delta[n - 2];
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (!advances[i - 1] || !advances[i] || delta[i - 1] * delta[i] <= 0) m[i] = 0;
    else m[i] = (delta[i - 1] + delta[i]) / 2;
  }
  // 3. A flat step keeps both its ends flat; elsewhere slopes more than three times the secant
  //    are scaled back onto the circle of radius 3 (Fritsch–Carlson), which keeps the cubic
  //    monotone on the step.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (!advances[i]) continue;
    if (delta[i] == 0) {
      m[i] = 0;
      m[i + 1] = 0;
      continue;
    }
    const double a = m[i] / delta[i], b = m[i + 1] / delta[i];
    if (a < 0) m[i] = 0;
    if (b < 0) m[i + 1] = 0;
    const double s = a * a + b * b;
    if (s > 9) {
      const double t = 3 / std::sqrt(s);
      m[i] = t * a * delta[i];
      m[i + 1] = t * b * delta[i];
    }
  }
  return m;
}

Path monotoneCurve(const std::vector<ui::Point>& p) {
  Path path;
  if (p.empty()) return path;
  path.moveTo(p[0]);
  const std::vector<double> m = monotoneTangents(p);
  for (std::size_t i = 0; i + 1 < p.size(); ++i) {
    const double h = p[i + 1].x - p[i].x;
    if (!(h > 0)) {
      path.lineTo(p[i + 1]);
      continue;
    }
    // The Hermite segment as a Bézier: control points a third of the step along each tangent.
    path.curveTo({p[i].x + h / 3, p[i].y + m[i] * h / 3}, {p[i + 1].x - h / 3, p[i + 1].y - m[i + 1] * h / 3},
                 p[i + 1]);
  }
  return path;
}

Path polyline(const std::vector<ui::Point>& p) {
  Path path;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (i == 0) path.moveTo(p[i]); else path.lineTo(p[i]);
  }
  return path;
}

}  // namespace render
