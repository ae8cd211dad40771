#include "App/Widget/Views/StatsRow.hpp"

#include <cmath>
#include <optional>

#include "App/Widget/StatusTexts.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

View Stat::body() const {
  return HStack(VerticalAlignment::center, 3,
                {
                    Image::system(icon).font(Font::textStyle(TextStyle::caption2)),
                    Text::verbatim(text).font(Font::textStyle(TextStyle::caption2)).monospacedDigit(),
                })
      .foregroundStyle(Color::secondary())
      .lineLimit(1);
}

namespace {

// A value rounded half away from zero, as decimal digits; nothing when it has no whole-number
// form (a value no battery reports, which is then left out of the row).
std::optional<std::string> rounded(double value) {
  const double r = std::round(value);
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return std::nullopt;
  return std::to_string(static_cast<long long>(r));
}

}  // namespace

View StatsRow::body() const {
  std::vector<View> stats;
  if (s.health) {
    if (auto v = rounded(*s.health * 100)) stats.push_back(Stat{"heart.fill", *v + "%"});
  }
  if (s.cycles) stats.push_back(Stat{"arrow.triangle.2.circlepath", std::to_string(*s.cycles)});
  if (s.temperature) {
    if (auto v = rounded(*s.temperature)) stats.push_back(Stat{"thermometer.medium", *v + "\u00B0"});
  }
  stats.push_back(Stat{"bolt", watts(s.watts)});
  return HStack(VerticalAlignment::center, 10, std::move(stats));
}

}  // namespace pellora
