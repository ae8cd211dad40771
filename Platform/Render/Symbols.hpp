#pragma once
// The platform's symbol set, as far as widgets use it: which names exist and how big a symbol
// is beside text of a given font. Drawing happens in the backend.
#include <string_view>
#include <vector>

#include "Platform/Layout/Measurer.hpp"

namespace render {

// Whether `name` draws a glyph of its own; any other name draws the missing-symbol box.
bool isKnownSymbol(std::string_view name);
std::vector<std::string_view> knownSymbols();

// A symbol's box for text of `pointSize` points: about as tall as the text's capitals plus a
// little, never more than 1.2 × the point size either way, and a baseline that centres the
// symbol on the capitals of the text beside it.
layout::SymbolMeasure symbolBox(std::string_view name, double pointSize);

}  // namespace render
