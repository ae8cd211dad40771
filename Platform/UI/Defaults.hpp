#pragma once
// The toolkit's default lengths, in one place.

namespace ui {

// Between the children of a stack whose spacing is left to the toolkit.
inline constexpr double defaultSpacing = 8;
// The minimum length of a spacer whose minimum is left to the toolkit.
inline constexpr double defaultSpacerMinLength = 8;
// padding() without a length.
inline constexpr double defaultPadding = 16;

}  // namespace ui
