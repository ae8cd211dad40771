#pragma once
// A widget tile as a desktop shows it: a rounded tile with its container background, its
// content inset by the content margins, on a margin of desktop backdrop.
#include <optional>

#include "Platform/Render/DisplayList.hpp"
#include "Platform/UI/Style.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace render {

// The tile of a family, in points: small 170 × 170, medium 364 × 170, large 364 × 382.
ui::Size tileSize(wk::WidgetFamily family);

struct TileStyle {
  double cornerRadius = 20;    // continuous corners
  double contentMargin = 16;   // between the tile's edge and its content, on every side
  double backdropMargin = 20;  // of desktop around the tile
};

struct Tile {
  ui::Size size;
  ui::ColorScheme scheme = ui::ColorScheme::light;
  std::optional<ui::ShapeStyle> background;  // the container background; absent: the usual fill
  TileStyle style;

  // The whole picture: tile and backdrop margin.
  ui::Size canvas() const;
  // The tile within the canvas.
  ui::Rect tileRect() const;
  // Where the content goes within the canvas; its size is what the content is laid out in.
  ui::Rect contentRect() const;
};

// The tile with `content` drawn in its content rectangle (`content` is in coordinates whose
// origin is the content rectangle's top-left corner), cut to the tile's rounded shape.
DisplayList drawTile(const Tile& tile, const DisplayList& content);

}  // namespace render
