#include "PelloraShared/WidgetSnapshot.hpp"

#include <cstdlib>
#include <memory>

#include <utf8proc.h>

namespace pellora {

namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

std::unique_ptr<unsigned char, FreeDeleter> nfc(std::string_view text) {
  // utf8proc_NFC wants a NUL-terminated string; a text with an embedded NUL is compared as is.
  const std::string copy(text);
  return std::unique_ptr<unsigned char, FreeDeleter>(
      utf8proc_NFC(reinterpret_cast<const utf8proc_uint8_t*>(copy.c_str())));
}

bool equalOptionalText(const std::optional<std::string>& a, const std::optional<std::string>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || canonicallyEqual(*a, *b);
}

}  // namespace

bool canonicallyEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (a.find('\0') != std::string_view::npos || b.find('\0') != std::string_view::npos) return false;
  const auto na = nfc(a);
  const auto nb = nfc(b);
  // Invalid UTF-8 has no normal form: such texts are equal only byte for byte (checked above).
  if (!na || !nb) return false;
  return std::string_view(reinterpret_cast<const char*>(na.get())) ==
         std::string_view(reinterpret_cast<const char*>(nb.get()));
}

bool WidgetSnapshot::App::operator==(const App& other) const {
  return canonicallyEqual(name, other.name) && watts == other.watts &&
         equalOptionalText(icon, other.icon);
}

bool WidgetSnapshot::operator==(const WidgetSnapshot& o) const {
  return updated == o.updated && percent == o.percent && mode == o.mode &&
         canonicallyEqual(status, o.status) && minutesLeft == o.minutesLeft && watts == o.watts &&
         limit == o.limit && topApps == o.topApps && health == o.health && cycles == o.cycles &&
         temperature == o.temperature && adapterWatts == o.adapterWatts &&
         equalOptionalText(insight, o.insight) && history == o.history;
}

std::string_view toString(WidgetSnapshot::Mode mode) {
  switch (mode) {
    case WidgetSnapshot::Mode::charging: return "charging";
    case WidgetSnapshot::Mode::onBattery: return "onBattery";
    case WidgetSnapshot::Mode::held: return "held";
    case WidgetSnapshot::Mode::full: return "full";
    case WidgetSnapshot::Mode::sailing: return "sailing";
  }
  return "charging";
}

std::optional<WidgetSnapshot::Mode> modeFromString(std::string_view text) {
  using Mode = WidgetSnapshot::Mode;
  for (Mode m : {Mode::charging, Mode::onBattery, Mode::held, Mode::full, Mode::sailing}) {
    if (toString(m) == text) return m;
  }
  return std::nullopt;
}

}  // namespace pellora
