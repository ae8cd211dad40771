#pragma once
// Shapes: they take the size offered to them and are filled with a style (by default the
// foreground style).
#include "Platform/UI/View.hpp"

namespace ui {

enum class RoundedCornerStyle { circular, continuous };

struct FillStyle {
  bool eoFill = false;  // even-odd rule instead of non-zero winding
  bool antialiased = true;
  bool operator==(const FillStyle&) const = default;
};

class Shape : public View {
 public:
  using View::View;
  // The shape filled with `style` (and no longer with the foreground style).
  View fill(ShapeStyle style, FillStyle fillStyle = {}) const;
};

Shape Rectangle();
Shape RoundedRectangle(double cornerRadius, RoundedCornerStyle style = RoundedCornerStyle::circular);
Shape Capsule(RoundedCornerStyle style = RoundedCornerStyle::circular);
Shape Circle();

}  // namespace ui
