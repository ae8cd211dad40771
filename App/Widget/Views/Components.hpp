#pragma once
// The small views the layouts are built from: the mode label, the big percent and the level bar.
#include <cstdint>
#include <string_view>

#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {

// The charging mode's symbol and title on one line, in the mode's colour.
struct ModeLabel {
  static constexpr std::string_view typeName = "ModeLabel";
  WidgetSnapshot s;
  ui::View body() const;
};

// The charge as a large number with a "%" half its size beside it.
struct BigPercent {
  static constexpr std::string_view typeName = "BigPercent";
  std::int64_t percent;
  double size;
  ui::View body() const;
};

// A thin capsule filled from the left with the charge, with a marker at the charge limit.
struct LevelBar {
  static constexpr std::string_view typeName = "LevelBar";
  std::int64_t percent;
  std::int64_t limit;
  ui::Color tint;
  ui::View body() const;
};

}  // namespace pellora
