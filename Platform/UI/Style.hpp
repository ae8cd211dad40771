#pragma once
// Colours and shape styles of the view toolkit, as data. What they look like in light and dark
// appearance is the renderer's business (one palette table there).
#include <vector>

namespace ui {

enum class SystemColor { green, orange, red, blue, gray, white, black, clear };
// The hierarchical levels of the text colour, and of the fill style.
enum class Level { primary, secondary, tertiary, quaternary };

struct Color {
  enum class Kind { system, label, fill, rgb };
  Kind kind = Kind::label;
  SystemColor system = SystemColor::clear;  // kind == system
  Level level = Level::primary;             // kind == label or fill
  double r = 0, g = 0, b = 0;               // kind == rgb, 0…1, sRGB
  double opacity = 1;                       // multiplies the colour's own alpha

  static Color of(SystemColor c) { Color x; x.kind = Kind::system; x.system = c; return x; }
  static Color label(Level l) { Color x; x.kind = Kind::label; x.level = l; return x; }
  static Color fill(Level l) { Color x; x.kind = Kind::fill; x.level = l; return x; }
  static Color rgb(double r, double g, double b) { Color x; x.kind = Kind::rgb; x.r = r; x.g = g; x.b = b; return x; }
  static Color green() { return of(SystemColor::green); }
  static Color orange() { return of(SystemColor::orange); }
  static Color red() { return of(SystemColor::red); }
  static Color blue() { return of(SystemColor::blue); }
  static Color primary() { return label(Level::primary); }
  static Color secondary() { return label(Level::secondary); }
  static Color tertiary() { return label(Level::tertiary); }
  static Color quaternary() { return label(Level::quaternary); }
  Color withOpacity(double o) const { Color x = *this; x.opacity *= o; return x; }

  bool operator==(const Color&) const = default;
};

struct UnitPoint {
  double x = 0.5, y = 0.5;  // 0…1 across the shape's bounds
  static constexpr UnitPoint top() { return {0.5, 0}; }
  static constexpr UnitPoint bottom() { return {0.5, 1}; }
  static constexpr UnitPoint leading() { return {0, 0.5}; }
  static constexpr UnitPoint trailing() { return {1, 0.5}; }
  bool operator==(const UnitPoint&) const = default;
};

struct LinearGradient {
  std::vector<Color> colors;  // evenly spaced stops
  UnitPoint startPoint = UnitPoint::top();
  UnitPoint endPoint = UnitPoint::bottom();
  bool operator==(const LinearGradient&) const = default;
};

// What a shape is filled with or a text coloured with.
struct ShapeStyle {
  enum class Kind { color, standardGradient, linearGradient };
  Kind kind = Kind::color;
  Color color;              // color, or the base of the standard gradient
  LinearGradient gradient;  // linearGradient

  ShapeStyle() = default;
  ShapeStyle(Color c) : color(c) {}  // NOLINT: a colour is a shape style
  static ShapeStyle standardGradient(Color c) { ShapeStyle s(c); s.kind = Kind::standardGradient; return s; }
  static ShapeStyle linear(LinearGradient g) { ShapeStyle s; s.kind = Kind::linearGradient; s.gradient = std::move(g); return s; }
  bool operator==(const ShapeStyle&) const = default;
};

enum class ColorScheme { light, dark };

}  // namespace ui
