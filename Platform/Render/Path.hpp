#pragma once
// Outlines to fill, stroke or clip: the toolkit's shapes kept as shapes (so display lists stay
// readable and comparable) or a free path of lines and cubic curves, in points.
#include <string>
#include <vector>

#include "Platform/UI/Geometry.hpp"

namespace render {

struct PathElement {
  enum class Kind { moveTo, lineTo, curveTo, close };
  Kind kind = Kind::moveTo;
  ui::Point p1, p2, p3;  // moveTo/lineTo: p1; curveTo: control points p1, p2, end point p3
  bool operator==(const PathElement&) const = default;
};

class Path {
 public:
  Path& moveTo(ui::Point p);
  Path& lineTo(ui::Point p);
  Path& curveTo(ui::Point c1, ui::Point c2, ui::Point end);
  Path& close();
  Path& append(const Path& other);

  const std::vector<PathElement>& elements() const { return elements_; }
  bool empty() const { return elements_.empty(); }
  Path translated(double dx, double dy) const;
  bool operator==(const Path&) const = default;

 private:
  std::vector<PathElement> elements_;
};

enum class CornerStyle { circular, continuous };

struct Shape {
  enum class Kind { rect, roundedRect, capsule, ellipse, path };
  Kind kind = Kind::rect;
  ui::Rect rect;            // all but path
  double cornerRadius = 0;  // roundedRect
  CornerStyle cornerStyle = CornerStyle::continuous;  // roundedRect, capsule
  Path path;                // path
  bool evenOdd = false;     // fill rule: even-odd instead of non-zero winding

  static Shape rectangle(ui::Rect r) { Shape s; s.rect = r; return s; }
  static Shape rounded(ui::Rect r, double radius, CornerStyle style = CornerStyle::continuous) {
    Shape s; s.kind = Kind::roundedRect; s.rect = r; s.cornerRadius = radius; s.cornerStyle = style; return s;
  }
  static Shape capsule(ui::Rect r, CornerStyle style = CornerStyle::continuous) {
    Shape s; s.kind = Kind::capsule; s.rect = r; s.cornerStyle = style; return s;
  }
  static Shape ellipse(ui::Rect r) { Shape s; s.kind = Kind::ellipse; s.rect = r; return s; }
  static Shape fromPath(Path p) { Shape s; s.kind = Kind::path; s.path = std::move(p); return s; }

  // The outline as a path. Continuous corners follow the continuous-curvature corner (a
  // straight edge easing into the arc instead of meeting it at a curvature jump); where the
  // sides are too short for the easing, it blends towards the circular corner.
  Path outline() const;
  Shape translated(double dx, double dy) const;
  bool operator==(const Shape&) const = default;
};

// A rounded rectangle's outline; `radius` is clamped to half the shorter side.
Path roundedRectPath(const ui::Rect& r, double radius, CornerStyle style);

std::string describe(const Shape& s);

}  // namespace render
