#include "Platform/Render/Tile.hpp"

#include <algorithm>

#include "Platform/Render/Palette.hpp"

namespace render {

ui::Size tileSize(wk::WidgetFamily family) {
  switch (family) {
    case wk::WidgetFamily::systemSmall: return {170, 170};
    case wk::WidgetFamily::systemMedium: return {364, 170};
    case wk::WidgetFamily::systemLarge: return {364, 382};
    case wk::WidgetFamily::systemExtraLarge: return {752, 382};
    case wk::WidgetFamily::accessoryCircular: return {76, 76};
    case wk::WidgetFamily::accessoryRectangular: return {172, 76};
    case wk::WidgetFamily::accessoryInline: return {257, 26};
  }
  return {170, 170};
}

ui::Size Tile::canvas() const {
  return {size.width + 2 * style.backdropMargin, size.height + 2 * style.backdropMargin};
}

ui::Rect Tile::tileRect() const { return {style.backdropMargin, style.backdropMargin, size.width, size.height}; }

ui::Rect Tile::contentRect() const {
  const ui::Rect t = tileRect();
  const double m = style.contentMargin;
  return {t.x + m, t.y + m, std::max(0.0, t.width - 2 * m), std::max(0.0, t.height - 2 * m)};
}

DisplayList drawTile(const Tile& tile, const DisplayList& content) {
  const ui::Size canvas = tile.canvas();
  const ui::Rect t = tile.tileRect();
  const ui::Rect c = tile.contentRect();
  const Shape shape = Shape::rounded(t, tile.style.cornerRadius, CornerStyle::continuous);
  const ui::ShapeStyle background = tile.background.value_or(ui::ShapeStyle(ui::Color::fill(ui::Level::tertiary)));

  // The tile is drawn square and its corners are cut afterwards, by painting the backdrop over
  // what lies outside the rounded outline: the same pixels as clipping the content to the
  // outline, but a clip along a curve makes Cairo cut every path drawn inside it against the
  // curve, and a long chart line then costs several times its drawing.
  Path corners = Shape::rectangle(t).outline();
  corners.append(shape.outline());
  Shape outside = Shape::fromPath(std::move(corners));
  outside.evenOdd = true;

  const Paint around = Paint::solid(backdrop(tile.scheme));
  DisplayList list;
  list.fill(Shape::rectangle({0, 0, canvas.width, canvas.height}), around);
  list.fill(Shape::rectangle(t), containerBackground(background, tile.scheme, t));
  list.pushClip(Shape::rectangle(t));
  list.append(content, c.x, c.y);
  list.popClip();
  list.fill(outside, around);
  return list;
}

}  // namespace render
