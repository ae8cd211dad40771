#include "Platform/UI/Dump.hpp"

#include <algorithm>
#include <cmath>

#include "Platform/UI/Describe.hpp"
#include "Platform/UI/Node.hpp"

namespace ui {

namespace {

Json dumpNode(const View& view, Environment env, const DumpOptions& options);

Json dumpChildren(const std::vector<View>& children, const Environment& env, const DumpOptions& options) {
  Json out = Json::Array{};
  for (const auto& child : children) out.push(dumpNode(child, env, options));
  return out;
}

Json dumpNode(const View& view, Environment env, const DumpOptions& options) {
  // 1. Modifiers from the outside in, each seeing the environment that reaches it.
  Json::Array modifiers;
  View current = view;
  while (const auto* modified = nodeAs<ModifiedNode>(current)) {
    modifiers.push_back(describeModifier(
        modified->modifier, [&](const View& carried) { return dumpNode(carried, env, options); }));
    applyToEnvironment(modified->modifier, env);
    current = modified->content;
  }
  // 2. They are listed in the order applied: the innermost first.
  std::reverse(modifiers.begin(), modifiers.end());

  Json out = describeNode(current.node());
  out.set("modifiers", std::move(modifiers));

  // 3. Children, with geometry and environment readers evaluated.
  Json children = Json::Array{};
  const Node& node = current.node();
  if (const auto* n = std::get_if<HStackNode>(&node.kind)) children = dumpChildren(n->children, env, options);
  else if (const auto* n = std::get_if<VStackNode>(&node.kind)) children = dumpChildren(n->children, env, options);
  else if (const auto* n = std::get_if<ZStackNode>(&node.kind)) children = dumpChildren(n->children, env, options);
  else if (const auto* n = std::get_if<GroupNode>(&node.kind)) children = dumpChildren(n->children, env, options);
  else if (const auto* n = std::get_if<ForEachNode>(&node.kind)) {
    for (const auto& e : n->elements) children.push(dumpNode(e.view, env, options));
  } else if (const auto* n = std::get_if<ComponentNode>(&node.kind)) {
    children.push(dumpNode(n->body, env, options));
  } else if (const auto* n = std::get_if<GeometryReaderNode>(&node.kind)) {
    out.set("size", Json::object({{"width", options.geometrySize.width}, {"height", options.geometrySize.height}}));
    if (n->content) children.push(dumpNode(n->content(GeometryProxy{options.geometrySize}), env, options));
  } else if (const auto* n = std::get_if<EnvironmentReaderNode>(&node.kind)) {
    if (n->content) children.push(dumpNode(n->content(env), env, options));
  }
  out.set("children", std::move(children));
  return out;
}

std::string shown(const Json& value) {
  if (value.isNull()) return "default";
  return value.serialize();
}

// A length for reading: at most three decimals, no trailing zeros.
std::string lengthText(const Json* v) {
  if (!v || !v->isNumber()) return "?";
  return formatNumber(std::round(v->asNumber() * 1000) / 1000);
}

std::string rectText(const Json& r) {
  return "(" + lengthText(r.find("x")) + ", " + lengthText(r.find("y")) + ", " + lengthText(r.find("width")) + "x" +
         lengthText(r.find("height")) + ")";
}

void writeText(std::string& out, const Json& node, int depth) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  const Json* type = node.find("type");
  out += indent + (type && type->isString() ? type->asString() : "?");
  if (node.isObject()) {
    for (const auto& [key, value] : node.asObject()) {
      if (key == "type" || key == "modifiers" || key == "children") continue;
      if ((key == "frame" || key == "contentFrame") && value.isObject()) {
        out += (key == "frame" ? " @" : " content@") + rectText(value);
        continue;
      }
      out += " " + key + "=" + shown(value);
    }
  }
  out += "\n";
  if (const Json* modifiers = node.find("modifiers"); modifiers && modifiers->isArray()) {
    for (const auto& m : modifiers->asArray()) {
      const Json* name = m.find("name");
      out += indent + "  ." + (name && name->isString() ? name->asString() : "?") + "(";
      bool first = true;
      const Json* carried = nullptr;
      for (const auto& [key, value] : m.asObject()) {
        if (key == "name") continue;
        if (key == "content" && value.isObject()) { carried = &value; continue; }
        out += (first ? "" : ", ") + key + ": " + shown(value);
        first = false;
      }
      out += ")\n";
      if (carried) writeText(out, *carried, depth + 2);
    }
  }
  if (const Json* children = node.find("children"); children && children->isArray())
    for (const auto& child : children->asArray()) writeText(out, child, depth + 1);
}

}  // namespace

Json dumpJSON(const View& view, const DumpOptions& options) {
  return dumpNode(view, options.environment, options);
}

std::string dumpText(const View& view, const DumpOptions& options) {
  return dumpText(dumpJSON(view, options));
}

std::string dumpText(const Json& tree) {
  std::string out;
  writeText(out, tree, 0);
  return out;
}

}  // namespace ui
