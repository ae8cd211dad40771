#pragma once
// The layout-aware tree dump: the tree dump of the view toolkit, with every node's frame in
// points ("frame":{"x":…,"y":…,"width":…,"height":…}, the frame of the node with all its
// modifiers, as its parent placed it). A node whose modifiers changed its size or place also
// shows the frame of the node itself as "contentFrame"; a text shows how it was fitted
// ("fit":{"scale":…,"lines":…,"truncated":…}).
#include <string>

#include "Platform/Layout/LayoutTree.hpp"
#include "Platform/UI/Json.hpp"

namespace layout {

ui::Json dumpJSON(const LayoutNode& tree);
std::string dumpText(const LayoutNode& tree);

}  // namespace layout
