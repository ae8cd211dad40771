#pragma once
// When the host asks a provider for its next timeline.
#include <optional>
#include <string_view>

#include "Platform/Foundation/Date.hpp"

namespace wk {

class TimelineReloadPolicy {
 public:
  enum class Kind { atEnd, after, never };

  // Once the last entry's date has passed.
  static const TimelineReloadPolicy atEnd;
  // Never of its own accord (only when asked to reload).
  static const TimelineReloadPolicy never;
  // At `date`.
  static TimelineReloadPolicy after(fnd::Date date) { return {Kind::after, date}; }

  Kind kind() const { return kind_; }
  // The date of an `after` policy.
  std::optional<fnd::Date> date() const { return date_; }

  bool operator==(const TimelineReloadPolicy&) const = default;

 private:
  constexpr TimelineReloadPolicy(Kind kind, std::optional<fnd::Date> date)
      : kind_(kind), date_(date) {}
  Kind kind_;
  std::optional<fnd::Date> date_;
};

inline constexpr TimelineReloadPolicy TimelineReloadPolicy::atEnd{Kind::atEnd, std::nullopt};
inline constexpr TimelineReloadPolicy TimelineReloadPolicy::never{Kind::never, std::nullopt};

// "atEnd", "after", "never".
std::string_view toString(TimelineReloadPolicy::Kind kind);

}  // namespace wk
