#pragma once
// A deterministic measurer for tests: every character (code point) is 0.5 × the font size
// wide, a line 1.2 × the size high, the baseline 0.9 × the size below a line's top. Texts wrap
// at spaces (a word wider than the line breaks anywhere), are cut at the line limit or, on one
// line, at the width, ending in "…"; a cut line reports the whole width as its width, as Pango
// does. A symbol is a square of the font size with its baseline at 0.9 × the size.
#include "Platform/Layout/Measurer.hpp"

namespace layout {

class TestMeasurer : public Measurer {
 public:
  static constexpr double advance = 0.5;
  static constexpr double lineHeight = 1.2;
  static constexpr double baseline = 0.9;

  TextMeasure measureText(const TextRequest& request) const override;
  SymbolMeasure measureSymbol(std::string_view systemName, const ui::Font& font) const override;
};

}  // namespace layout
