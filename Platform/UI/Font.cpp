#include "Platform/UI/Font.hpp"

namespace ui {

namespace {
struct StyleRow {
  TextStyle style;
  const char* name;
  double size;
  Weight weight;
};
// The text styles: their sizes in points and their own weights.
constexpr StyleRow styleTable[] = {
    {TextStyle::largeTitle, "largeTitle", 26, Weight::regular},
    {TextStyle::title, "title", 22, Weight::regular},
    {TextStyle::title2, "title2", 17, Weight::regular},
    {TextStyle::title3, "title3", 15, Weight::regular},
    {TextStyle::headline, "headline", 13, Weight::semibold},
    {TextStyle::subheadline, "subheadline", 11, Weight::regular},
    {TextStyle::body, "body", 13, Weight::regular},
    {TextStyle::callout, "callout", 12, Weight::regular},
    {TextStyle::footnote, "footnote", 10, Weight::regular},
    {TextStyle::caption, "caption", 10, Weight::regular},
    {TextStyle::caption2, "caption2", 10, Weight::regular},
};

const StyleRow& row(TextStyle style) {
  for (const auto& r : styleTable)
    if (r.style == style) return r;
  return styleTable[6];  // body
}
}  // namespace

double pointSize(TextStyle style) { return row(style).size; }

double Font::pointSize() const { return style ? ui::pointSize(*style) : size; }

Weight Font::resolvedWeight() const {
  if (weight) return *weight;
  return style ? row(*style).weight : Weight::regular;
}

const char* name(TextStyle style) { return row(style).name; }

const char* name(Weight weight) {
  switch (weight) {
    case Weight::ultraLight: return "ultraLight";
    case Weight::thin: return "thin";
    case Weight::light: return "light";
    case Weight::regular: return "regular";
    case Weight::medium: return "medium";
    case Weight::semibold: return "semibold";
    case Weight::bold: return "bold";
    case Weight::heavy: return "heavy";
    case Weight::black: return "black";
  }
  return "regular";
}

const char* name(Design design) {
  switch (design) {
    case Design::standard: return "default";
    case Design::rounded: return "rounded";
    case Design::serif: return "serif";
    case Design::monospaced: return "monospaced";
  }
  return "default";
}

}  // namespace ui
