#include "Platform/Render/Symbols.hpp"

#include <algorithm>
#include <array>

#include "Platform/Render/detail/SymbolTable.hpp"

namespace render {

namespace detail {
namespace {

// Codepoints from the icon font's name list (material-design-icons.css): bolt e a0b,
// check e5ca, pause e034, favorite e87d, sync e627, device_thermostat e1ff, lightbulb e0f0,
// speed e9e4.
constexpr double batteryWidth = 1.2, batteryHeight = 0.6;
constexpr std::array table{
    SymbolDef{"bolt.fill", SymbolArt::glyph, 0xEA0B},
    SymbolDef{"bolt", SymbolArt::glyphOutline, 0xEA0B},
    SymbolDef{"battery.0percent", SymbolArt::battery, 0, 0.0, batteryWidth, batteryHeight},
    SymbolDef{"battery.25percent", SymbolArt::battery, 0, 0.25, batteryWidth, batteryHeight},
    SymbolDef{"battery.50percent", SymbolArt::battery, 0, 0.5, batteryWidth, batteryHeight},
    SymbolDef{"battery.75percent", SymbolArt::battery, 0, 0.75, batteryWidth, batteryHeight},
    SymbolDef{"battery.100percent", SymbolArt::battery, 0, 1.0, batteryWidth, batteryHeight},
    SymbolDef{"battery.100percent.bolt", SymbolArt::batteryBolt, 0, 1.0, batteryWidth, batteryHeight},
    SymbolDef{"pause.fill", SymbolArt::glyph, 0xE034},
    SymbolDef{"checkmark", SymbolArt::glyph, 0xE5CA},
    SymbolDef{"app.dashed", SymbolArt::dashedApp},
    SymbolDef{"heart.fill", SymbolArt::glyph, 0xE87D},
    SymbolDef{"arrow.triangle.2.circlepath", SymbolArt::glyph, 0xE627},
    SymbolDef{"thermometer.medium", SymbolArt::glyph, 0xE1FF},
    SymbolDef{"lightbulb.fill", SymbolArt::glyph, 0xE0F0},
    SymbolDef{"bolt.batteryblock.fill", SymbolArt::batteryBlock, 0, 0, 1.2, 0.95},
    SymbolDef{"bolt.batteryblock", SymbolArt::batteryBlockOutline, 0, 0, 1.2, 0.95},
    SymbolDef{"gauge.with.dots.needle.33percent", SymbolArt::glyph, 0xE9E4},
};

}  // namespace

const SymbolDef* findSymbol(std::string_view name) {
  for (const auto& d : table)
    if (d.name == name) return &d;
  return nullptr;
}

}  // namespace detail

bool isKnownSymbol(std::string_view name) { return detail::findSymbol(name) != nullptr; }

std::vector<std::string_view> knownSymbols() {
  std::vector<std::string_view> names;
  for (const auto& d : detail::table) names.push_back(d.name);
  return names;
}

layout::SymbolMeasure symbolBox(std::string_view name, double pointSize) {
  const detail::SymbolDef* def = detail::findSymbol(name);
  // The missing-symbol box is as big as an ordinary glyph.
  const double w = def ? def->width : 1.1, h = def ? def->height : 1.1;
  pointSize = std::max(pointSize, 0.0);
  layout::SymbolMeasure m;
  m.width = w * pointSize;
  m.height = h * pointSize;
  m.baseline = m.height / 2 + detail::capHeight / 2 * pointSize;
  return m;
}

}  // namespace render
