#pragma once
// A control as the system's control surfaces show one: a rounded tile holding a round well
// with the control's symbol, and beside it the title and the value label. A toggle's well is
// its switch: tinted with the accent colour and a white symbol when on, neutral when off. A
// button's well is always neutral.
#include <filesystem>
#include <optional>
#include <string>

#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/Backend.hpp"
#include "Platform/Render/DisplayList.hpp"
#include "Platform/UI/Geometry.hpp"
#include "Platform/UI/Style.hpp"

namespace render {

struct ControlTile {
  std::string symbol;        // a name of the platform's symbol set
  std::string title;
  std::string valueLabel;    // the line below the title; empty: the title stands alone
  std::optional<bool> isOn;  // a toggle's state; absent: a button, which shows no state
};

struct ControlTileRendering {
  ui::ColorScheme scheme = ui::ColorScheme::light;
  Format format = Format::png;
  double scale = 2;  // PNG pixels per point
};

// Where the parts of a control tile lie in its picture, in points. The same for every
// control, so that tiles line up side by side.
struct ControlTileGeometry {
  ui::Size canvas;  // the whole picture: the tile on a margin of desktop backdrop
  ui::Rect tile;
  ui::Rect well;    // the round symbol well, the toggle's switch
  ui::Rect text;    // the column for the title and the value label
};
ControlTileGeometry controlTileGeometry();

// The tile's drawing, its texts measured with `measurer` (the renderer's own for pictures).
DisplayList controlTileDisplayList(const ControlTile& tile, ui::ColorScheme scheme,
                                   const layout::Measurer& measurer);

// The tile drawn with Pango's measuring: the file's bytes, or the file written atomically.
std::string renderControlTile(const ControlTile& tile, const ControlTileRendering& rendering);
void renderControlTileToFile(const ControlTile& tile, const ControlTileRendering& rendering,
                             const std::filesystem::path& target);

}  // namespace render
