#include "Platform/Layout/LayoutDump.hpp"

#include <algorithm>

#include "Platform/UI/Describe.hpp"
#include "Platform/UI/Dump.hpp"
#include "Platform/UI/Node.hpp"

namespace layout {

namespace {

ui::Json frameJSON(const ui::Rect& r) {
  return ui::Json::object({{"x", r.x}, {"y", r.y}, {"width", r.width}, {"height", r.height}});
}

ui::Json dumpFrames(const LayoutNode& outer) {
  // 1. The modifiers around the node, from the outside in, each with its own frame node.
  ui::Json::Array modifiers;
  const LayoutNode* current = &outer;
  while (const auto* modified = ui::nodeAs<ui::ModifiedNode>(current->view)) {
    const bool carries = std::holds_alternative<ui::BackgroundModifier>(modified->modifier);
    const size_t contentIndex = carries ? 1 : 0;
    modifiers.push_back(ui::describeModifier(modified->modifier, [&](const ui::View&) {
      return carries && !current->children.empty() ? dumpFrames(current->children.front()) : ui::Json();
    }));
    if (current->children.size() <= contentIndex) break;
    current = &current->children[contentIndex];
  }
  std::reverse(modifiers.begin(), modifiers.end());

  // 2. The node itself, its frames, and how a text was fitted.
  ui::Json out = ui::describeNode(current->view.node());
  out.set("frame", frameJSON(outer.frame));
  if (current != &outer && !(current->frame == outer.frame)) out.set("contentFrame", frameJSON(current->frame));
  if (current->text) {
    out.set("fit", ui::Json::object({{"scale", current->text->scale},
                                     {"lines", current->text->measure.lineCount},
                                     {"truncated", current->text->measure.truncated}}));
  }
  if (ui::nodeAs<ui::GeometryReaderNode>(current->view))
    out.set("size", ui::Json::object({{"width", current->frame.width}, {"height", current->frame.height}}));
  out.set("modifiers", std::move(modifiers));

  // 3. Its children.
  ui::Json children = ui::Json::Array{};
  if (!ui::nodeAs<ui::ModifiedNode>(current->view))
    for (const auto& child : current->children) children.push(dumpFrames(child));
  out.set("children", std::move(children));
  return out;
}

}  // namespace

ui::Json dumpJSON(const LayoutNode& tree) { return dumpFrames(tree); }

std::string dumpText(const LayoutNode& tree) { return ui::dumpText(dumpJSON(tree)); }

}  // namespace layout
