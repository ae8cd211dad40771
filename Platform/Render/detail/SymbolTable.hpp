#pragma once
// How each known symbol is drawn: a glyph of the icon font (filled or outlined), or one of
// our own drawings. Private to the renderer.
#include <string_view>

namespace render::detail {

enum class SymbolArt {
  glyph,            // a Material Icons glyph, filled
  glyphOutline,     // the same glyph's outline, stroked
  battery,          // a horizontal battery filled to `level`
  batteryBolt,      // a full battery with a bolt cut into its fill
  batteryBlock,     // a battery block with a bolt cut out of it
  batteryBlockOutline,
  dashedApp,        // a dashed rounded square
};

struct SymbolDef {
  std::string_view name;
  SymbolArt art;
  char32_t codepoint = 0;  // glyph, glyphOutline
  double level = 0;        // battery: 0…1
  double width = 1.1;      // the box, in units of the point size
  double height = 1.1;
};

const SymbolDef* findSymbol(std::string_view name);

// The icon font's family, pinned: another icon font may use the same private-use codepoints.
inline constexpr const char* iconFamily = "Material Icons";

// The height of capitals of the text fonts, in units of the point size: symbols centre on it.
inline constexpr double capHeight = 0.72;

}  // namespace render::detail
