#pragma once
// The one place where a text becomes a Pango layout: measuring and drawing both call it, so a
// text is drawn exactly as it was measured. Private to the renderer.
#include <optional>
#include <string_view>

#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/TextFont.hpp"
#include "Platform/Render/detail/CairoHandles.hpp"

namespace render::detail {

struct TextSpec {
  std::string_view text;
  TextFont font;
  double pointSize = 12;  // already multiplied by the scale
  bool monospacedDigits = false;
  std::optional<double> maxWidth;
  std::optional<int> lineLimit;
  layout::TextAlignment alignment = layout::TextAlignment::leading;
};

// Resolution 72 dpi, no hinting of metrics or outlines, unrounded glyph positions: layouts
// come out alike on PNG, SVG and PDF and at every device scale.
void configureContext(PangoContext* context);
// A context for measuring, unattached to any surface.
ContextPtr makeMeasuringContext();

struct BuiltLayout {
  LayoutPtr layout;
  bool truncated = false;  // cut by the line limit or the width
};
BuiltLayout buildLayout(PangoContext* context, const TextSpec& textSpec);

layout::TextMeasure measure(const BuiltLayout& built);
// How far the laid-out lines start to the right of the layout's own origin.
double leftOffset(PangoLayout* layout);

FontDescriptionPtr fontDescription(const TextFont& font, double pointSize);

}  // namespace render::detail
