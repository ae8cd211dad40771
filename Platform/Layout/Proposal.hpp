#pragma once
// What a parent offers a child: a width and a height, each optional. An unspecified length
// asks for the child's ideal size on that axis; it is not zero, and infinity is a length
// (an offer of all the room there is).
#include <algorithm>
#include <cmath>
#include <optional>

#include "Platform/UI/Geometry.hpp"

namespace layout {

struct Proposal {
  std::optional<double> width;
  std::optional<double> height;

  static Proposal unspecified() { return {}; }
  static Proposal of(ui::Size size) { return {size.width, size.height}; }
  bool operator==(const Proposal&) const = default;
};

// Subtracting from an offer: an unspecified length stays unspecified; lengths clamp at zero.
inline std::optional<double> shrink(std::optional<double> length, double by) {
  if (!length) return std::nullopt;
  return std::max(0.0, *length - by);
}

// A length that a measurer can use as a bound: finite and given.
inline std::optional<double> finite(std::optional<double> length) {
  if (!length || !std::isfinite(*length)) return std::nullopt;
  return length;
}

}  // namespace layout
