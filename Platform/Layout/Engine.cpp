#include "Platform/Layout/detail/Engine.hpp"

#include <functional>
#include <limits>

#include "Platform/UI/Defaults.hpp"

namespace layout::detail {

namespace {

// Shapes, geometry readers and other leaves that take what they are offered: on an axis the
// offer leaves unspecified, this is their size.
constexpr double defaultLeafLength = 10;

template <class... F>
struct Overloaded : F... { using F::operator()...; };
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

ui::Size takeOffer(const Proposal& p, ui::Size ideal) {
  return {p.width.value_or(ideal.width), p.height.value_or(ideal.height)};
}

// A node that wraps one child in its own place: same origin, same offer.
Arrangement around(const Arrangement& child, ChildPlacement placement) {
  Arrangement out;
  out.size = child.size;
  out.firstBaseline = child.firstBaseline;
  out.lastBaseline = child.lastBaseline;
  out.children.push_back(std::move(placement));
  return out;
}

ui::Size spacerSize(const ui::SpacerNode& spacer, const Proposal& p, const Context& context) {
  const double minLength = spacer.minLength.value_or(ui::defaultSpacerMinLength);
  auto along = [&](std::optional<double> offered) { return std::max(minLength, offered.value_or(minLength)); };
  if (!context.stackAxis) return {along(p.width), along(p.height)};
  // In a stack a spacer is flexible along the stack and takes no room across it.
  if (*context.stackAxis == Axis::horizontal) return {along(p.width), 0};
  return {0, along(p.height)};
}

int fontKey(const ui::Font& f) { return f.style ? static_cast<int>(*f.style) : -1; }

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

TextMeasure Engine::measureText(const TextRequest& r) const {
  TextKey key{std::string(r.text), fontKey(r.font), r.font.size, static_cast<int>(r.font.resolvedWeight()),
              static_cast<int>(r.font.design), r.lineLimit.value_or(-1), r.maxWidth.value_or(-1),
              r.monospacedDigits, r.scale, static_cast<int>(r.alignment), r.maxWidth ? 1 : 0};
  auto it = texts_.find(key);
  if (it != texts_.end()) return it->second;
  return texts_.emplace(std::move(key), measurer_.measureText(r)).first->second;
}

SymbolMeasure Engine::measureSymbol(const std::string& systemName, const ui::Font& font) const {
  std::tuple<std::string, int, double, int, int> key{systemName, fontKey(font), font.size,
                                                     static_cast<int>(font.resolvedWeight()),
                                                     static_cast<int>(font.design)};
  auto it = symbols_.find(key);
  if (it != symbols_.end()) return it->second;
  return symbols_.emplace(std::move(key), measurer_.measureSymbol(systemName, font)).first->second;
}

Scope Engine::enter(const Scope& outer, const ui::View& modified) const {
  Scope inner{outer.environment, 0};
  const auto& node = std::get<ui::ModifiedNode>(modified.node().kind);
  ui::applyToEnvironment(node.modifier, inner.environment);
  const auto key = std::make_pair(outer.id, &modified.node());
  auto it = scopes_.find(key);
  if (it == scopes_.end()) it = scopes_.emplace(key, std::make_pair(static_cast<int>(scopes_.size()) + 1, modified)).first;
  inner.id = it->second.first;
  return inner;
}

const Arrangement& Engine::arrange(const ui::View& view, const Proposal& p, const Scope& scope,
                                   const Context& context) const {
  const ArrangementKey key{&view.node(),
                           p.width ? 1 : 0, p.width.value_or(0),
                           p.height ? 1 : 0, p.height.value_or(0),
                           context.stackAxis ? static_cast<int>(*context.stackAxis) : -1,
                           scope.id};
  auto it = arrangements_.find(key);
  if (it == arrangements_.end())
    it = arrangements_.emplace(key, Remembered{view, compute(view, p, scope, context)}).first;
  return it->second.arrangement;
}

Arrangement Engine::compute(const ui::View& view, const Proposal& p, const Scope& scope,
                            const Context& context) const {
  const ui::Environment& env = scope.environment;
  return std::visit(Overloaded{
      [&](const ui::EmptyNode&) { return Arrangement{}; },
      [&](const ui::HStackNode&) { return arrangeStack(view, Axis::horizontal, p, scope); },
      [&](const ui::VStackNode&) { return arrangeStack(view, Axis::vertical, p, scope); },
      [&](const ui::ZStackNode& n) { return arrangeOverlay(n.children, n.alignment, p, scope); },
      // Outside a stack, a group's children overlap, centred, as in an overlay stack.
      [&](const ui::GroupNode& n) { return arrangeOverlay(n.children, ui::Alignment::center(), p, scope); },
      [&](const ui::ForEachNode& n) {
        std::vector<ui::View> views;
        for (const auto& e : n.elements) views.push_back(e.view);
        return arrangeOverlay(views, ui::Alignment::center(), p, scope);
      },
      [&](const ui::TextNode& n) { return arrangeText(n, p, scope); },
      [&](const ui::ImageNode& n) {
        Arrangement out;
        ui::Size intrinsic;
        if (n.systemName) {
          out.symbol = measureSymbol(*n.systemName, env.font);
          intrinsic = {out.symbol->width, out.symbol->height};
          if (!n.resizable) out.firstBaseline = out.lastBaseline = out.symbol->baseline;
        } else if (n.image) {
          intrinsic = {static_cast<double>(n.image->width), static_cast<double>(n.image->height)};
        }
        // A resizable image fills the frame it is given; otherwise it keeps its own size.
        out.size = n.resizable ? takeOffer(p, intrinsic) : intrinsic;
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
        return around(arrange(content, p, scope, context), ChildPlacement{content, scope, context, {0, 0}, p, {}, false});
      },
      [&](const ui::ComponentNode& n) {
        return around(arrange(n.body, p, scope, context), ChildPlacement{n.body, scope, context, {0, 0}, p, {}, false});
      },
      [&](const ui::CustomNode& n) {
        Arrangement out;
        out.size = takeOffer(p, n.idealSize);
        return out;
      },
      [&](const ui::ModifiedNode&) { return arrangeModified(view, p, scope, context); },
  }, view.node().kind);
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
    group.environment = wrappers[static_cast<size_t>(wrapper)].scope.environment;
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

LayoutNode Engine::place(const ui::View& view, ui::Point origin, const Proposal& proposal, const Scope& scope,
                         const Context& context, double opacity) const {
  const Arrangement& arranged = arrange(view, proposal, scope, context);
  LayoutNode node;
  node.view = view;
  node.frame = {origin.x, origin.y, arranged.size.width, arranged.size.height};
  node.environment = scope.environment;
  node.opacity = opacity * arranged.opacity;
  node.text = arranged.text;
  node.symbol = arranged.symbol;

  if (const auto* reader = ui::nodeAs<ui::GeometryReaderNode>(view)) {
    // The content is built for the size the reader took, and placed at its top-leading corner.
    ui::View content = reader->content ? reader->content(ui::GeometryProxy{arranged.size}) : ui::View();
    node.children.push_back(place(content, origin, Proposal::of(arranged.size), scope, Context{}, node.opacity));
    return node;
  }

  std::vector<LayoutNode> placed;
  placed.reserve(arranged.children.size());
  for (const auto& child : arranged.children) {
    if (child.placeholder) { placed.emplace_back(); continue; }
    placed.push_back(place(child.view, {origin.x + child.origin.x, origin.y + child.origin.y},
                           child.proposal, child.scope, child.context, node.opacity));
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
  return engine.place(root, {0, 0}, Proposal::of(size), detail::Scope{environment, 0}, detail::Context{}, 1.0);
}

ui::Size sizeThatFits(const ui::View& view, const Proposal& proposal, const Measurer& measurer,
                      const ui::Environment& environment) {
  detail::Engine engine(measurer);
  return engine.size(view, proposal, detail::Scope{environment, 0}, detail::Context{});
}

const LayoutNode* find(const LayoutNode& tree, const ui::View& view) {
  if (tree.view.shared() == view.shared()) return &tree;
  for (const auto& child : tree.children)
    if (const LayoutNode* found = find(child, view)) return found;
  return nullptr;
}

}  // namespace layout
