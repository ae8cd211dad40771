#include "Platform/Render/WidgetRenderer.hpp"

#include "Platform/Render/PangoMeasurer.hpp"

namespace render {

namespace {

Tile tileFor(const WidgetRendering& r) {
  Tile tile;
  tile.size = tileSize(r.family);
  tile.scheme = r.scheme;
  tile.style = r.tile;
  return tile;
}

}  // namespace

ui::Size widgetCanvas(const WidgetRendering& rendering) { return tileFor(rendering).canvas(); }

DisplayList widgetDisplayList(const ui::View& view, const WidgetRendering& rendering, const layout::Measurer& measurer) {
  Tile tile = tileFor(rendering);
  ui::Environment env = rendering.environment;
  env.colorScheme = rendering.scheme;
  env.set<wk::WidgetFamilyKey>(rendering.family);
  const layout::LayoutNode tree = layout::layoutTree(view, tile.contentRect().size(), measurer, env);
  FrameDrawOptions options;
  options.pixelsPerPoint = rendering.scale;
  options.locale = rendering.locale;
  DrawnFrames drawn = drawFrames(tree, measurer, options);
  tile.background = drawn.containerBackground;
  return drawTile(tile, drawn.list);
}

std::string renderWidget(const ui::View& view, const WidgetRendering& rendering) {
  const PangoMeasurer measurer;
  return renderToBytes(widgetDisplayList(view, rendering, measurer), Canvas{widgetCanvas(rendering), rendering.scale},
                       rendering.format);
}

void renderWidgetToFile(const ui::View& view, const WidgetRendering& rendering, const std::filesystem::path& target) {
  const PangoMeasurer measurer;
  renderToFile(widgetDisplayList(view, rendering, measurer), Canvas{widgetCanvas(rendering), rendering.scale},
               rendering.format, target);
}

}  // namespace render
