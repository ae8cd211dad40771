#include "Platform/Render/TextFont.hpp"

namespace render {

int weightValue(ui::Weight weight) {
  switch (weight) {
    case ui::Weight::ultraLight: return 100;
    case ui::Weight::thin: return 200;
    case ui::Weight::light: return 300;
    case ui::Weight::regular: return 400;
    case ui::Weight::medium: return 500;
    case ui::Weight::semibold: return 600;
    case ui::Weight::bold: return 700;
    case ui::Weight::heavy: return 800;
    case ui::Weight::black: return 900;
  }
  return 400;
}

TextFont textFont(const ui::Font& font) {
  FontFamily family = FontFamily::text;
  switch (font.design) {
    case ui::Design::standard: family = FontFamily::text; break;
    case ui::Design::rounded: family = FontFamily::rounded; break;
    case ui::Design::monospaced: family = FontFamily::monospaced; break;
    case ui::Design::serif: family = FontFamily::serif; break;
  }
  return TextFont{family, weightValue(font.resolvedWeight())};
}

std::string familyName(const TextFont& font) {
  switch (font.family) {
    case FontFamily::text: return "Inter";
    case FontFamily::rounded:
      // Debian's Quicksand installs its Light and Medium cuts as families of their own; the
      // semibold and heavier weights take the Bold cut.
      if (font.weight < 350) return "Quicksand Light";
      if (font.weight >= 450 && font.weight < 550) return "Quicksand Medium";
      return "Quicksand";
    case FontFamily::monospaced: return "DejaVu Sans Mono";
    case FontFamily::serif: return "DejaVu Serif";
  }
  return "Inter";
}

std::string describe(const TextFont& font) {
  const char* role = "text";
  switch (font.family) {
    case FontFamily::text: role = "text"; break;
    case FontFamily::rounded: role = "rounded"; break;
    case FontFamily::monospaced: role = "monospaced"; break;
    case FontFamily::serif: role = "serif"; break;
  }
  return std::string(role) + " " + std::to_string(font.weight);
}

}  // namespace render
