#include "Platform/Render/Palette.hpp"

#include <algorithm>

namespace render {

namespace {

// One appearance's colours. Label levels are black (light) or white (dark) at an alpha; fill
// levels are a neutral grey at an alpha; container tones are the opaque widget backgrounds.
struct Appearance {
  RGBA green, orange, red, blue, gray;
  RGBA labels[4];     // primary, secondary, tertiary, quaternary
  RGBA fills[4];      // the same levels of the fill style
  RGBA container[4];  // a widget's background filled with a fill level
  RGBA backdrop;      // the desktop around a tile
};

const Appearance lightAppearance{
    RGBA::hex(0x28CD41), RGBA::hex(0xFF9500), RGBA::hex(0xFF3B30), RGBA::hex(0x007AFF),
    RGBA::hex(0x8E8E93),
    {RGBA::hex(0x000000, 0.85), RGBA::hex(0x000000, 0.50), RGBA::hex(0x000000, 0.26),
     RGBA::hex(0x000000, 0.10)},
    {RGBA::hex(0x787880, 0.20), RGBA::hex(0x787880, 0.16), RGBA::hex(0x767680, 0.12),
     RGBA::hex(0x747480, 0.08)},
    {RGBA::hex(0xE3E3E6), RGBA::hex(0xEAEAEC), RGBA::hex(0xF2F2F4), RGBA::hex(0xF7F7F8)},
    RGBA::hex(0xA4A4A9),
};

const Appearance darkAppearance{
    RGBA::hex(0x32D74B), RGBA::hex(0xFF9F0A), RGBA::hex(0xFF453A), RGBA::hex(0x0A84FF),
    RGBA::hex(0x8E8E93),
    {RGBA::hex(0xFFFFFF, 0.85), RGBA::hex(0xFFFFFF, 0.55), RGBA::hex(0xFFFFFF, 0.25),
     RGBA::hex(0xFFFFFF, 0.10)},
    {RGBA::hex(0x787880, 0.36), RGBA::hex(0x787880, 0.32), RGBA::hex(0x767680, 0.24),
     RGBA::hex(0x747480, 0.18)},
    {RGBA::hex(0x3A3A3C), RGBA::hex(0x333335), RGBA::hex(0x2C2C2E), RGBA::hex(0x252527)},
    RGBA::hex(0x4B4B50),
};

const Appearance& appearance(ui::ColorScheme scheme) {
  return scheme == ui::ColorScheme::dark ? darkAppearance : lightAppearance;
}

int index(ui::Level level) { return static_cast<int>(level); }

RGBA systemColor(ui::SystemColor c, const Appearance& a) {
  switch (c) {
    case ui::SystemColor::green: return a.green;
    case ui::SystemColor::orange: return a.orange;
    case ui::SystemColor::red: return a.red;
    case ui::SystemColor::blue: return a.blue;
    case ui::SystemColor::gray: return a.gray;
    case ui::SystemColor::white: return RGBA{1, 1, 1, 1};
    case ui::SystemColor::black: return RGBA{0, 0, 0, 1};
    case ui::SystemColor::clear: return RGBA{0, 0, 0, 0};
  }
  return RGBA{0, 0, 0, 0};
}

// How far the standard gradient's top is mixed towards white: gentle, as the platform's is.
constexpr double gradientTint = 0.22;

std::vector<GradientStop> evenStops(const std::vector<ui::Color>& colors, ui::ColorScheme scheme) {
  std::vector<GradientStop> stops;
  const auto n = colors.size();
  for (std::size_t i = 0; i < n; ++i)
    stops.push_back({n == 1 ? 0.0 : double(i) / double(n - 1), resolve(colors[i], scheme)});
  return stops;
}

ui::Point at(const ui::Rect& r, ui::UnitPoint u) { return {r.x + u.x * r.width, r.y + u.y * r.height}; }

}  // namespace

RGBA resolve(const ui::Color& color, ui::ColorScheme scheme) {
  const Appearance& a = appearance(scheme);
  RGBA c;
  switch (color.kind) {
    case ui::Color::Kind::system: c = systemColor(color.system, a); break;
    case ui::Color::Kind::label: c = a.labels[index(color.level)]; break;
    case ui::Color::Kind::fill: c = a.fills[index(color.level)]; break;
    case ui::Color::Kind::rgb: c = RGBA{color.r, color.g, color.b, 1}; break;
  }
  c.a *= std::clamp(color.opacity, 0.0, 1.0);
  return c;
}

Paint standardGradient(RGBA color, const ui::Rect& bounds) {
  RGBA top{color.r + (1 - color.r) * gradientTint, color.g + (1 - color.g) * gradientTint,
           color.b + (1 - color.b) * gradientTint, color.a};
  return Paint::linear({{0, top}, {1, color}}, at(bounds, ui::UnitPoint::top()),
                       at(bounds, ui::UnitPoint::bottom()));
}

Paint resolvePaint(const ui::ShapeStyle& style, ui::ColorScheme scheme, const ui::Rect& bounds) {
  switch (style.kind) {
    case ui::ShapeStyle::Kind::color: return Paint::solid(resolve(style.color, scheme));
    case ui::ShapeStyle::Kind::standardGradient:
      return standardGradient(resolve(style.color, scheme), bounds);
    case ui::ShapeStyle::Kind::linearGradient:
      if (style.gradient.colors.empty()) return Paint::solid(RGBA{0, 0, 0, 0});
      if (style.gradient.colors.size() == 1) return Paint::solid(resolve(style.gradient.colors[0], scheme));
      return Paint::linear(evenStops(style.gradient.colors, scheme), at(bounds, style.gradient.startPoint),
                           at(bounds, style.gradient.endPoint));
  }
  return Paint::solid(RGBA{0, 0, 0, 0});
}

Paint containerBackground(const ui::ShapeStyle& style, ui::ColorScheme scheme, const ui::Rect& bounds) {
  const Appearance& a = appearance(scheme);
  const RGBA tile = a.container[index(ui::Level::tertiary)];
  if (style.kind == ui::ShapeStyle::Kind::color && style.color.kind == ui::Color::Kind::fill) {
    RGBA c = a.container[index(style.color.level)];
    // A fainter fill lets the plain tile tone show through.
    return Paint::solid(composite(c.withAlpha(std::clamp(style.color.opacity, 0.0, 1.0)), tile));
  }
  Paint p = resolvePaint(style, scheme, bounds);
  if (p.kind == Paint::Kind::solid) return Paint::solid(composite(p.color, tile));
  for (auto& s : p.stops) s.color = composite(s.color, tile);
  return p;
}

RGBA backdrop(ui::ColorScheme scheme) { return appearance(scheme).backdrop; }

RGBA composite(RGBA top, RGBA bottom) {
  const double a = top.a + bottom.a * (1 - top.a);
  if (a <= 0) return RGBA{0, 0, 0, 0};
  auto mix = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
  return RGBA{mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), a};
}

}  // namespace render
