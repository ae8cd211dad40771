#include "Platform/Render/detail/CairoDraw.hpp"

#include <stdexcept>
#include <vector>

#include "Platform/Render/detail/TextLayout.hpp"

namespace render::detail {

namespace {

template <class... F>
struct Overload : F... { using F::operator()...; };
template <class... F>
Overload(F...) -> Overload<F...>;

cairo_line_cap_t cairoCap(LineCap c) {
  switch (c) {
    case LineCap::butt: return CAIRO_LINE_CAP_BUTT;
    case LineCap::round: return CAIRO_LINE_CAP_ROUND;
    case LineCap::square: return CAIRO_LINE_CAP_SQUARE;
  }
  return CAIRO_LINE_CAP_BUTT;
}

cairo_line_join_t cairoJoin(LineJoin j) {
  switch (j) {
    case LineJoin::miter: return CAIRO_LINE_JOIN_MITER;
    case LineJoin::round: return CAIRO_LINE_JOIN_ROUND;
    case LineJoin::bevel: return CAIRO_LINE_JOIN_BEVEL;
  }
  return CAIRO_LINE_JOIN_MITER;
}

void applyStroke(cairo_t* cr, const StrokeStyle& s) {
  cairo_set_line_width(cr, s.width);
  cairo_set_line_cap(cr, cairoCap(s.cap));
  cairo_set_line_join(cr, cairoJoin(s.join));
  cairo_set_miter_limit(cr, s.miterLimit);
  cairo_set_dash(cr, s.dash.empty() ? nullptr : s.dash.data(), static_cast<int>(s.dash.size()), s.dashPhase);
}

void drawImageSurface(cairo_t* cr, const imageio::Image& img, const ui::Rect& rect, bool highQuality) {
  if (img.width <= 0 || img.height <= 0 || img.argb.size() < std::size_t(img.width) * img.height) return;
  if (rect.width <= 0 || rect.height <= 0) return;
  // Cairo only reads the pixels; the surface lives for this call.
  SurfacePtr surface(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(img.argb.data())), CAIRO_FORMAT_ARGB32,
      img.width, img.height, img.width * 4));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return;
  SavedState state(cr);
  cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
  cairo_clip(cr);
  cairo_translate(cr, rect.x, rect.y);
  cairo_scale(cr, rect.width / img.width, rect.height / img.height);
  cairo_set_source_surface(cr, surface.get(), 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(cr);
  cairo_pattern_set_filter(pattern, highQuality ? CAIRO_FILTER_BEST : CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);  // no fading at the stretched edges
  cairo_paint(cr);
}

}  // namespace

void setPaint(cairo_t* cr, const Paint& paint) {
  if (paint.kind == Paint::Kind::solid || paint.stops.empty()) {
    const RGBA& c = paint.kind == Paint::Kind::solid ? paint.color : RGBA{0, 0, 0, 0};
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
    return;
  }
  PatternPtr pattern(cairo_pattern_create_linear(paint.start.x, paint.start.y, paint.end.x, paint.end.y));
  for (const auto& s : paint.stops)
    cairo_pattern_add_color_stop_rgba(pattern.get(), s.offset, s.color.r, s.color.g, s.color.b, s.color.a);
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);
  cairo_set_source(cr, pattern.get());
}

void addPath(cairo_t* cr, const Path& path) {
  for (const auto& e : path.elements()) {
    switch (e.kind) {
      case PathElement::Kind::moveTo: cairo_move_to(cr, e.p1.x, e.p1.y); break;
      case PathElement::Kind::lineTo: cairo_line_to(cr, e.p1.x, e.p1.y); break;
      case PathElement::Kind::curveTo: cairo_curve_to(cr, e.p1.x, e.p1.y, e.p2.x, e.p2.y, e.p3.x, e.p3.y); break;
      case PathElement::Kind::close: cairo_close_path(cr); break;
    }
  }
}

void addShape(cairo_t* cr, const Shape& shape) {
  if (shape.kind == Shape::Kind::rect) {
    cairo_rectangle(cr, shape.rect.x, shape.rect.y, shape.rect.width, shape.rect.height);
    return;
  }
  addPath(cr, shape.outline());
}

void drawText(cairo_t* cr, const TextCommand& t) {
  SavedState state(cr);
  ContextPtr context(pango_cairo_create_context(cr));
  configureContext(context.get());
  TextSpec textSpec{t.text, t.font, t.size * t.scale, t.monospacedDigits, t.maxWidth, t.lineLimit, t.alignment};
  BuiltLayout built = buildLayout(context.get(), textSpec);
  setPaint(cr, t.paint);
  cairo_move_to(cr, t.origin.x - leftOffset(built.layout.get()), t.origin.y);
  pango_cairo_show_layout(cr, built.layout.get());
}

void drawImage(cairo_t* cr, const ImageCommand& image) {
  if (image.image) drawImageSurface(cr, *image.image, image.rect, image.highQuality);
}

void drawList(cairo_t* cr, const DisplayList& list) {
  // A pop without its push is a fault of the list's maker: refuse it before drawing anything.
  std::vector<bool> pushes;  // true: opacity
  for (const auto& command : list.commands()) {
    if (std::holds_alternative<PushOpacityCommand>(command)) pushes.push_back(true);
    if (std::holds_alternative<PushClipCommand>(command)) pushes.push_back(false);
    const bool popOpacity = std::holds_alternative<PopOpacityCommand>(command);
    if (popOpacity || std::holds_alternative<PopClipCommand>(command)) {
      if (pushes.empty() || pushes.back() != popOpacity)
        throw std::invalid_argument("display list: a pop without its matching push");
      pushes.pop_back();
    }
  }

  // Groups and clips stay open from their push to their pop, across commands, so they keep
  // a stack of their own instead of a scope: a group is Cairo's pushed group, a clip a saved
  // state that its pop restores.
  enum class Open { opacity, clip };
  struct Group { Open kind; double opacity; };
  std::vector<Group> open;
  auto close = [&](const Group& g) {
    if (g.kind == Open::opacity) {
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, g.opacity);
    } else {
      cairo_restore(cr);
    }
  };
  auto pop = [&] {
    close(open.back());
    open.pop_back();
  };
  for (const auto& command : list.commands()) {
    std::visit(Overload{
        [&](const FillCommand& c) {
          SavedState state(cr);
          addShape(cr, c.shape);
          cairo_set_fill_rule(cr, c.shape.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
          setPaint(cr, c.paint);
          cairo_fill(cr);
        },
        [&](const StrokeCommand& c) {
          SavedState state(cr);
          addShape(cr, c.shape);
          applyStroke(cr, c.style);
          setPaint(cr, c.paint);
          cairo_stroke(cr);
        },
        [&](const TextCommand& c) { drawText(cr, c); },
        [&](const SymbolCommand& c) { drawSymbol(cr, c); },
        [&](const ImageCommand& c) { drawImage(cr, c); },
        [&](const PushOpacityCommand& c) {
          cairo_push_group(cr);
          open.push_back({Open::opacity, c.opacity});
        },
        [&](const PopOpacityCommand&) { pop(); },
        [&](const PushClipCommand& c) {
          cairo_save(cr);
          addShape(cr, c.shape);
          cairo_clip(cr);
          open.push_back({Open::clip, 1});
        },
        [&](const PopClipCommand&) { pop(); },
    }, command);
  }
  while (!open.empty()) {
    close(open.back());
    open.pop_back();
  }
}

}  // namespace render::detail
