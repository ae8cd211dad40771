#pragma once
// Looking things up in a view tree's JSON dump, so tests read like the structure they check.
#include <string>
#include <vector>

#include "Platform/UI/Dump.hpp"
#include "Platform/UI/View.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace treequery {

// The dump of `view` with geometry readers at `size` and the widget family in the environment.
ui::Json dump(const ui::View& view, ui::Size size = {200, 6},
              wk::WidgetFamily family = wk::WidgetFamily::systemSmall);

// Every node of the given type, depth first, in tree order.
std::vector<const ui::Json*> all(const ui::Json& tree, const std::string& type);
// The first node of the given type; fails the test when there is none.
const ui::Json& first(const ui::Json& tree, const std::string& type);
// The modifier of that name on a node, or nullptr.
const ui::Json* modifier(const ui::Json& node, const std::string& name);
// The texts of every Text node, in tree order.
std::vector<std::string> texts(const ui::Json& tree);
// The names of the node's modifiers, in the order applied.
std::vector<std::string> modifierNames(const ui::Json& node);
const ui::Json& children(const ui::Json& node);
std::string str(const ui::Json* j);
// Whether a frame bound is unbounded (infinity).
bool unbounded(const ui::Json* j);

}  // namespace treequery
