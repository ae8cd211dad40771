#pragma once
// Owning handles for Cairo and Pango objects, and a scope that saves and restores Cairo's
// drawing state. Private to the renderer.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace render::detail {

struct CairoDeleter {
  void operator()(cairo_t* p) const { cairo_destroy(p); }
  void operator()(cairo_surface_t* p) const { cairo_surface_destroy(p); }
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
  void operator()(cairo_font_options_t* p) const { cairo_font_options_destroy(p); }
  void operator()(PangoFontDescription* p) const { pango_font_description_free(p); }
  void operator()(PangoAttrList* p) const { pango_attr_list_unref(p); }
  void operator()(PangoLayoutIter* p) const { pango_layout_iter_free(p); }
  void operator()(PangoFontMetrics* p) const { pango_font_metrics_unref(p); }
};
struct GObjectDeleter {
  void operator()(gpointer p) const { if (p) g_object_unref(p); }
};

using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoDeleter>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, CairoDeleter>;
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, CairoDeleter>;
using AttrListPtr = std::unique_ptr<PangoAttrList, CairoDeleter>;
using LayoutIterPtr = std::unique_ptr<PangoLayoutIter, CairoDeleter>;
using FontMetricsPtr = std::unique_ptr<PangoFontMetrics, CairoDeleter>;
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;
using ContextPtr = std::unique_ptr<PangoContext, GObjectDeleter>;
using FontPtr = std::unique_ptr<PangoFont, GObjectDeleter>;

// cairo_save on entry, cairo_restore on every way out.
class SavedState {
 public:
  explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~SavedState() { cairo_restore(cr_); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  cairo_t* cr_;
};

}  // namespace render::detail
