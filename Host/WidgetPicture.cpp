#include "Host/WidgetPicture.hpp"

#include "Host/HostBundle.hpp"

namespace host {
namespace {

render::Tile tileOf(const render::WidgetRendering& rendering) {
  render::Tile tile;
  tile.size = render::tileSize(rendering.family);
  tile.scheme = rendering.scheme;
  tile.style = rendering.tile;
  return tile;
}

void moveFrames(layout::LayoutNode& node, double dx, double dy) {
  node.frame.x += dx;
  node.frame.y += dy;
  for (layout::LayoutNode& child : node.children) moveFrames(child, dx, dy);
}

}  // namespace

ui::View widgetView(const wk::AnyEntry& entry) { return batteryWidget().content(entry); }

render::WidgetRendering widgetRendering(wk::WidgetFamily family, ui::ColorScheme scheme,
                                        render::Format format, double scale) {
  render::WidgetRendering r;
  r.family = family;
  r.scheme = scheme;
  r.format = format;
  r.scale = scale;
  return r;
}

ui::Environment rootEnvironment(const render::WidgetRendering& rendering) {
  ui::Environment env = rendering.environment;
  env.colorScheme = rendering.scheme;
  env.set<wk::WidgetFamilyKey>(rendering.family);
  return env;
}

ui::Rect contentRectangle(const render::WidgetRendering& rendering) {
  return tileOf(rendering).contentRect();
}

layout::LayoutNode layoutInPicture(const ui::View& view, const render::WidgetRendering& rendering,
                                   const layout::Measurer& measurer) {
  const ui::Rect content = contentRectangle(rendering);
  layout::LayoutNode tree =
      layout::layoutTree(view, content.size(), measurer, rootEnvironment(rendering));
  moveFrames(tree, content.x, content.y);
  return tree;
}

}  // namespace host
