#pragma once
// Today's charge history as a green line over a fading area, with the charge limit dashed.
#include <string_view>

#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {

struct HistoryChart {
  static constexpr std::string_view typeName = "HistoryChart";
  WidgetSnapshot s;
  ui::View body() const;
};

}  // namespace pellora
