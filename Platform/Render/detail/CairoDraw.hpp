#pragma once
// Drawing display-list pieces onto a Cairo context. Private to the renderer.
#include "Platform/Render/DisplayList.hpp"
#include "Platform/Render/detail/CairoHandles.hpp"

namespace render::detail {

void setPaint(cairo_t* cr, const Paint& paint);
void addPath(cairo_t* cr, const Path& path);
void addShape(cairo_t* cr, const Shape& shape);

void drawText(cairo_t* cr, const TextCommand& text);
void drawSymbol(cairo_t* cr, const SymbolCommand& symbol);
void drawImage(cairo_t* cr, const ImageCommand& image);

// The whole list; groups and clips left open at the end are closed.
void drawList(cairo_t* cr, const DisplayList& list);

}  // namespace render::detail
