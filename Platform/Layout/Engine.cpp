#include "Platform/Layout/detail/Engine.hpp"

#include <functional>
#include <limits>

#include "Platform/UI/Defaults.hpp"

namespace layout::detail {

namespace {

// Shapes, geometry readers and other leaves that take what they are offered: on an axis the
// offer leaves unspecified, this is their size.
constexpr double defaultLeafLength = 10;

ui::Size takeOffer(const Proposal& p, ui::Size ideal) {
  return {p.width.value_or(ideal.width), p.height.value_or(ideal.height)};
}

// One child that fills its parent's place: same origin, same offer.
ChildPlacement passThrough(const ui::View& view, const ui::Environment& env, const Context& context,
                           const Proposal& proposal) {
  return ChildPlacement{view, env, context, ui::Point{0, 0}, proposal, {}, false};
}

Arrangement around(const Arrangement& child, ChildPlacement placement) {
  Arrangement out;
  out.size = child.size;
  out.firstBaseline = child.firstBaseline;
  out.lastBaseline = child.lastBaseline;
  out.children.push_back(std::move(placement));
  return out;
}

ui::Size imageSize(const ui::ImageNode& image, const Proposal& p, const Measurer& measurer,
                   const ui::Environment& env, std::optional<SymbolMeasure>& symbol) {
  ui::Size intrinsic;
  if (image.systemName) {
    symbol = measurer.measureSymbol(*image.systemName, env.font);
    intrinsic = {symbol->width, symbol->height};
  } else if (image.image) {
    intrinsic = {static_cast<double>(image.image->width), static_cast<double>(image.image->height)};
  }
  // A resizable image fills the frame it is given; otherwise it keeps its own size.
  if (image.resizable) return takeOffer(p, intrinsic);
  return intrinsic;
}

ui::Size spacerSize(const ui::SpacerNode& spacer, const Proposal& p, const Context& context) {
  const double minLength = spacer.minLength.value_or(ui::defaultSpacerMinLength);
  auto along = [&](std::optional<double> offered) { return std::max(minLength, offered.value_or(minLength)); };
  if (!context.stackAxis) return {along(p.width), along(p.height)};
  // In a stack a spacer is flexible along the stack and takes no room across it.
  if (*context.stackAxis == Axis::horizontal) return {along(p.width), 0};
  return {0, along(p.height)};
}

template <class... F>
struct Overloaded : F... { using F::operator()...; };
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

double guide(ui::HorizontalAlignment alignment, ui::Size size) {
  switch (alignment) {
    case ui::HorizontalAlignment::leading: return 0;
    case ui::HorizontalAlignment::center: return size.width / 2;
    case ui::HorizontalAlignment::trailing: return size.width;
  }
  return 0;
}

double guide(ui::VerticalAlignment alignment, ui::Size size, const Arrangement& arranged) {
  switch (alignment) {
    case ui::VerticalAlignment::top: return 0;
    case ui::VerticalAlignment::center: return size.height / 2;
    case ui::VerticalAlignment::bottom: return size.height;
    case ui::VerticalAlignment::firstTextBaseline: return arranged.firstBaseline.value_or(size.height);
    case ui::VerticalAlignment::lastTextBaseline: return arranged.lastBaseline.value_or(size.height);
  }
  return 0;
}

Arrangement Engine::arrange(const ui::View& view, const Proposal& p, const ui::Environment& env,
                            const Context& context) const {
  const ui::Node& node = view.node();
  return std::visit(Overloaded{
      [&](const ui::EmptyNode&) { return Arrangement{}; },
      [&](const ui::HStackNode&) { return arrangeStack(view, Axis::horizontal, p, env); },
      [&](const ui::VStackNode&) { return arrangeStack(view, Axis::vertical, p, env); },
      [&](const ui::ZStackNode& n) { return arrangeOverlay(n.children, n.alignment, p, env); },
      // Outside a stack, a group's children overlap, centred, as in an overlay stack.
      [&](const ui::GroupNode& n) { return arrangeOverlay(n.children, ui::Alignment::center(), p, env); },
      [&](const ui::ForEachNode& n) {
        std::vector<ui::View> views;
        for (const auto& e : n.elements) views.push_back(e.view);
        return arrangeOverlay(views, ui::Alignment::center(), p, env);
      },
      [&](const ui::TextNode& n) { return arrangeText(n, p, env); },
      [&](const ui::ImageNode& n) {
        Arrangement out;
        out.size = imageSize(n, p, measurer_, env, out.symbol);
        if (out.symbol && !n.resizable) out.firstBaseline = out.lastBaseline = out.symbol->baseline;
        return out;
      },
      [&](const ui::SpacerNode& n) {
        Arrangement out;
        out.size = spacerSize(n, p, context);
        return out;
      },
      [&](const ui::ShapeNode&) {
        Arrangement out;
        out.size = takeOffer(p, {defaultLeafLength, defaultLeafLength});
        return out;
      },
      // Its content is built at placement, for the size chosen here.
      [&](const ui::GeometryReaderNode&) {
        Arrangement out;
        out.size = takeOffer(p, {defaultLeafLength, defaultLeafLength});
        return out;
      },
      [&](const ui::EnvironmentReaderNode& n) {
        ui::View content = n.content ? n.content(env) : ui::View();
        return around(arrange(content, p, env, context), passThrough(content, env, context, p));
      },
      [&](const ui::ComponentNode& n) {
        return around(arrange(n.body, p, env, context), passThrough(n.body, env, context, p));
      },
      [&](const ui::CustomNode& n) {
        Arrangement out;
        out.size = takeOffer(p, n.idealSize);
        return out;
      },
      [&](const ui::ModifiedNode& n) { return arrangeModified(n, p, env, context); },
  }, node.kind);
}

namespace {

ui::Rect unite(const ui::Rect& a, const ui::Rect& b) {
  const double x0 = std::min(a.minX(), b.minX()), y0 = std::min(a.minY(), b.minY());
  const double x1 = std::max(a.maxX(), b.maxX()), y1 = std::max(a.maxY(), b.maxY());
  return {x0, y0, x1 - x0, y1 - y0};
}

// Rebuilds the groups that a stack opened: consecutive children flattened out of the same
// group become that group's children again, and the group's frame is theirs united.
std::vector<LayoutNode> nest(std::vector<LayoutNode>& placed, const std::vector<ChildPlacement>& children,
                             const std::vector<Wrapper>& wrappers, ui::Point parentOrigin, double opacity,
                             size_t begin, size_t end, size_t depth) {
  std::vector<LayoutNode> out;
  size_t i = begin;
  while (i < end) {
    const auto& path = children[i].wrappers;
    if (path.size() <= depth) {
      if (!children[i].placeholder) out.push_back(std::move(placed[i]));
      ++i;
      continue;
    }
    const int wrapper = path[depth];
    size_t j = i;
    while (j < end && children[j].wrappers.size() > depth && children[j].wrappers[depth] == wrapper) ++j;
    LayoutNode group;
    group.view = wrappers[static_cast<size_t>(wrapper)].view;
    group.environment = wrappers[static_cast<size_t>(wrapper)].environment;
    group.opacity = opacity;
    group.children = nest(placed, children, wrappers, parentOrigin, opacity, i, j, depth + 1);
    if (group.children.empty()) {
      group.frame = {parentOrigin.x + children[i].origin.x, parentOrigin.y + children[i].origin.y, 0, 0};
    } else {
      group.frame = group.children.front().frame;
      for (const auto& c : group.children) group.frame = unite(group.frame, c.frame);
    }
    out.push_back(std::move(group));
    i = j;
  }
  return out;
}

}  // namespace

LayoutNode Engine::place(const ui::View& view, ui::Point origin, const Proposal& proposal,
                         const ui::Environment& env, const Context& context, double opacity) const {
  Arrangement arranged = arrange(view, proposal, env, context);
  LayoutNode node;
  node.view = view;
  node.frame = {origin.x, origin.y, arranged.size.width, arranged.size.height};
  node.environment = env;
  node.opacity = opacity * arranged.opacity;
  node.text = std::move(arranged.text);
  node.symbol = arranged.symbol;

  if (const auto* reader = ui::nodeAs<ui::GeometryReaderNode>(view)) {
    // The content is built for the size the reader took, and placed at its top-leading corner.
    ui::View content = reader->content ? reader->content(ui::GeometryProxy{arranged.size}) : ui::View();
    node.children.push_back(place(content, origin, Proposal::of(arranged.size), env, Context{}, node.opacity));
    return node;
  }

  std::vector<LayoutNode> placed;
  placed.reserve(arranged.children.size());
  for (const auto& child : arranged.children) {
    if (child.placeholder) { placed.emplace_back(); continue; }
    placed.push_back(place(child.view, {origin.x + child.origin.x, origin.y + child.origin.y},
                           child.proposal, child.environment, child.context, node.opacity));
  }
  node.children = nest(placed, arranged.children, arranged.wrappers, origin, node.opacity, 0,
                       arranged.children.size(), 0);
  return node;
}

}  // namespace layout::detail

namespace layout {

LayoutNode layoutTree(const ui::View& root, ui::Size size, const Measurer& measurer,
                      const ui::Environment& environment) {
  detail::Engine engine(measurer);
  return engine.place(root, {0, 0}, Proposal::of(size), environment, detail::Context{}, 1.0);
}

ui::Size sizeThatFits(const ui::View& view, const Proposal& proposal, const Measurer& measurer,
                      const ui::Environment& environment) {
  detail::Engine engine(measurer);
  return engine.size(view, proposal, environment, detail::Context{});
}

const LayoutNode* find(const LayoutNode& tree, const ui::View& view) {
  if (tree.view.shared() == view.shared()) return &tree;
  for (const auto& child : tree.children)
    if (const LayoutNode* found = find(child, view)) return found;
  return nullptr;
}

}  // namespace layout
