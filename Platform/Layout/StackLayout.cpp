// Stacks and overlays: one algorithm for horizontal and vertical stacks, parameterised by axis.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "Platform/Layout/detail/Engine.hpp"
#include "Platform/UI/Defaults.hpp"

namespace layout::detail {

namespace {

// Whether a stack opens `view` and lays its children out as its own.
bool opensUp(const ui::View& view) {
  const ui::Node& node = view.node();
  if (std::holds_alternative<ui::GroupNode>(node.kind) || std::holds_alternative<ui::ForEachNode>(node.kind) ||
      std::holds_alternative<ui::EmptyNode>(node.kind))
    return true;
  if (const auto* c = std::get_if<ui::ComponentNode>(&node.kind)) return opensUp(c->body);
  if (const auto* m = std::get_if<ui::ModifiedNode>(&node.kind)) {
    ui::Environment scratch;
    return ui::applyToEnvironment(m->modifier, scratch) && opensUp(m->content);
  }
  return false;
}

// Whether `view` is a spacer, under whatever modifiers.
bool isSpacer(const ui::View& view) {
  const ui::Node& node = view.node();
  if (std::holds_alternative<ui::SpacerNode>(node.kind)) return true;
  if (const auto* m = std::get_if<ui::ModifiedNode>(&node.kind)) return isSpacer(m->content);
  if (const auto* c = std::get_if<ui::ComponentNode>(&node.kind)) return isSpacer(c->body);
  return false;
}

}  // namespace

void Engine::flatten(const std::vector<ui::View>& children, const Scope& scope, const std::vector<int>& path,
                     std::vector<FlatChild>& out, std::vector<Wrapper>& wrappers) const {
  for (const auto& child : children) {
    if (!opensUp(child)) {
      out.push_back(FlatChild{child, scope, path, false});
      continue;
    }
    const size_t before = out.size();
    std::vector<int> inner = path;
    inner.push_back(static_cast<int>(wrappers.size()));
    wrappers.push_back(Wrapper{child, scope});
    const ui::Node& node = child.node();
    if (const auto* g = std::get_if<ui::GroupNode>(&node.kind)) {
      flatten(g->children, scope, inner, out, wrappers);
    } else if (const auto* f = std::get_if<ui::ForEachNode>(&node.kind)) {
      std::vector<ui::View> views;
      for (const auto& e : f->elements) views.push_back(e.view);
      flatten(views, scope, inner, out, wrappers);
    } else if (const auto* c = std::get_if<ui::ComponentNode>(&node.kind)) {
      flatten({c->body}, scope, inner, out, wrappers);
    } else if (const auto* m = std::get_if<ui::ModifiedNode>(&node.kind)) {
      flatten({m->content}, enter(scope, child), inner, out, wrappers);
    }
    // An empty group still has a place in the frame tree, though none in the stack.
    if (out.size() == before) out.push_back(FlatChild{ui::View(), scope, inner, true});
  }
}

Arrangement Engine::arrangeStack(const ui::View& view, Axis axis, const Proposal& p, const Scope& scope) const {
  const std::vector<ui::View>* children = nullptr;
  std::optional<double> spacingGiven;
  ui::HorizontalAlignment hAlignment = ui::HorizontalAlignment::center;
  ui::VerticalAlignment vAlignment = ui::VerticalAlignment::center;
  if (const auto* h = ui::nodeAs<ui::HStackNode>(view)) {
    children = &h->children;
    spacingGiven = h->spacing;
    vAlignment = h->alignment;
  } else {
    const auto& v = std::get<ui::VStackNode>(view.node().kind);
    children = &v.children;
    spacingGiven = v.spacing;
    hAlignment = v.alignment;
  }
  const bool horizontal = axis == Axis::horizontal;
  const double spacing = spacingGiven.value_or(ui::defaultSpacing);
  const Context context{axis};
  auto along = [&](ui::Size s) { return horizontal ? s.width : s.height; };
  auto offer = [&](std::optional<double> length) {
    return horizontal ? Proposal{length, p.height} : Proposal{p.width, length};
  };

  // 1. Open groups and ForEach so that their children are the stack's own.
  Arrangement out;
  std::vector<FlatChild> flat;
  flatten(*children, scope, {}, flat, out.wrappers);
  std::vector<size_t> live;
  for (size_t i = 0; i < flat.size(); ++i)
    if (!flat[i].placeholder) live.push_back(i);
  const double totalSpacing = live.empty() ? 0 : spacing * static_cast<double>(live.size() - 1);

  std::vector<const Arrangement*> arranged(flat.size(), nullptr);
  std::vector<Proposal> proposals(flat.size());
  const std::optional<double> offered = horizontal ? p.width : p.height;
  if (!offered) {
    // 2. No length offered along the stack: every child at its ideal length.
    for (size_t i : live) {
      proposals[i] = offer(std::nullopt);
      arranged[i] = &arrange(flat[i].view, proposals[i], flat[i].scope, context);
    }
  } else {
    // 3. Each child's flexibility: how far its length goes from the smallest offer to the largest.
    std::vector<double> flexibility(flat.size(), 0);
    for (size_t i : live) {
      const double smallest = along(size(flat[i].view, offer(0.0), flat[i].scope, context));
      const double largest = along(size(flat[i].view, offer(ui::infinity), flat[i].scope, context));
      const double range = largest - smallest;
      flexibility[i] = std::isnan(range) ? 0 : range;
    }
    // 4. Children other than spacers, the least flexible first: each is offered an even share
    //    of what the children before it left, less the spacers' minimum lengths, so the most
    //    flexible ones divide the rest evenly.
    std::vector<size_t> order = live;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return flexibility[a] < flexibility[b]; });
    double spacerMinimum = 0;
    size_t spacers = 0;
    for (size_t i : live) {
      if (!isSpacer(flat[i].view)) continue;
      spacerMinimum += along(size(flat[i].view, offer(0.0), flat[i].scope, context));
      ++spacers;
    }
    double remaining = std::max(0.0, *offered - totalSpacing - spacerMinimum);
    size_t left = order.size() - spacers;
    for (size_t i : order) {
      if (isSpacer(flat[i].view)) continue;
      const double share = remaining / static_cast<double>(left--);
      proposals[i] = offer(share);
      arranged[i] = &arrange(flat[i].view, proposals[i], flat[i].scope, context);
      remaining = std::max(0.0, remaining - along(arranged[i]->size));
    }
    // 5. Spacers last: they divide what the other children left, each at least its minimum.
    remaining += spacerMinimum;
    left = spacers;
    for (size_t i : order) {
      if (!isSpacer(flat[i].view)) continue;
      const double share = remaining / static_cast<double>(left--);
      proposals[i] = offer(share);
      arranged[i] = &arrange(flat[i].view, proposals[i], flat[i].scope, context);
      remaining = std::max(0.0, remaining - along(arranged[i]->size));
    }
  }

  // 6. Across the stack: every child on the stack's alignment guide.
  auto crossGuide = [&](size_t i) {
    return horizontal ? guide(vAlignment, arranged[i]->size, *arranged[i]) : guide(hAlignment, arranged[i]->size);
  };
  double line = 0;
  for (size_t i : live) line = std::max(line, crossGuide(i));
  double crossLength = 0;
  std::vector<double> crossOrigin(flat.size(), 0);
  for (size_t i : live) {
    crossOrigin[i] = line - crossGuide(i);
    crossLength = std::max(crossLength, crossOrigin[i] + (horizontal ? arranged[i]->size.height : arranged[i]->size.width));
  }

  // 7. Along the stack: children in order, the spacing between them.
  double position = 0;
  size_t placedLive = 0;
  for (size_t i = 0; i < flat.size(); ++i) {
    ChildPlacement placement{flat[i].view, flat[i].scope, context, {}, proposals[i], flat[i].wrappers,
                             flat[i].placeholder};
    placement.origin = horizontal ? ui::Point{position, crossOrigin[i]} : ui::Point{crossOrigin[i], position};
    out.children.push_back(std::move(placement));
    if (flat[i].placeholder) continue;
    position += along(arranged[i]->size);
    if (++placedLive < live.size()) position += spacing;
  }
  out.size = horizontal ? ui::Size{position, crossLength} : ui::Size{crossLength, position};

  // 8. The stack's baselines: its first child's first and its last child's last.
  if (!live.empty()) {
    const size_t first = live.front(), last = live.back();
    const Arrangement& a = *arranged[first];
    const Arrangement& z = *arranged[last];
    out.firstBaseline = out.children[first].origin.y + a.firstBaseline.value_or(a.size.height);
    out.lastBaseline = out.children[last].origin.y + z.lastBaseline.value_or(z.size.height);
  }
  return out;
}

Arrangement Engine::arrangeOverlay(const std::vector<ui::View>& children, ui::Alignment alignment,
                                   const Proposal& p, const Scope& scope) const {
  Arrangement out;
  std::vector<FlatChild> flat;
  flatten(children, scope, {}, flat, out.wrappers);

  // 1. Every child is offered the whole offer.
  std::vector<const Arrangement*> arranged(flat.size(), nullptr);
  for (size_t i = 0; i < flat.size(); ++i)
    if (!flat[i].placeholder) arranged[i] = &arrange(flat[i].view, p, flat[i].scope, Context{});

  // 2. Children aligned on one another; the overlay is the union of their frames.
  double gx = 0, gy = 0;
  for (size_t i = 0; i < flat.size(); ++i) {
    if (flat[i].placeholder) continue;
    gx = std::max(gx, guide(alignment.horizontal, arranged[i]->size));
    gy = std::max(gy, guide(alignment.vertical, arranged[i]->size, *arranged[i]));
  }
  bool first = true;
  for (size_t i = 0; i < flat.size(); ++i) {
    ChildPlacement placement{flat[i].view, flat[i].scope, Context{}, {}, p, flat[i].wrappers, flat[i].placeholder};
    if (!flat[i].placeholder) {
      placement.origin = {gx - guide(alignment.horizontal, arranged[i]->size),
                          gy - guide(alignment.vertical, arranged[i]->size, *arranged[i])};
      out.size.width = std::max(out.size.width, placement.origin.x + arranged[i]->size.width);
      out.size.height = std::max(out.size.height, placement.origin.y + arranged[i]->size.height);
      if (first) {
        out.firstBaseline = placement.origin.y + arranged[i]->firstBaseline.value_or(arranged[i]->size.height);
        out.lastBaseline = placement.origin.y + arranged[i]->lastBaseline.value_or(arranged[i]->size.height);
        first = false;
      }
    }
    out.children.push_back(std::move(placement));
  }
  return out;
}

}  // namespace layout::detail
