#pragma once
// How dumps show the toolkit's values: fonts, styles, alignments, nodes and modifiers, in the
// spelling of the declarative toolkit ("caption2.bold", "green.opacity(0.65)", "leading").
// Shared by the tree dump here and the layout-aware dump of the layout engine.
#include <functional>
#include <string>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/Json.hpp"
#include "Platform/UI/Modifier.hpp"

namespace ui {

struct Node;

std::string describe(const Font& font);
std::string describe(const Color& color);
Json describe(const ShapeStyle& style);
std::string describe(HorizontalAlignment alignment);
std::string describe(VerticalAlignment alignment);
std::string describe(const Alignment& alignment);
std::string describe(TextAlignment alignment);
std::string describe(EdgeSet edges);
std::string describe(ColorScheme scheme);

// {"type": …, …properties} of one node, without modifiers or children. Localizable texts show
// their development-language text.
Json describeNode(const Node& node);

// {"name": …, …values} of one modifier; `dumpView` shows a view that the modifier carries
// (a background).
Json describeModifier(const Modifier& modifier, const std::function<Json(const View&)>& dumpView);

}  // namespace ui
