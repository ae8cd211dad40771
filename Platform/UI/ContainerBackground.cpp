#include "Platform/UI/ContainerBackground.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

namespace {

std::optional<ShapeStyle> search(const View& view, std::string_view placement, Environment env);

std::optional<ShapeStyle> searchAll(const std::vector<View>& views, std::string_view placement, const Environment& env) {
  for (const auto& v : views)
    if (auto found = search(v, placement, env)) return found;
  return std::nullopt;
}

std::optional<ShapeStyle> search(const View& view, std::string_view placement, Environment env) {
  const Node& node = view.node();
  if (const auto* m = std::get_if<ModifiedNode>(&node.kind)) {
    if (const auto* c = std::get_if<ContainerBackgroundModifier>(&m->modifier); c && c->placement.name == placement)
      return c->style;
    applyToEnvironment(m->modifier, env);
    return search(m->content, placement, env);
  }
  if (const auto* n = std::get_if<ComponentNode>(&node.kind)) return search(n->body, placement, env);
  if (const auto* n = std::get_if<EnvironmentReaderNode>(&node.kind))
    return n->content ? search(n->content(env), placement, env) : std::nullopt;
  if (const auto* n = std::get_if<HStackNode>(&node.kind)) return searchAll(n->children, placement, env);
  if (const auto* n = std::get_if<VStackNode>(&node.kind)) return searchAll(n->children, placement, env);
  if (const auto* n = std::get_if<ZStackNode>(&node.kind)) return searchAll(n->children, placement, env);
  if (const auto* n = std::get_if<GroupNode>(&node.kind)) return searchAll(n->children, placement, env);
  if (const auto* n = std::get_if<ForEachNode>(&node.kind)) {
    for (const auto& e : n->elements)
      if (auto found = search(e.view, placement, env)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ShapeStyle> findContainerBackground(const View& root, std::string_view placement,
                                                  const Environment& environment) {
  return search(root, placement, environment);
}

}  // namespace ui
