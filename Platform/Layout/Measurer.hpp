#pragma once
// How layout learns the size of texts and symbols. The renderer measures with Pango; layout
// tests use a deterministic measurer.
#include <optional>
#include <string_view>

#include "Platform/UI/Font.hpp"

namespace layout {

enum class TextAlignment { leading, center, trailing };

struct TextRequest {
  std::string_view text;
  ui::Font font;
  bool monospacedDigits = false;       // every digit as wide as the widest one
  std::optional<double> maxWidth;      // absent: one unwrapped line per paragraph
  std::optional<int> lineLimit;        // absent: no limit
  double scale = 1.0;                  // the font's size is multiplied by this (minimum scale factor)
  TextAlignment alignment = TextAlignment::leading;
};

struct TextMeasure {
  double width = 0;           // of the widest laid-out line, at most maxWidth when it is given
  double height = 0;          // of all laid-out lines
  double firstBaseline = 0;   // from the top of the first line
  double lastBaseline = 0;    // from the top of the first line to the last line's baseline
  int lineCount = 0;          // lines shown
  bool truncated = false;     // text was cut (line limit or width) and ends in "…"
};

struct SymbolMeasure {
  double width = 0;
  double height = 0;
  double baseline = 0;  // from the top, so symbols align with the text beside them
};

class Measurer {
 public:
  virtual ~Measurer() = default;
  // Lays the text out as the renderer will draw it: wrapping at word boundaries within
  // maxWidth, cutting at lineLimit lines with a trailing "…", or at maxWidth on one line when
  // lineLimit is 1.
  virtual TextMeasure measureText(const TextRequest& request) const = 0;
  // A symbol image's size, which follows its font as a glyph does.
  virtual SymbolMeasure measureSymbol(std::string_view systemName, const ui::Font& font) const = 0;
};

}  // namespace layout
