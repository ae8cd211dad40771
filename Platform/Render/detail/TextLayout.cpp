#include "Platform/Render/detail/TextLayout.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace render::detail {

namespace {

int pangoUnits(double points) { return static_cast<int>(std::lround(points * PANGO_SCALE)); }
double points(int units) { return double(units) / PANGO_SCALE; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Faces without tabular figures get equal digits from the layout itself: each digit becomes a
// shape of one cell width, drawn centred in its cell by the callback below. The cell is the
// zero's advance, the usual width of tabular figures, widened where a digit's ink would not
// fit it with a little room to spare (the widest advance would leave narrow digits in gaps).
struct DigitCells {
  double cell = 0;         // every digit's advance
  double advance[10] = {};  // each digit's own advance
  int ascent = 0, descent = 0;  // of the face's line, in Pango units
};

struct DigitShapeData {
  char digit = '0';
  double inset = 0;  // from the cell's leading edge to the digit's own origin
  PangoFontDescription* font = nullptr;
};

gpointer copyDigitShape(gconstpointer data) {
  const auto* d = static_cast<const DigitShapeData*>(data);
  return new DigitShapeData{d->digit, d->inset, pango_font_description_copy(d->font)};
}

void destroyDigitShape(gpointer data) {
  auto* d = static_cast<DigitShapeData*>(data);
  pango_font_description_free(d->font);
  delete d;
}

LayoutPtr plainLayout(PangoContext* context, const PangoFontDescription* font, const char* text) {
  LayoutPtr layout(pango_layout_new(context));
  pango_layout_set_font_description(layout.get(), font);
  pango_layout_set_text(layout.get(), text, -1);
  return layout;
}

// Draws one digit of a monospaced-digit run; Cairo's current point is the cell's baseline start.
void drawDigitShape(cairo_t* cr, PangoAttrShape* attr, gboolean doPath, gpointer) {
  const auto* d = static_cast<const DigitShapeData*>(attr->data);
  if (!d || !cairo_has_current_point(cr)) return;
  double x = 0, y = 0;
  cairo_get_current_point(cr, &x, &y);
  ContextPtr context(pango_cairo_create_context(cr));
  configureContext(context.get());
  const char text[2] = {d->digit, 0};
  LayoutPtr layout = plainLayout(context.get(), d->font, text);
  cairo_move_to(cr, x + d->inset, y - points(pango_layout_get_baseline(layout.get())));
  if (doPath) pango_cairo_layout_path(cr, layout.get());
  else pango_cairo_show_layout(cr, layout.get());
}

const DigitCells& digitCells(const PangoFontDescription* font) {
  thread_local std::map<std::string, DigitCells> cache;
  char* key = pango_font_description_to_string(font);
  std::string k(key);
  g_free(key);
  auto it = cache.find(k);
  if (it != cache.end()) return it->second;
  thread_local ContextPtr context = makeMeasuringContext();
  DigitCells cells;
  double widestInk = 0;
  for (int d = 0; d < 10; ++d) {
    const char text[2] = {char('0' + d), 0};
    LayoutPtr layout = plainLayout(context.get(), font, text);
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout.get(), &ink, &logical);
    cells.advance[d] = points(logical.width);
    widestInk = std::max(widestInk, points(ink.width));
    if (d == 0) {
      cells.ascent = pango_layout_get_baseline(layout.get());
      cells.descent = logical.height - cells.ascent;
    }
  }
  constexpr double inkRoom = 1.08;
  cells.cell = std::max(cells.advance[0], widestInk * inkRoom);
  return cache.emplace(k, cells).first->second;
}

void addDigitShapes(PangoAttrList* attrs, std::string_view text, const PangoFontDescription* font) {
  const DigitCells& cells = digitCells(font);
  PangoRectangle rect{0, -cells.ascent, pangoUnits(cells.cell), cells.ascent + cells.descent};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isDigit(text[i])) continue;
    const int d = text[i] - '0';
    DigitShapeData data{text[i], (cells.cell - cells.advance[d]) / 2,
                        const_cast<PangoFontDescription*>(font)};
    // The attribute takes the data as it is (and owns it); the copy function serves its copies.
    PangoAttribute* a = pango_attr_shape_new_with_data(&rect, &rect, copyDigitShape(&data), copyDigitShape,
                                                       destroyDigitShape);
    a->start_index = static_cast<guint>(i);
    a->end_index = static_cast<guint>(i + 1);
    pango_attr_list_insert(attrs, a);
  }
}

PangoAlignment pangoAlignment(layout::TextAlignment a) {
  switch (a) {
    case layout::TextAlignment::leading: return PANGO_ALIGN_LEFT;
    case layout::TextAlignment::center: return PANGO_ALIGN_CENTER;
    case layout::TextAlignment::trailing: return PANGO_ALIGN_RIGHT;
  }
  return PANGO_ALIGN_LEFT;
}

// Without a width Pango cannot ellipsize, and its line count is per paragraph: keep the first
// `limit` paragraphs and end the last one kept with "…".
bool cutParagraphs(std::string& text, int limit) {
  std::size_t pos = 0;
  for (int line = 1; line < limit; ++line) {
    pos = text.find('\n', pos);
    if (pos == std::string::npos) return false;
    ++pos;
  }
  const std::size_t end = text.find('\n', pos);
  if (end == std::string::npos) return false;
  text.erase(end);
  text += "\u2026";
  return true;
}

}  // namespace

void configureContext(PangoContext* context) {
  pango_cairo_context_set_resolution(context, 72);
  FontOptionsPtr options(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(context, options.get());
  pango_context_set_round_glyph_positions(context, FALSE);
  pango_cairo_context_set_shape_renderer(context, drawDigitShape, nullptr, nullptr);
  // The context's own font serves what a layout's attributes leave open (the ellipsis of a
  // text with no room at all); the text face, so that no other face is loaded for it.
  FontDescriptionPtr base(pango_font_description_from_string("Inter 12"));
  pango_context_set_font_description(context, base.get());
}

ContextPtr makeMeasuringContext() {
  ContextPtr context(pango_font_map_create_context(pango_cairo_font_map_get_default()));
  configureContext(context.get());
  return context;
}

FontDescriptionPtr fontDescription(const TextFont& font, double pointSize) {
  FontDescriptionPtr d(pango_font_description_new());
  pango_font_description_set_family(d.get(), familyName(font).c_str());
  // Cuts installed as families of their own carry the weight in the family name.
  const bool namedCut = font.family == FontFamily::rounded && familyName(font) != "Quicksand";
  pango_font_description_set_weight(d.get(), namedCut ? PANGO_WEIGHT_NORMAL : static_cast<PangoWeight>(font.weight));
  pango_font_description_set_absolute_size(d.get(), std::max(pointSize, 0.01) * PANGO_SCALE);
  return d;
}

namespace {

// Whether equal digits come from digit shapes (a face without tabular figures).
bool usesDigitShapes(const TextSpec& textSpec) {
  return textSpec.monospacedDigits && textSpec.font.family != FontFamily::text && textSpec.font.family != FontFamily::monospaced;
}

// One layout of `text` as asked, ellipsized by Pango when `ellipsize` is set.
LayoutPtr layoutOf(PangoContext* context, const TextSpec& textSpec, const std::string& text, bool ellipsize) {
  LayoutPtr layout(pango_layout_new(context));
  PangoLayout* l = layout.get();
  FontDescriptionPtr font = fontDescription(textSpec.font, textSpec.pointSize);
  pango_layout_set_font_description(l, font.get());
  pango_layout_set_text(l, text.c_str(), static_cast<int>(text.size()));
  pango_layout_set_alignment(l, pangoAlignment(textSpec.alignment));

  AttrListPtr attrs(pango_attr_list_new());
  if (textSpec.monospacedDigits && textSpec.font.family == FontFamily::text)
    pango_attr_list_insert(attrs.get(), pango_attr_font_features_new("tnum 1"));
  if (usesDigitShapes(textSpec)) addDigitShapes(attrs.get(), text, font.get());
  pango_layout_set_attributes(l, attrs.get());

  if (textSpec.maxWidth) {
    pango_layout_set_width(l, pangoUnits(std::max(*textSpec.maxWidth, 0.0)));
    pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
    if (ellipsize && textSpec.lineLimit) {
      pango_layout_set_ellipsize(l, PANGO_ELLIPSIZE_END);
      pango_layout_set_height(l, -std::max(*textSpec.lineLimit, 1));
    }
  }
  return layout;
}

bool fitsLimit(PangoLayout* layout, const TextSpec& textSpec) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return pango_layout_get_line_count(layout) <= std::max(*textSpec.lineLimit, 1) &&
         logical.width <= pangoUnits(std::max(*textSpec.maxWidth, 0.0));
}

// Pango would give the ellipsis of a text of digit shapes the shape of the digit it replaces,
// and then cannot make the line shorter; so such texts are cut here instead: the longest start,
// at a character boundary, that fits the line limit with "…" after it.
BuiltLayout cutWithEllipsis(PangoContext* context, const TextSpec& textSpec, const std::string& text) {
  BuiltLayout built;
  built.layout = layoutOf(context, textSpec, text, false);
  if (fitsLimit(built.layout.get(), textSpec)) return built;

  int count = 0;
  const PangoLogAttr* attrs = pango_layout_get_log_attrs_readonly(built.layout.get(), &count);
  std::vector<std::size_t> cuts;  // byte offsets of the character boundaries, in order
  const char* begin = text.c_str();
  const char* p = begin;
  for (int i = 0; i < count; ++i) {
    if (attrs[i].is_cursor_position) cuts.push_back(std::size_t(p - begin));
    if (*p == 0) break;
    p = g_utf8_next_char(p);
  }
  auto candidate = [&](std::size_t cut) {
    std::string t = text.substr(0, cut);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\n')) t.pop_back();
    return t + "\u2026";
  };
  // Between the empty start (just "…") and the whole text, which did not fit.
  std::size_t lo = 0, hi = cuts.empty() ? 0 : cuts.size() - 1;
  LayoutPtr best = layoutOf(context, textSpec, candidate(0), false);
  while (lo + 1 < hi) {
    const std::size_t mid = (lo + hi) / 2;
    LayoutPtr l = layoutOf(context, textSpec, candidate(cuts[mid]), false);
    if (fitsLimit(l.get(), textSpec)) { lo = mid; best = std::move(l); }
    else hi = mid;
  }
  built.layout = std::move(best);
  built.truncated = true;
  return built;
}

}  // namespace

BuiltLayout buildLayout(PangoContext* context, const TextSpec& textSpec) {
  std::string text(textSpec.text);
  bool cut = false;
  if (textSpec.lineLimit && !textSpec.maxWidth) cut = cutParagraphs(text, std::max(*textSpec.lineLimit, 1));
  if (usesDigitShapes(textSpec) && textSpec.maxWidth && textSpec.lineLimit) return cutWithEllipsis(context, textSpec, text);

  BuiltLayout built;
  built.layout = layoutOf(context, textSpec, text, true);
  built.truncated = cut || pango_layout_is_ellipsized(built.layout.get());
  return built;
}

layout::TextMeasure measure(const BuiltLayout& built) {
  PangoLayout* layout = built.layout.get();
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  layout::TextMeasure m;
  m.width = points(logical.width);
  m.height = points(logical.height);
  m.firstBaseline = points(pango_layout_get_baseline(layout) - logical.y);
  LayoutIterPtr iter(pango_layout_get_iter(layout));
  int last = pango_layout_iter_get_baseline(iter.get());
  while (pango_layout_iter_next_line(iter.get())) last = pango_layout_iter_get_baseline(iter.get());
  m.lastBaseline = points(last - logical.y);
  m.lineCount = pango_layout_get_line_count(layout);
  m.truncated = built.truncated;
  return m;
}

double leftOffset(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return points(logical.x);
}

}  // namespace render::detail

// Fontconfig keeps the patterns that Pango's font caches hold in a form LeakSanitizer cannot
// follow, and Cairo 1.16's SVG surface loses a snapshot record for every group drawn. Neither
// is ours to fix, and both would fail every program that draws text under the leak checker;
// this file is linked into every program that measures or draws, so it names them here. Weak,
// so that a program with suppressions of its own keeps them.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libcairo.so\n";
}
