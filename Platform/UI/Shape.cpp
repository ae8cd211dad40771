#include "Platform/UI/Shape.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

namespace {
Shape makeShape(ShapeKind kind, double cornerRadius, RoundedCornerStyle style) {
  return Shape(makeView(ShapeNode{kind, cornerRadius, style, std::nullopt}).shared());
}
}  // namespace

View Shape::fill(ShapeStyle style, FillStyle fillStyle) const {
  ShapeNode node = std::get<ShapeNode>(this->node().kind);
  node.fill = ShapeFill{std::move(style), fillStyle};
  return makeView(std::move(node));
}

Shape Rectangle() { return makeShape(ShapeKind::rectangle, 0, RoundedCornerStyle::circular); }
Shape RoundedRectangle(double cornerRadius, RoundedCornerStyle style) {
  return makeShape(ShapeKind::roundedRectangle, cornerRadius, style);
}
Shape Capsule(RoundedCornerStyle style) { return makeShape(ShapeKind::capsule, 0, style); }
Shape Circle() { return makeShape(ShapeKind::circle, 0, RoundedCornerStyle::circular); }

}  // namespace ui
