#pragma once
// The battery widget as the drawing commands show it: its view of an entry, the rendering of
// a family, and the view laid out exactly as the renderer lays it out, with every frame in the
// coordinates of the drawn picture.
#include "Platform/Layout/LayoutTree.hpp"
#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/WidgetRenderer.hpp"
#include "Platform/WidgetKit/TimelineProvider.hpp"

namespace host {

// The widget's content for `entry` (its root view, which reads the family from the
// environment that the renderer or the dump gives it).
ui::View widgetView(const wk::AnyEntry& entry);

render::WidgetRendering widgetRendering(wk::WidgetFamily family, ui::ColorScheme scheme,
                                        render::Format format, double scale);

// The environment at the root of the widget's view in that rendering.
ui::Environment rootEnvironment(const render::WidgetRendering& rendering);

// Where the content lies in the picture, in points (its size is the size the content is laid
// out in).
ui::Rect contentRectangle(const render::WidgetRendering& rendering);

// `view` laid out in the content rectangle with `measurer`, every frame moved by the content
// rectangle's origin: in points of the picture, so a frame times the scale is the pixel
// rectangle that shows the node.
layout::LayoutNode layoutInPicture(const ui::View& view, const render::WidgetRendering& rendering,
                                   const layout::Measurer& measurer);

}  // namespace host
