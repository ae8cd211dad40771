#pragma once
// Which face draws a text: a family role and a weight. The roles map to installed families in
// one place (Fonts.cpp), so display lists stay free of font file names.
#include <string>

#include "Platform/UI/Font.hpp"

namespace render {

enum class FontFamily { text, rounded, monospaced, serif };

struct TextFont {
  FontFamily family = FontFamily::text;
  int weight = 400;  // CSS/OpenType scale: 100 thin … 400 regular … 700 bold … 900 black
  bool operator==(const TextFont&) const = default;
};

// The face and point size of a toolkit font.
TextFont textFont(const ui::Font& font);
int weightValue(ui::Weight weight);

// The installed family that draws a face (for Pango's font description).
std::string familyName(const TextFont& font);

std::string describe(const TextFont& font);

}  // namespace render
