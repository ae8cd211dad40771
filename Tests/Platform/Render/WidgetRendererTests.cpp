#include <gtest/gtest.h>

#include "PixelProbe.hpp"
#include "Platform/Render/Palette.hpp"
#include "Platform/Render/PangoMeasurer.hpp"
#include "Platform/Render/WidgetRenderer.hpp"
#include "Platform/UI/UI.hpp"
#include "Platform/WidgetKit/ContainerBackground.hpp"

namespace render {
namespace {

using testing::Pixel;
using ui::Color;
using ui::ColorScheme;
using wk::WidgetFamily;

Pixel pixelOf(RGBA c) { return {int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5), int(c.a * 255 + 0.5)}; }

// A progress bar: a track and a fill from the leading edge, as capsules.
ui::View progressBar(double fraction, Color tint) {
  return ui::GeometryReader([=](const ui::GeometryProxy& g) {
           return ui::ZStack(ui::Alignment::leading(),
                             {ui::Capsule(ui::RoundedCornerStyle::continuous).fill(Color::quaternary()),
                              ui::Capsule(ui::RoundedCornerStyle::continuous)
                                  .fill(ui::ShapeStyle::standardGradient(tint))
                                  .frame(std::max(g.size.width * fraction, 5.0), g.size.height)});
         })
      .frame(std::nullopt, 6);
}

// A small status widget of the kind a host shows, built from toolkit primitives only.
ui::View statusWidget(const char* symbol, const char* detail) {
  using ui::Font;
  using ui::TextStyle;
  using ui::Weight;
  const ui::View label = ui::HStack(4, {ui::Image::system(symbol).font(Font::textStyle(TextStyle::caption2, Weight::bold)),
                                        ui::Text::verbatim("Syncing").font(Font::textStyle(TextStyle::caption, Weight::semibold))
                                            .lineLimit(1)})
                             .foregroundStyle(Color::green());
  const ui::View number =
      ui::HStack(ui::VerticalAlignment::firstTextBaseline, 1,
                 {ui::Text::verbatim("72").font(Font::system(40, Weight::semibold, ui::Design::rounded)).monospacedDigit(),
                  ui::Text::verbatim("%").font(Font::system(20, Weight::semibold, ui::Design::rounded))
                      .foregroundStyle(Color::secondary())});
  return ui::VStack(ui::HorizontalAlignment::leading, 0,
                    {label, ui::Spacer(0), number, progressBar(0.72, Color::green()).padding(ui::EdgeSet::vertical(), 6),
                     ui::Text::verbatim(detail).font(Font::textStyle(TextStyle::callout, Weight::medium)).lineLimit(1)
                         .minimumScaleFactor(0.8),
                     ui::Text::verbatim("Rate 6.4 MB/s").font(Font::textStyle(TextStyle::caption))
                         .foregroundStyle(Color::secondary())})
      .frame(ui::FlexibleFrame{std::nullopt, std::nullopt, ui::infinity, std::nullopt, std::nullopt, ui::infinity,
                               ui::Alignment::leading()})
      .containerBackground(Color::fill(ui::Level::tertiary), wk::widgetBackgroundPlacement());
}

WidgetRendering rendering(WidgetFamily family, ColorScheme scheme, Format format = Format::png) {
  WidgetRendering r;
  r.family = family;
  r.scheme = scheme;
  r.format = format;
  r.locale = "en_US";
  return r;
}

struct LookCase {
  const char* name;
  WidgetFamily family;
  ColorScheme scheme;
};

class RenderWidget : public ::testing::TestWithParam<LookCase> {};

TEST_P(RenderWidget, DrawsTheTileAndItsContent) {
  const auto& c = GetParam();
  const ui::View view = statusWidget("arrow.triangle.2.circlepath", "3h 10m to go, then some more words");
  const WidgetRendering r = rendering(c.family, c.scheme);
  const std::string png = renderWidget(view, r);
  const testing::Pixels px(png, 2);
  const ui::Size canvas = widgetCanvas(r);
  EXPECT_EQ(px.width(), int(canvas.width * 2));
  EXPECT_EQ(px.height(), int(canvas.height * 2));

  const RGBA tone = containerBackground(Color::fill(ui::Level::tertiary), c.scheme, {}).color;
  EXPECT_TRUE(testing::near(px.at(canvas.width - 30, 28), pixelOf(tone))) << "the tile's top trailing area is empty";
  EXPECT_TRUE(testing::near(px.at(3, 3), pixelOf(backdrop(c.scheme))));

  // The bar's fill: its middle shows the green of its gradient.
  const PangoMeasurer measurer;
  const DisplayList list = widgetDisplayList(view, r, measurer);
  const FillCommand* fill = nullptr;
  for (const auto& cmd : list.commands())
    if (const auto* f = std::get_if<FillCommand>(&cmd); f && f->paint.kind == Paint::Kind::linearGradient) fill = f;
  ASSERT_NE(fill, nullptr);
  const Pixel mid = px.at(fill->shape.rect.midX(), fill->shape.rect.midY());
  const RGBA green = resolve(Color::green(), c.scheme);
  EXPECT_GT(mid.g, mid.r + 60) << "green at the bar's centre";
  EXPECT_NEAR(mid.g, green.g * 255, 30);
  EXPECT_NEAR(fill->shape.rect.width, 0.72 * (tileSize(c.family).width - 32), 0.01);

  if (const char* dir = std::getenv("RENDER_LOOK_DIR")) {
    renderWidgetToFile(view, r, std::filesystem::path(dir) / (std::string("widget-") + c.name + ".png"));
  }
}

INSTANTIATE_TEST_SUITE_P(Families, RenderWidget,
                         ::testing::Values(LookCase{"small_light", WidgetFamily::systemSmall, ColorScheme::light},
                                           LookCase{"small_dark", WidgetFamily::systemSmall, ColorScheme::dark},
                                           LookCase{"medium_light", WidgetFamily::systemMedium, ColorScheme::light},
                                           LookCase{"large_dark", WidgetFamily::systemLarge, ColorScheme::dark}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RenderWidgetProbe, AHalfOpaqueGroupLetsTheTileShowThrough) {
  const ui::View view = ui::ZStack(ui::Alignment::topLeading(),
                                   {ui::Rectangle().fill(Color::rgb(1, 0, 0)).frame(40, 40).opacity(0.5)})
                            .frame(ui::FlexibleFrame{std::nullopt, std::nullopt, ui::infinity, std::nullopt, std::nullopt,
                                                     ui::infinity, ui::Alignment::topLeading()});
  for (auto scheme : {ColorScheme::light, ColorScheme::dark}) {
    const WidgetRendering r = rendering(WidgetFamily::systemSmall, scheme);
    const testing::Pixels px(renderWidget(view, r), 2);
    const RGBA tone = containerBackground(Color::fill(ui::Level::tertiary), scheme, {}).color;
    const Pixel expected = pixelOf(composite(RGBA{1, 0, 0, 0.5}, tone));
    Tile tile;
    tile.size = tileSize(WidgetFamily::systemSmall);
    const ui::Rect content = tile.contentRect();
    EXPECT_TRUE(testing::near(px.at(content.x + 20, content.y + 20), expected, 3));
  }
}

TEST(RenderWidgetProbe, AnUnknownSymbolIsVisibleInAWidget) {
  const ui::View view = ui::Image::system("no.such.symbol").font(ui::Font::textStyle(ui::TextStyle::title2));
  const WidgetRendering r = rendering(WidgetFamily::systemSmall, ColorScheme::light);
  const PangoMeasurer measurer;
  const DisplayList list = widgetDisplayList(view, r, measurer);
  const SymbolCommand* symbol = nullptr;
  for (const auto& cmd : list.commands())
    if (const auto* s = std::get_if<SymbolCommand>(&cmd)) symbol = s;
  ASSERT_NE(symbol, nullptr);
  const testing::Pixels px(renderWidget(view, r), 2);
  const RGBA tone = containerBackground(Color::fill(ui::Level::tertiary), ColorScheme::light, {}).color;
  const auto& b = symbol->rect;
  EXPECT_GT(px.countDiffering(b.x, b.y, b.width, b.height, pixelOf(tone)), int(b.width * b.height));
}

TEST(RenderWidgetProbe, VectorOutputIsTheSameEveryTime) {
  const ui::View view = statusWidget("bolt.fill", "Done soon");
  for (auto format : {Format::svg, Format::pdf}) {
    const WidgetRendering r = rendering(WidgetFamily::systemMedium, ColorScheme::dark, format);
    const std::string once = renderWidget(view, r);
    EXPECT_EQ(once, renderWidget(view, r));
    EXPECT_GT(once.size(), 1000u);
  }
}

}  // namespace
}  // namespace render
