#include "TreeQuery.hpp"

#include <cmath>

#include <gtest/gtest.h>

namespace treequery {

ui::Json dump(const ui::View& view, ui::Size size, wk::WidgetFamily family) {
  ui::DumpOptions options;
  options.geometrySize = size;
  options.environment.set<wk::WidgetFamilyKey>(family);
  return ui::dumpJSON(view, options);
}

namespace {
void collect(const ui::Json& node, const std::string& type, std::vector<const ui::Json*>& out) {
  if (!node.isObject()) return;
  if (const ui::Json* t = node.find("type"); t && t->isString() && t->asString() == type) out.push_back(&node);
  if (const ui::Json* c = node.find("children"); c && c->isArray()) {
    for (const auto& child : c->asArray()) collect(child, type, out);
  }
}
}  // namespace

std::vector<const ui::Json*> all(const ui::Json& tree, const std::string& type) {
  std::vector<const ui::Json*> out;
  collect(tree, type, out);
  return out;
}

const ui::Json& first(const ui::Json& tree, const std::string& type) {
  static const ui::Json none = ui::Json::object();
  const auto found = all(tree, type);
  if (found.empty()) {
    ADD_FAILURE() << "no " << type << " in\n" << ui::dumpText(tree);
    return none;
  }
  return *found.front();
}

const ui::Json* modifier(const ui::Json& node, const std::string& name) {
  const ui::Json* mods = node.find("modifiers");
  if (!mods || !mods->isArray()) return nullptr;
  for (const auto& m : mods->asArray()) {
    if (const ui::Json* n = m.find("name"); n && n->isString() && n->asString() == name) return &m;
  }
  return nullptr;
}

std::vector<std::string> texts(const ui::Json& tree) {
  std::vector<std::string> out;
  for (const ui::Json* t : all(tree, "Text")) out.push_back(t->find("text")->asString());
  return out;
}

std::vector<std::string> modifierNames(const ui::Json& node) {
  std::vector<std::string> out;
  if (const ui::Json* mods = node.find("modifiers"); mods && mods->isArray()) {
    for (const auto& m : mods->asArray()) out.push_back(m.find("name")->asString());
  }
  return out;
}

const ui::Json& children(const ui::Json& node) {
  static const ui::Json empty = ui::Json(ui::Json::Array{});
  const ui::Json* c = node.find("children");
  return c ? *c : empty;
}

std::string str(const ui::Json* j) { return j ? (j->isString() ? j->asString() : j->serialize()) : "<none>"; }

bool unbounded(const ui::Json* j) {
  return j && ((j->isNumber() && std::isinf(j->asNumber()) && j->asNumber() > 0) ||
               (j->isString() && j->asString() == "infinity"));
}

}  // namespace treequery
