#include "Platform/Render/ControlTile.hpp"

#include "Platform/Render/Palette.hpp"
#include "Platform/Render/PangoMeasurer.hpp"
#include "Platform/Render/TextFont.hpp"

namespace render {

namespace {

// The look of a two-column control module, in points.
constexpr double backdropMargin = 20;
constexpr double tileWidth = 188, tileHeight = 68;
constexpr double tileCornerRadius = 20;  // continuous corners
constexpr double inset = 14;             // between the tile's edge and the well or the text
constexpr double wellDiameter = 40;
constexpr double wellToText = 10;
constexpr double titleToValue = 1;

const ui::Font symbolFont = ui::Font::system(18, ui::Weight::semibold);
const ui::Font titleFont = ui::Font::system(13, ui::Weight::semibold);
const ui::Font valueFont = ui::Font::system(11, ui::Weight::regular);

// One line, cut with "…" where the column ends.
layout::TextRequest lineRequest(const std::string& text, const ui::Font& font, double width) {
  layout::TextRequest r;
  r.text = text;
  r.font = font;
  r.maxWidth = width;
  r.lineLimit = 1;
  return r;
}

TextCommand lineCommand(const layout::TextRequest& r, Paint paint, ui::Point origin) {
  TextCommand c;
  c.text = std::string(r.text);
  c.font = textFont(r.font);
  c.size = r.font.pointSize();
  c.paint = std::move(paint);
  c.origin = origin;
  c.maxWidth = r.maxWidth;
  c.lineLimit = r.lineLimit;
  return c;
}

}  // namespace

ControlTileGeometry controlTileGeometry() {
  ControlTileGeometry g;
  g.canvas = {tileWidth + 2 * backdropMargin, tileHeight + 2 * backdropMargin};
  g.tile = {backdropMargin, backdropMargin, tileWidth, tileHeight};
  g.well = {g.tile.x + inset, g.tile.midY() - wellDiameter / 2, wellDiameter, wellDiameter};
  const double textX = g.well.maxX() + wellToText;
  g.text = {textX, g.tile.y + inset, g.tile.maxX() - inset - textX, tileHeight - 2 * inset};
  return g;
}

DisplayList controlTileDisplayList(const ControlTile& tile, ui::ColorScheme scheme,
                                   const layout::Measurer& measurer) {
  const ControlTileGeometry g = controlTileGeometry();
  const bool on = tile.isOn.value_or(false);
  DisplayList list;

  // 1. Desktop, then the tile in the tone of a widget's background.
  list.fill(Shape::rectangle({0, 0, g.canvas.width, g.canvas.height}), Paint::solid(backdrop(scheme)));
  list.fill(Shape::rounded(g.tile, tileCornerRadius, CornerStyle::continuous),
            containerBackground(ui::ShapeStyle(ui::Color::fill(ui::Level::tertiary)), scheme, g.tile));

  // 2. The well: the accent colour when a toggle is on, a neutral fill otherwise.
  const RGBA wellColor = on ? resolve(ui::Color::blue(), scheme) : resolve(ui::Color::fill(ui::Level::primary), scheme);
  list.fill(Shape::ellipse(g.well), Paint::solid(wellColor));

  // 3. The symbol, centred in the well; white on the accent colour.
  const layout::SymbolMeasure box = measurer.measureSymbol(tile.symbol, symbolFont);
  const RGBA symbolColor = on ? RGBA{1, 1, 1, 1} : resolve(ui::Color::primary(), scheme);
  list.add(SymbolCommand{tile.symbol, symbolFont.pointSize(), weightValue(ui::Weight::semibold),
                         Paint::solid(symbolColor),
                         {g.well.midX() - box.width / 2, g.well.midY() - box.height / 2, box.width, box.height}});

  // 4. Title over value label, the pair centred on the tile's middle; a button's title alone.
  const layout::TextRequest title = lineRequest(tile.title, titleFont, g.text.width);
  const layout::TextRequest value = lineRequest(tile.valueLabel, valueFont, g.text.width);
  const layout::TextMeasure titleSize = measurer.measureText(title);
  const bool hasValue = !tile.valueLabel.empty();
  const layout::TextMeasure valueSize = hasValue ? measurer.measureText(value) : layout::TextMeasure{};
  const double block = titleSize.height + (hasValue ? titleToValue + valueSize.height : 0);
  const double top = g.tile.midY() - block / 2;
  list.add(lineCommand(title, Paint::solid(resolve(ui::Color::primary(), scheme)), {g.text.x, top}));
  if (hasValue) {
    list.add(lineCommand(value, Paint::solid(resolve(ui::Color::secondary(), scheme)),
                         {g.text.x, top + titleSize.height + titleToValue}));
  }
  return list;
}

std::string renderControlTile(const ControlTile& tile, const ControlTileRendering& rendering) {
  const PangoMeasurer measurer;
  return renderToBytes(controlTileDisplayList(tile, rendering.scheme, measurer),
                       Canvas{controlTileGeometry().canvas, rendering.scale}, rendering.format);
}

void renderControlTileToFile(const ControlTile& tile, const ControlTileRendering& rendering,
                             const std::filesystem::path& target) {
  const PangoMeasurer measurer;
  renderToFile(controlTileDisplayList(tile, rendering.scheme, measurer),
               Canvas{controlTileGeometry().canvas, rendering.scale}, rendering.format, target);
}

}  // namespace render
