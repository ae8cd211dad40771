#pragma once
// The renderer's front door: a widget's view, laid out in a tile of its family and drawn in an
// appearance, to PNG, SVG or PDF bytes or a file.
#include <filesystem>
#include <string>

#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/Backend.hpp"
#include "Platform/Render/FrameDrawing.hpp"
#include "Platform/Render/Tile.hpp"
#include "Platform/UI/View.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace render {

struct WidgetRendering {
  wk::WidgetFamily family = wk::WidgetFamily::systemSmall;
  ui::ColorScheme scheme = ui::ColorScheme::light;
  Format format = Format::png;
  double scale = 2;          // PNG pixels per point
  TileStyle tile;
  ui::Environment environment;  // the root's environment; family and scheme are set from above
  std::string locale = userTimeLocale();  // of chart hour labels, in the process's time zone
};

// The tile's display list, the view laid out (with `measurer`) in the tile's content rectangle.
DisplayList widgetDisplayList(const ui::View& view, const WidgetRendering& rendering, const layout::Measurer& measurer);

// The widget drawn, measured with Pango.
std::string renderWidget(const ui::View& view, const WidgetRendering& rendering);
void renderWidgetToFile(const ui::View& view, const WidgetRendering& rendering, const std::filesystem::path& target);

// The whole picture's size in points for a rendering (tile and backdrop margin).
ui::Size widgetCanvas(const WidgetRendering& rendering);

}  // namespace render
