#include "Platform/Render/Paint.hpp"

#include <cstdio>

namespace render {

Paint Paint::withOpacity(double opacity) const {
  Paint p = *this;
  p.color.a *= opacity;
  for (auto& s : p.stops) s.color.a *= opacity;
  return p;
}

std::string describe(const RGBA& c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "rgba(%.3g,%.3g,%.3g,%.3g)", c.r, c.g, c.b, c.a);
  return buf;
}

std::string describe(const Paint& p) {
  if (p.kind == Paint::Kind::solid) return describe(p.color);
  std::string s = "gradient[";
  for (const auto& stop : p.stops) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3g:", stop.offset);
    s += buf + describe(stop.color) + " ";
  }
  char buf[96];
  std::snprintf(buf, sizeof buf, "(%g,%g)->(%g,%g)]", p.start.x, p.start.y, p.end.x, p.end.y);
  return s + buf;
}

}  // namespace render
