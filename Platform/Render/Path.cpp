#include "Platform/Render/Path.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace render {

Path& Path::moveTo(ui::Point p) { elements_.push_back({PathElement::Kind::moveTo, p, {}, {}}); return *this; }
Path& Path::lineTo(ui::Point p) { elements_.push_back({PathElement::Kind::lineTo, p, {}, {}}); return *this; }
Path& Path::curveTo(ui::Point c1, ui::Point c2, ui::Point end) {
  elements_.push_back({PathElement::Kind::curveTo, c1, c2, end});
  return *this;
}
Path& Path::close() { elements_.push_back({PathElement::Kind::close, {}, {}, {}}); return *this; }
Path& Path::append(const Path& other) {
  elements_.insert(elements_.end(), other.elements_.begin(), other.elements_.end());
  return *this;
}

Path Path::translated(double dx, double dy) const {
  Path p = *this;
  auto move = [&](ui::Point& q) { q.x += dx; q.y += dy; };
  for (auto& e : p.elements_) {
    // Only the points that an element uses, so that equal paths stay equal.
    if (e.kind == PathElement::Kind::close) continue;
    move(e.p1);
    if (e.kind == PathElement::Kind::curveTo) { move(e.p2); move(e.p3); }
  }
  return p;
}

namespace {

// One corner in its own frame, in units of the radius: the corner's vertex at (0, 0), the
// first edge along +a, the second along +b. Ten points: start, then three cubic segments.
struct CornerPoint { double a, b; };
using Corner = std::array<CornerPoint, 10>;

// The continuous-curvature corner: it starts 1.52866 radii from the vertex.
constexpr Corner continuousCorner{{
    {1.52866483, 0.00000000},
    {1.08849323, 0.00000000}, {0.86840689, 0.00000000}, {0.66993427, 0.06549600},
    {0.43149399, 0.17491100}, {0.17491100, 0.43149399}, {0.06549600, 0.66993427},
    {0.00000000, 0.86840689}, {0.00000000, 1.08849323}, {0.00000000, 1.52866471},
}};
constexpr double continuousExtent = 1.52866483;

// A circular quarter arc, centre (1, 1), split into three arcs of 30 degrees so that it can be
// blended point by point with the continuous corner.
Corner circularCorner() {
  Corner c{};
  const double step = M_PI / 6;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  auto on = [](double phi) { return CornerPoint{1 - std::sin(phi), 1 - std::cos(phi)}; };
  c[0] = on(0);
  for (int i = 0; i < 3; ++i) {
    const double p0 = step * i, p1 = step * (i + 1);
    const CornerPoint s = on(p0), e = on(p1);
    c[1 + 3 * i] = {s.a - k * std::cos(p0), s.b + k * std::sin(p0)};
    c[2 + 3 * i] = {e.a + k * std::cos(p1), e.b - k * std::sin(p1)};
    c[3 + 3 * i] = e;
  }
  return c;
}

Corner blend(const Corner& from, const Corner& to, double t) {
  Corner c{};
  for (std::size_t i = 0; i < c.size(); ++i)
    c[i] = {from[i].a + (to[i].a - from[i].a) * t, from[i].b + (to[i].b - from[i].b) * t};
  return c;
}

}  // namespace

Path roundedRectPath(const ui::Rect& r, double radius, CornerStyle style) {
  Path p;
  const double half = std::min(r.width, r.height) / 2;
  radius = std::clamp(radius, 0.0, std::max(half, 0.0));
  if (radius <= 0) {
    return p.moveTo({r.minX(), r.minY()}).lineTo({r.maxX(), r.minY()}).lineTo({r.maxX(), r.maxY()})
        .lineTo({r.minX(), r.maxY()}).close();
  }
  // How much of the continuous easing fits: all of it when each side has 1.53 radii per
  // corner, none of it (a circular corner) when the corners already meet.
  double smooth = 0;
  if (style == CornerStyle::continuous)
    smooth = std::clamp((half / radius - 1) / (continuousExtent - 1), 0.0, 1.0);
  const Corner corner = blend(circularCorner(), continuousCorner, smooth);

  struct Frame { ui::Point vertex; ui::Point a, b; };
  // Clockwise from the top right; a points back along the incoming edge, b along the outgoing.
  const Frame frames[4] = {
      {{r.maxX(), r.minY()}, {-1, 0}, {0, 1}},
      {{r.maxX(), r.maxY()}, {0, -1}, {-1, 0}},
      {{r.minX(), r.maxY()}, {1, 0}, {0, -1}},
      {{r.minX(), r.minY()}, {0, 1}, {1, 0}},
  };
  auto point = [&](const Frame& f, CornerPoint c) {
    return ui::Point{f.vertex.x + (f.a.x * c.a + f.b.x * c.b) * radius,
                     f.vertex.y + (f.a.y * c.a + f.b.y * c.b) * radius};
  };
  for (int i = 0; i < 4; ++i) {
    const Frame& f = frames[i];
    if (i == 0) p.moveTo(point(f, corner[0])); else p.lineTo(point(f, corner[0]));
    for (int s = 0; s < 3; ++s)
      p.curveTo(point(f, corner[1 + 3 * s]), point(f, corner[2 + 3 * s]), point(f, corner[3 + 3 * s]));
  }
  return p.close();
}

Path Shape::outline() const {
  switch (kind) {
    case Kind::rect: return roundedRectPath(rect, 0, CornerStyle::circular);
    case Kind::roundedRect: return roundedRectPath(rect, cornerRadius, cornerStyle);
    case Kind::capsule: return roundedRectPath(rect, std::min(rect.width, rect.height) / 2, cornerStyle);
    case Kind::ellipse: {
      const double k = 0.5522847498;
      const double cx = rect.midX(), cy = rect.midY(), rx = rect.width / 2, ry = rect.height / 2;
      Path p;
      p.moveTo({cx + rx, cy});
      p.curveTo({cx + rx, cy + k * ry}, {cx + k * rx, cy + ry}, {cx, cy + ry});
      p.curveTo({cx - k * rx, cy + ry}, {cx - rx, cy + k * ry}, {cx - rx, cy});
      p.curveTo({cx - rx, cy - k * ry}, {cx - k * rx, cy - ry}, {cx, cy - ry});
      p.curveTo({cx + k * rx, cy - ry}, {cx + rx, cy - k * ry}, {cx + rx, cy});
      return p.close();
    }
    case Kind::path: return path;
  }
  return path;
}

Shape Shape::translated(double dx, double dy) const {
  Shape s = *this;
  s.rect.x += dx;
  s.rect.y += dy;
  s.path = path.translated(dx, dy);
  return s;
}

std::string describe(const Shape& s) {
  char buf[160];
  const auto& r = s.rect;
  switch (s.kind) {
    case Shape::Kind::rect: std::snprintf(buf, sizeof buf, "rect(%g,%g %gx%g)", r.x, r.y, r.width, r.height); break;
    case Shape::Kind::roundedRect:
      std::snprintf(buf, sizeof buf, "roundedRect(%g,%g %gx%g r%g%s)", r.x, r.y, r.width, r.height, s.cornerRadius,
                    s.cornerStyle == CornerStyle::continuous ? " continuous" : "");
      break;
    case Shape::Kind::capsule:
      std::snprintf(buf, sizeof buf, "capsule(%g,%g %gx%g%s)", r.x, r.y, r.width, r.height,
                    s.cornerStyle == CornerStyle::continuous ? " continuous" : "");
      break;
    case Shape::Kind::ellipse: std::snprintf(buf, sizeof buf, "ellipse(%g,%g %gx%g)", r.x, r.y, r.width, r.height); break;
    case Shape::Kind::path:
      std::snprintf(buf, sizeof buf, "path(%zu elements%s)", s.path.elements().size(), s.evenOdd ? " even-odd" : "");
      break;
  }
  return buf;
}

}  // namespace render
