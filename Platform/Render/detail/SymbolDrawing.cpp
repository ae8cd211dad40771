#include <hb.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Platform/Render/detail/CairoDraw.hpp"
#include "Platform/Render/detail/SymbolTable.hpp"
#include "Platform/Render/detail/TextLayout.hpp"

namespace render::detail {

namespace {

// Heavier weights draw heavier lines; the icon font has one weight, so its glyphs are
// emboldened by stroking their outline as well.
double weightFactor(int weight) { return 1 + std::clamp(weight - 400, -300, 500) / 600.0; }

// A glyph of the icon font on its em square `em` (the font's glyphs sit on a 24-unit grid
// that fills the em square). The glyph is looked up in the font itself rather than laid out as
// text: a text layout measures the font's line against a sample of the language's letters,
// which the icon font lacks, and so loads a fallback text face for nothing.
void addGlyphPath(cairo_t* cr, char32_t codepoint, const ui::Rect& em) {
  ContextPtr context(pango_cairo_create_context(cr));
  configureContext(context.get());
  FontDescriptionPtr description(pango_font_description_new());
  pango_font_description_set_family(description.get(), iconFamily);
  pango_font_description_set_absolute_size(description.get(), std::max(em.height, 0.01) * PANGO_SCALE);
  const FontPtr font(pango_context_load_font(context.get(), description.get()));
  if (!font) return;
  hb_codepoint_t index = 0;
  if (!hb_font_get_nominal_glyph(pango_font_get_hb_font(font.get()), codepoint, &index)) return;
  cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font.get()));
  if (!scaled) return;
  cairo_font_extents_t line;
  cairo_scaled_font_extents(scaled, &line);
  cairo_glyph_t glyph{index, 0, 0};
  cairo_text_extents_t extents;
  cairo_scaled_font_glyph_extents(scaled, &glyph, 1, &extents);
  // Centred by its advance and the font's line, as a one-glyph line of text would be.
  glyph.x = em.x + (em.width - extents.x_advance) / 2;
  glyph.y = em.y + (em.height - (line.ascent + line.descent)) / 2 + line.ascent;
  cairo_set_scaled_font(cr, scaled);
  cairo_glyph_path(cr, &glyph, 1);
}

ui::Rect centeredSquare(const ui::Rect& r, double side) {
  return {r.midX() - side / 2, r.midY() - side / 2, side, side};
}

// A lightning bolt in the unit square (y down), mapped into `r`.
void addBoltPath(cairo_t* cr, const ui::Rect& r) {
  static constexpr double pts[][2] = {{0.64, 0.00}, {0.12, 0.58}, {0.47, 0.58}, {0.36, 1.00},
                                      {0.88, 0.40}, {0.53, 0.40}};
  for (std::size_t i = 0; i < std::size(pts); ++i) {
    const double x = r.x + pts[i][0] * r.width, y = r.y + pts[i][1] * r.height;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void fillRounded(cairo_t* cr, const ui::Rect& r, double radius) {
  addPath(cr, roundedRectPath(r, radius, CornerStyle::continuous));
  cairo_fill(cr);
}

struct BatteryParts {
  ui::Rect body;  // the outline's centre line
  ui::Rect inner;  // where the level fill goes
  double line = 1;
};

// A horizontal battery: outline, a terminal at its right end; returns where the level fill goes.
BatteryParts drawBatteryCase(cairo_t* cr, const ui::Rect& r, int weight) {
  const double h = r.height;
  const double line = 0.1 * h * weightFactor(weight);
  const double nub = 0.075 * r.width;
  const double gap = 0.035 * r.width;
  BatteryParts p;
  p.line = line;
  p.body = {r.x + line / 2, r.y + line / 2, r.width - nub - gap - line, h - line};
  addPath(cr, roundedRectPath(p.body, 0.3 * h, CornerStyle::continuous));
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  const double nubHeight = 0.38 * h;
  fillRounded(cr, {r.maxX() - nub, r.midY() - nubHeight / 2, nub, nubHeight}, nub * 0.7);
  const double inset = line / 2 + 0.09 * h;
  p.inner = {p.body.x + inset, p.body.y + inset, p.body.width - 2 * inset, p.body.height - 2 * inset};
  return p;
}

void drawBattery(cairo_t* cr, const ui::Rect& r, double level, int weight) {
  const BatteryParts p = drawBatteryCase(cr, r, weight);
  if (level <= 0) return;
  fillRounded(cr, {p.inner.x, p.inner.y, p.inner.width * std::min(level, 1.0), p.inner.height}, 0.14 * r.height);
}

void drawBatteryBolt(cairo_t* cr, const ui::Rect& r, int weight) {
  const BatteryParts p = drawBatteryCase(cr, r, weight);
  fillRounded(cr, p.inner, 0.14 * r.height);
  // The bolt, separated from the fill by a cut the colour of what lies behind.
  const double bh = r.height * 0.95, bw = bh * 0.62;
  const ui::Rect bolt{p.body.midX() - bw / 2, r.midY() - bh / 2, bw, bh};
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  addBoltPath(cr, bolt);
  cairo_set_line_width(cr, 0.16 * r.height);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_fill(cr);
}

void drawBatteryBlock(cairo_t* cr, const ui::Rect& r, bool filled, int weight) {
  const double h = r.height;
  const double terminalHeight = 0.13 * h, terminalWidth = 0.2 * r.width;
  for (double cx : {0.27, 0.73})
    fillRounded(cr, {r.x + cx * r.width - terminalWidth / 2, r.y, terminalWidth, terminalHeight * 1.6}, terminalHeight * 0.4);
  const double line = 0.085 * h * weightFactor(weight);
  ui::Rect body{r.x, r.y + terminalHeight, r.width, h - terminalHeight};
  const double bh = body.height * 0.68, bw = bh * 0.62;
  const ui::Rect bolt{body.midX() - bw / 2, body.midY() - bh / 2, bw, bh};
  if (filled) {
    fillRounded(cr, body, 0.2 * h);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    addBoltPath(cr, bolt);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    return;
  }
  const ui::Rect edge{body.x + line / 2, body.y + line / 2, body.width - line, body.height - line};
  // Clear what the terminals drew inside the body before drawing its outline.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  fillRounded(cr, edge, 0.2 * h);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  addPath(cr, roundedRectPath(edge, 0.2 * h - line / 2, CornerStyle::continuous));
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  addBoltPath(cr, bolt);
  cairo_fill(cr);
}

void drawDashedApp(cairo_t* cr, const ui::Rect& r, int weight) {
  const double side = 0.82 * std::min(r.width, r.height);
  const double line = 0.085 * side * weightFactor(weight);
  const ui::Rect sq = centeredSquare(r, side - line);
  const double radius = 0.24 * side;
  const double perimeter = 4 * (sq.width - 2 * radius) + 2 * M_PI * radius;
  const double dash[] = {perimeter / 28, perimeter / 28};
  addPath(cr, roundedRectPath(sq, radius, CornerStyle::continuous));
  cairo_set_line_width(cr, line);
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
}

// A crossed square: what any name outside the table draws, so a wrong name is seen at once.
void drawMissing(cairo_t* cr, const ui::Rect& r) {
  const double side = 0.8 * std::min(r.width, r.height);
  const double line = std::max(0.08 * side, 0.5);
  const ui::Rect sq = centeredSquare(r, side - line);
  cairo_rectangle(cr, sq.x, sq.y, sq.width, sq.height);
  cairo_move_to(cr, sq.minX(), sq.minY());
  cairo_line_to(cr, sq.maxX(), sq.maxY());
  cairo_move_to(cr, sq.maxX(), sq.minY());
  cairo_line_to(cr, sq.minX(), sq.maxY());
  cairo_set_line_width(cr, line);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
}

}  // namespace

void drawSymbol(cairo_t* cr, const SymbolCommand& symbol) {
  const ui::Rect& r = symbol.rect;
  if (r.width <= 0 || r.height <= 0) return;
  SavedState state(cr);
  // Drawn opaque into a group (cuts clear only the symbol's own pixels), then laid down in
  // the symbol's paint. The clip keeps the group to the symbol's neighbourhood (strokes reach
  // a little past the rectangle) instead of a surface the size of the whole picture.
  const double margin = std::max(r.width, r.height) / 2;
  cairo_rectangle(cr, r.x - margin, r.y - margin, r.width + 2 * margin, r.height + 2 * margin);
  cairo_clip(cr);
  cairo_push_group(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  const SymbolDef* def = findSymbol(symbol.name);
  if (!def) {
    drawMissing(cr, r);
  } else {
    switch (def->art) {
      case SymbolArt::glyph:
      case SymbolArt::glyphOutline: {
        const ui::Rect em = centeredSquare(r, std::min(r.width, r.height));
        addGlyphPath(cr, def->codepoint, em);
        const double bold = std::max(0.0, weightFactor(symbol.weight) - 1) * 0.08 * em.height;
        if (def->art == SymbolArt::glyph) {
          cairo_fill_preserve(cr);
          if (bold > 0) {
            cairo_set_line_width(cr, bold);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
          }
          cairo_new_path(cr);
        } else {
          cairo_set_line_width(cr, 0.07 * em.height + bold);
          cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
          cairo_stroke(cr);
        }
        break;
      }
      case SymbolArt::battery: drawBattery(cr, r, def->level, symbol.weight); break;
      case SymbolArt::batteryBolt: drawBatteryBolt(cr, r, symbol.weight); break;
      case SymbolArt::batteryBlock: drawBatteryBlock(cr, r, true, symbol.weight); break;
      case SymbolArt::batteryBlockOutline: drawBatteryBlock(cr, r, false, symbol.weight); break;
      case SymbolArt::dashedApp: drawDashedApp(cr, r, symbol.weight); break;
    }
  }
  PatternPtr mask(cairo_pop_group(cr));
  setPaint(cr, symbol.paint);
  cairo_mask(cr, mask.get());
}

}  // namespace render::detail
