#pragma once
// The three layouts of the battery widget, and its root view that picks one.
#include <string_view>

#include "App/Widget/Entry.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {

// Mode at the top; charge, bar, time line and power draw at the bottom.
struct SmallView {
  static constexpr std::string_view typeName = "SmallView";
  Entry entry;
  WidgetSnapshot s;
  ui::View body() const;
};

// The small layout at a fixed width on the left; applications and statistics on the right.
struct MediumView {
  static constexpr std::string_view typeName = "MediumView";
  Entry entry;
  WidgetSnapshot s;
  ui::View body() const;
};

// Header, bar, history chart, insight banner, applications and statistics.
struct LargeView {
  static constexpr std::string_view typeName = "LargeView";
  Entry entry;
  WidgetSnapshot s;
  ui::View body() const;
};

// What the widget shows before the application has written a snapshot.
struct EmptyStateView {
  static constexpr std::string_view typeName = "EmptyStateView";
  ui::View body() const;
};

// The root view for one entry: the layout for the widget's family (read from the environment),
// dimmed when its snapshot is more than two hours old, on the widget's container background.
struct PelloraWidgetView {
  static constexpr std::string_view typeName = "PelloraWidgetView";
  Entry entry;
  ui::View body() const;
};

// Seconds after which a snapshot counts as stale and the content is dimmed.
inline constexpr double staleAfterSeconds = 7200;

}  // namespace pellora
