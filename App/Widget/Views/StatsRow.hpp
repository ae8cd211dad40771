#pragma once
// One line of battery statistics: health, cycles, temperature and power draw.
#include <string>
#include <string_view>

#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {

struct Stat {
  static constexpr std::string_view typeName = "Stat";
  std::string icon;
  std::string text;
  ui::View body() const;
};

// Statistics the snapshot lacks are left out; the power draw is always shown.
struct StatsRow {
  static constexpr std::string_view typeName = "StatsRow";
  WidgetSnapshot s;
  ui::View body() const;
};

}  // namespace pellora
