#pragma once
// Fonts of the view toolkit: a text style with an optional weight, or the system font of a
// point size, weight and design.
#include <optional>

namespace ui {

enum class TextStyle {
  largeTitle, title, title2, title3, headline, subheadline, body, callout, footnote, caption, caption2
};
enum class Weight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };
enum class Design { standard, rounded, serif, monospaced };

struct Font {
  std::optional<TextStyle> style;  // a text style, or (when absent) the system font of `size`
  double size = 0;
  std::optional<Weight> weight;    // absent: the style's own weight (regular for all but headline)
  Design design = Design::standard;

  static Font textStyle(TextStyle s, std::optional<Weight> w = std::nullopt) {
    return Font{s, 0, w, Design::standard};
  }
  static Font system(double size, Weight w = Weight::regular, Design d = Design::standard) {
    return Font{std::nullopt, size, w, d};
  }
  Font withWeight(Weight w) const { Font f = *this; f.weight = w; return f; }

  // The size in points: the system font's own, or the text style's from the table.
  double pointSize() const;
  Weight resolvedWeight() const;

  bool operator==(const Font&) const = default;
};

// The one table of text-style sizes in points.
double pointSize(TextStyle style);
const char* name(TextStyle style);
const char* name(Weight weight);
const char* name(Design design);

}  // namespace ui
