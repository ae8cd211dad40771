#pragma once
// C-style formats, as localizable texts use them: "%lld", "%d", "%@", "%.1f", "%%", with
// optional flags, width, precision and positional arguments ("%1$@"). Numbers are written in
// the C locale, whatever the user's locale.
#include <string>
#include <string_view>
#include <vector>

#include "Platform/UI/View.hpp"

namespace ui {

// Substitutes `arguments` into `format`. An argument of another kind than its placeholder asks
// for is converted (an integer for %f, a number truncated for %d, a text shown for either);
// a placeholder without an argument is left out; an unknown conversion is copied unchanged.
std::string formatC(std::string_view format, const std::vector<FormatArgument>& arguments);

}  // namespace ui
