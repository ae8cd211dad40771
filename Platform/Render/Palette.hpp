#pragma once
// The one table of the platform's colours in light and dark appearance, and how the toolkit's
// colours and shape styles become concrete colours and paints.
#include "Platform/Render/Paint.hpp"
#include "Platform/UI/Geometry.hpp"
#include "Platform/UI/Style.hpp"

namespace render {

// A colour of the toolkit, in the given appearance. Its opacity multiplies the table's alpha.
RGBA resolve(const ui::Color& color, ui::ColorScheme scheme);

// A colour's standard gradient: a slightly lighter tint at the top, the colour at the bottom.
Paint standardGradient(RGBA color, const ui::Rect& bounds);

// A shape style as the paint of a shape with the given bounds (gradients span the bounds).
Paint resolvePaint(const ui::ShapeStyle& style, ui::ColorScheme scheme, const ui::Rect& bounds);

// A widget's container background: an opaque tile colour. The fill levels give the tones of
// the platform's widget backgrounds (tertiary: the usual one); other styles resolve as usual,
// laid over the plain tile tone.
Paint containerBackground(const ui::ShapeStyle& style, ui::ColorScheme scheme, const ui::Rect& bounds);

// The desktop around a tile.
RGBA backdrop(ui::ColorScheme scheme);

// `top` laid over `bottom` (source-over), both straight (not premultiplied) alpha.
RGBA composite(RGBA top, RGBA bottom);

}  // namespace render
