#pragma once
// From a laid-out frame tree to a display list: every node drawn at its frame, with its styles
// resolved from the environment in force there.
#include <optional>
#include <string>

#include "Platform/Layout/LayoutTree.hpp"
#include "Platform/Render/DisplayList.hpp"
#include "Platform/Render/HourLabels.hpp"

namespace render {

struct FrameDrawOptions {
  double pixelsPerPoint = 2;     // for thinning chart series to the output's pixel columns
  std::string locale = userTimeLocale();  // of chart hour labels, in the process's time zone
};

struct DrawnFrames {
  DisplayList list;
  // The container background that the tree set (the first, outermost one), for the tile.
  std::optional<ui::ShapeStyle> containerBackground;
};

// `measurer` must be the one the tree was laid out with (charts measure their labels with it).
DrawnFrames drawFrames(const layout::LayoutNode& root, const layout::Measurer& measurer,
                       const FrameDrawOptions& options = {});

}  // namespace render
