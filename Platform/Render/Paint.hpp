#pragma once
// Concrete colours and paints, as the display list carries them: sRGB, straight alpha, 0…1.
#include <string>
#include <vector>

#include "Platform/UI/Geometry.hpp"

namespace render {

struct RGBA {
  double r = 0, g = 0, b = 0, a = 1;
  static RGBA hex(unsigned rgb, double alpha = 1.0) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
  }
  RGBA withAlpha(double alpha) const { return {r, g, b, alpha}; }
  bool operator==(const RGBA&) const = default;
};

struct GradientStop {
  double offset = 0;  // 0…1 along the gradient's axis
  RGBA color;
  bool operator==(const GradientStop&) const = default;
};

// A solid colour, or a linear gradient between two points in the drawing's coordinates.
struct Paint {
  enum class Kind { solid, linearGradient };
  Kind kind = Kind::solid;
  RGBA color;                       // solid
  std::vector<GradientStop> stops;  // linearGradient
  ui::Point start, end;             // linearGradient, in points

  static Paint solid(RGBA c) { Paint p; p.color = c; return p; }
  static Paint linear(std::vector<GradientStop> stops, ui::Point start, ui::Point end) {
    Paint p;
    p.kind = Kind::linearGradient;
    p.stops = std::move(stops);
    p.start = start;
    p.end = end;
    return p;
  }
  // The same paint with every colour's alpha multiplied by `opacity`.
  Paint withOpacity(double opacity) const;
  bool operator==(const Paint&) const = default;
};

std::string describe(const RGBA& c);
std::string describe(const Paint& p);

}  // namespace render
