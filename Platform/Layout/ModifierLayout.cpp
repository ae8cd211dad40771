// Modifiers in layout: frames, padding, offsets and backgrounds change where and how large a
// view is; environment and drawing modifiers pass the offer through unchanged.
#include <algorithm>

#include "Platform/Layout/detail/Engine.hpp"
#include "Platform/UI/Defaults.hpp"

namespace layout::detail {

namespace {

template <class... F>
struct Overloaded : F... { using F::operator()...; };
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Where a child of `child` size goes inside `container` for a two-axis alignment. A frame has
// no text of its own, so a baseline alignment there aligns the child's baseline with the
// frame's bottom edge.
ui::Point aligned(ui::Size child, const Arrangement& arranged, ui::Size container, ui::Alignment alignment) {
  const double x = guide(alignment.horizontal, container) - guide(alignment.horizontal, child);
  const double y = guide(alignment.vertical, container, Arrangement{}) - guide(alignment.vertical, child, arranged);
  return {x, y};
}

// The child's baselines, seen from a parent that placed it `dy` lower.
void baselinesFrom(Arrangement& out, const Arrangement& child, double dy) {
  out.firstBaseline = dy + child.firstBaseline.value_or(child.size.height);
  out.lastBaseline = dy + child.lastBaseline.value_or(child.size.height);
}

std::optional<double> clampOffer(std::optional<double> offered, std::optional<double> lower, std::optional<double> upper) {
  if (!offered) return offered;
  double v = *offered;
  if (lower) v = std::max(v, *lower);
  if (upper) v = std::min(v, *upper);
  return v;
}

// A flexible frame's length on one axis: the child's, brought within the bounds; with a bound
// given, the offer (where it is within the bounds) instead of the child's.
double flexibleLength(double child, std::optional<double> offered, std::optional<double> lower,
                      std::optional<double> upper) {
  double result = child;
  if (lower) result = std::max(*lower, offered ? std::min(result, *offered) : result);
  if (upper) result = std::min(*upper, offered ? std::max(result, *offered) : result);
  return result;
}

}  // namespace

Arrangement Engine::arrangeModified(const ui::View& view, const Proposal& p, const Scope& scope,
                                    const Context& context) const {
  const auto& node = std::get<ui::ModifiedNode>(view.node().kind);
  const ui::View& content = node.content;
  auto single = [&](const Proposal& offer, const Scope& inner) {
    const Arrangement& child = arrange(content, offer, inner, context);
    Arrangement out;
    out.size = child.size;
    out.firstBaseline = child.firstBaseline;
    out.lastBaseline = child.lastBaseline;
    out.children.push_back(ChildPlacement{content, inner, context, {0, 0}, offer, {}, false});
    return out;
  };

  {
    ui::Environment scratch;
    if (ui::applyToEnvironment(node.modifier, scratch)) return single(p, enter(scope, view));
  }

  return std::visit(Overloaded{
      [&](const ui::FixedFrameModifier& m) {
        // The given lengths are the frame's; the child is offered them and aligned inside.
        const Proposal offer{m.frame.width ? m.frame.width : p.width, m.frame.height ? m.frame.height : p.height};
        const Arrangement& child = arrange(content, offer, scope, context);
        Arrangement out;
        out.size = {m.frame.width.value_or(child.size.width), m.frame.height.value_or(child.size.height)};
        const ui::Point origin = aligned(child.size, child, out.size, m.frame.alignment);
        baselinesFrom(out, child, origin.y);
        out.children.push_back(ChildPlacement{content, scope, context, origin, offer, {}, false});
        return out;
      },
      [&](const ui::FlexibleFrameModifier& m) {
        const auto& f = m.frame;
        // 1. The offer, or the ideal length where there is none, brought within the bounds.
        const Proposal offer{clampOffer(p.width ? p.width : f.idealWidth, f.minWidth, f.maxWidth),
                             clampOffer(p.height ? p.height : f.idealHeight, f.minHeight, f.maxHeight)};
        const Arrangement& child = arrange(content, offer, scope, context);
        // 2. The frame's size: the child's, within the bounds, widened to the offer by a bound.
        Arrangement out;
        out.size = {flexibleLength(child.size.width, offer.width, f.minWidth, f.maxWidth),
                    flexibleLength(child.size.height, offer.height, f.minHeight, f.maxHeight)};
        const ui::Point origin = aligned(child.size, child, out.size, f.alignment);
        baselinesFrom(out, child, origin.y);
        out.children.push_back(ChildPlacement{content, scope, context, origin, offer, {}, false});
        return out;
      },
      [&](const ui::PaddingModifier& m) {
        ui::EdgeInsets in;
        if (m.insets) {
          in = *m.insets;
        } else {
          const double l = m.length.value_or(ui::defaultPadding);
          in = {m.edges.contains(ui::Edge::top) ? l : 0, m.edges.contains(ui::Edge::leading) ? l : 0,
                m.edges.contains(ui::Edge::bottom) ? l : 0, m.edges.contains(ui::Edge::trailing) ? l : 0};
        }
        // The offer shrinks by the insets, the child's answer grows back by them.
        const Proposal offer{shrink(p.width, in.leading + in.trailing), shrink(p.height, in.top + in.bottom)};
        const Arrangement& child = arrange(content, offer, scope, context);
        Arrangement out;
        out.size = {child.size.width + in.leading + in.trailing, child.size.height + in.top + in.bottom};
        baselinesFrom(out, child, in.top);
        out.children.push_back(ChildPlacement{content, scope, context, {in.leading, in.top}, offer, {}, false});
        return out;
      },
      [&](const ui::OffsetModifier& m) {
        // Moves the drawing; the layout around it stays as if it had not moved.
        Arrangement out = single(p, scope);
        out.children.front().origin = {m.x, m.y};
        return out;
      },
      [&](const ui::BackgroundModifier& m) {
        const Arrangement& child = arrange(content, p, scope, context);
        // The background is offered exactly the size of what it backs.
        const Proposal backOffer = Proposal::of(child.size);
        const Arrangement& back = arrange(m.background, backOffer, scope, Context{});
        Arrangement out;
        out.size = child.size;
        out.firstBaseline = child.firstBaseline;
        out.lastBaseline = child.lastBaseline;
        out.children.push_back(ChildPlacement{m.background, scope, Context{},
                                              aligned(back.size, back, child.size, m.alignment), backOffer, {}, false});
        out.children.push_back(ChildPlacement{content, scope, context, {0, 0}, p, {}, false});
        return out;
      },
      [&](const ui::OpacityModifier& m) {
        Arrangement out = single(p, scope);
        out.opacity = m.opacity;
        return out;
      },
      [&](const auto&) { return single(p, scope); },
  }, node.modifier);
}

}  // namespace layout::detail
