#pragma once
// The applications using the most power, one row each with icon, name, draw and share bar.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {

// An application's icon from the icons folder, or a dashed symbol when there is none to show.
struct AppIconImage {
  static constexpr std::string_view typeName = "AppIconImage";
  std::optional<std::string> file;
  ui::View body() const;
};

// At most `limit` rows (a row count, not the charge limit), bars scaled to the largest shown.
struct AppRows {
  static constexpr std::string_view typeName = "AppRows";
  std::vector<WidgetSnapshot::App> apps;
  std::int64_t limit;
  ui::View body() const;
};

}  // namespace pellora
