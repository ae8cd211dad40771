#pragma once
// Sizes, points, rectangles, edges and alignments of the view toolkit, in points.
#include <cstdint>
#include <limits>

namespace ui {

// "Unbounded" in flexible frames: maxWidth: ui::infinity.
inline constexpr double infinity = std::numeric_limits<double>::infinity();

struct Size {
  double width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  double x = 0, y = 0, width = 0, height = 0;
  double minX() const { return x; }
  double minY() const { return y; }
  double maxX() const { return x + width; }
  double maxY() const { return y + height; }
  double midX() const { return x + width / 2; }
  double midY() const { return y + height / 2; }
  Size size() const { return {width, height}; }
  bool operator==(const Rect&) const = default;
};

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom, firstTextBaseline, lastTextBaseline };

// A two-axis alignment for frames, overlay stacks and backgrounds.
struct Alignment {
  HorizontalAlignment horizontal = HorizontalAlignment::center;
  VerticalAlignment vertical = VerticalAlignment::center;

  static constexpr Alignment center() { return {}; }
  static constexpr Alignment leading() { return {HorizontalAlignment::leading, VerticalAlignment::center}; }
  static constexpr Alignment trailing() { return {HorizontalAlignment::trailing, VerticalAlignment::center}; }
  static constexpr Alignment top() { return {HorizontalAlignment::center, VerticalAlignment::top}; }
  static constexpr Alignment bottom() { return {HorizontalAlignment::center, VerticalAlignment::bottom}; }
  static constexpr Alignment topLeading() { return {HorizontalAlignment::leading, VerticalAlignment::top}; }
  static constexpr Alignment topTrailing() { return {HorizontalAlignment::trailing, VerticalAlignment::top}; }
  static constexpr Alignment bottomLeading() { return {HorizontalAlignment::leading, VerticalAlignment::bottom}; }
  static constexpr Alignment bottomTrailing() { return {HorizontalAlignment::trailing, VerticalAlignment::bottom}; }
  bool operator==(const Alignment&) const = default;
};

enum class Edge : std::uint8_t { top = 1, leading = 2, bottom = 4, trailing = 8 };

// A set of edges, as padding takes them.
struct EdgeSet {
  std::uint8_t bits = 0;
  constexpr EdgeSet() = default;
  constexpr EdgeSet(Edge e) : bits(static_cast<std::uint8_t>(e)) {}  // NOLINT: one edge is a set
  static constexpr EdgeSet all() { return fromBits(15); }
  static constexpr EdgeSet horizontal() { return fromBits(2 | 8); }
  static constexpr EdgeSet vertical() { return fromBits(1 | 4); }
  static constexpr EdgeSet top() { return Edge::top; }
  static constexpr EdgeSet leading() { return Edge::leading; }
  static constexpr EdgeSet bottom() { return Edge::bottom; }
  static constexpr EdgeSet trailing() { return Edge::trailing; }
  constexpr bool contains(Edge e) const { return (bits & static_cast<std::uint8_t>(e)) != 0; }
  constexpr EdgeSet operator|(EdgeSet o) const { return fromBits(bits | o.bits); }
  bool operator==(const EdgeSet&) const = default;

 private:
  static constexpr EdgeSet fromBits(int b) { EdgeSet s; s.bits = static_cast<std::uint8_t>(b); return s; }
};

struct EdgeInsets {
  double top = 0, leading = 0, bottom = 0, trailing = 0;
  bool operator==(const EdgeInsets&) const = default;
};

enum class TextAlignment { leading, center, trailing };

}  // namespace ui
