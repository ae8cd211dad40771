#pragma once
// How a line is stroked, and how a series' curve runs between its points.
#include <vector>

namespace charts {

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

struct StrokeStyle {
  double lineWidth = 1;
  LineCap lineCap = LineCap::butt;
  LineJoin lineJoin = LineJoin::miter;
  double miterLimit = 10;
  std::vector<double> dash = {};  // on, off, … lengths; empty: solid
  double dashPhase = 0;
  bool operator==(const StrokeStyle&) const = default;
};

// Parameterless curves through a series' points. monotone: a cubic through every point that
// does not overshoot between them.
enum class InterpolationMethod { linear, monotone, catmullRom, cardinal, stepStart, stepCenter, stepEnd };

const char* name(InterpolationMethod method);
const char* name(LineCap cap);
const char* name(LineJoin join);

}  // namespace charts
