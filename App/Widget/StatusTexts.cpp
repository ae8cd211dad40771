#include "App/Widget/StatusTexts.hpp"

#include <charconv>

namespace pellora {
namespace {

using Mode = WidgetSnapshot::Mode;

// A limit above 99 means charging to full.
bool chargesToFull(std::int64_t limit) { return limit > 99; }

std::string batteryLevelSymbol(std::int64_t percent) {
  if (percent <= 12) return "battery.0percent";
  if (percent <= 37) return "battery.25percent";
  if (percent <= 62) return "battery.50percent";
  if (percent <= 87) return "battery.75percent";
  return "battery.100percent";
}

// The printf "%.<decimals>f" form of a double, without the locale.
std::string fixed(double value, int decimals) {
  char buffer[400];  // the largest double has 309 integer digits
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return ec == std::errc{} ? std::string(buffer, end) : std::string();
}

}  // namespace

std::string symbol(const WidgetSnapshot& s) {
  switch (s.mode) {
    case Mode::charging: return "bolt.fill";
    case Mode::onBattery: return batteryLevelSymbol(s.percent);
    case Mode::held: return "pause.fill";
    case Mode::full: return "checkmark";
    case Mode::sailing: return "pause.fill";
  }
  return "questionmark";
}

std::string modeTitle(const WidgetSnapshot& s) {
  switch (s.mode) {
    case Mode::charging: return "Charging";
    case Mode::onBattery: return "On battery";
    case Mode::held:
      return chargesToFull(s.limit) ? "Not charging" : "Held at " + std::to_string(s.limit) + "%";
    case Mode::full: return "Charged";
    case Mode::sailing: return "Paused at limit";
  }
  return "";
}

std::string timeLine(const WidgetSnapshot& s) {
  switch (s.mode) {
    case Mode::held:
    case Mode::full:
    case Mode::sailing:
      return "On power adapter";
    case Mode::charging:
      if (!s.minutesLeft) return "Estimating\u2026";
      if (chargesToFull(s.limit)) return "Full in " + duration(*s.minutesLeft);
      return std::to_string(s.limit) + "% in " + duration(*s.minutesLeft);
    case Mode::onBattery:
      if (!s.minutesLeft) return "Estimating\u2026";
      return duration(*s.minutesLeft) + " left";
  }
  return "";
}

std::string duration(std::int64_t minutes) {
  if (minutes < 60) return std::to_string(minutes) + "m";
  return std::to_string(minutes / 60) + "h " + std::to_string(minutes % 60) + "m";
}

std::string watts(std::optional<double> w) {
  if (!w) return "\u2014";
  // Chosen on the unrounded value; NaN compares false and takes the whole-number form.
  return fixed(*w, *w < 10.0 ? 1 : 0) + " W";
}

}  // namespace pellora
