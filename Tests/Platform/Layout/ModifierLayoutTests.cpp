#include <gtest/gtest.h>

#include <cmath>

#include "LayoutFixture.hpp"
#include "Platform/Charts/Chart.hpp"

namespace layout::testing {
namespace {

using ui::infinity;

class ModifierLayout : public LayoutTest {};

// A full-width strip: a symbol and one line of text, padded, framed to the whole width and
// backed by a rounded rectangle.
TEST_F(ModifierLayout, APaddedFullWidthBannerDoesNotGrowWithALongLine) {
  auto banner = [](const std::string& line, ui::View& back, ui::View& label) {
    label = ui::Text::verbatim(line).font(ui::Font::textStyle(ui::TextStyle::caption)).lineLimit(1);
    back = ui::RoundedRectangle(7, ui::RoundedCornerStyle::continuous).fill(ui::Color::orange().withOpacity(0.1));
    return ui::HStack(ui::VerticalAlignment::center, 6,
                      {ui::Image::system("lightbulb.fill").font(ui::Font::textStyle(ui::TextStyle::caption)), label})
        .padding(ui::EdgeSet::horizontal(), 8)
        .padding(ui::EdgeSet::vertical(), 5)
        .frame({.maxWidth = infinity, .alignment = ui::Alignment::leading()})
        .background(back);
  };
  ui::View shortBack, shortLabel, longBack, longLabel;
  ui::View shortBanner = banner("Short", shortBack, shortLabel);
  ui::View longBanner = banner(std::string(200, 'x'), longBack, longLabel);
  lay(ui::VStack(ui::HorizontalAlignment::leading, 10, {shortBanner, longBanner}), 300, 400);

  for (const auto& [b, back, label] : {std::tuple{shortBanner, shortBack, shortLabel}, std::tuple{longBanner, longBack, longLabel}}) {
    EXPECT_PT(frameOf(b).width, 300);
    EXPECT_PT(frameOf(b).height, 12 + 10);       // one caption line and the vertical padding
    EXPECT_EQ(frameOf(back), frameOf(b));         // the background covers the banner exactly
    EXPECT_PT(frameOf(label).x - frameOf(b).x, 8 + 10 + 6);
  }
  EXPECT_PT(frameOf(shortLabel).width, 25);       // the short line keeps its own width, at the leading edge
  EXPECT_PT(frameOf(longLabel).maxX(), 300 - 8);  // the long one is cut inside the padding
}

// A track with a marker at `limit` percent and a fill of `percent` percent, as a level bar draws them.
struct Bar {
  ui::View fill, marker;
  ui::View view;
  Bar(double percent, double limit) {
    view = ui::GeometryReader([=, this](const ui::GeometryProxy& g) {
             const double w = g.size.width, h = g.size.height;
             fill = ui::Capsule(ui::RoundedCornerStyle::continuous).fill(ui::Color::green()).frame(std::max(w * percent / 100, 5.0), h);
             marker = ui::Capsule(ui::RoundedCornerStyle::continuous)
                          .fill(ui::Color::secondary())
                          .frame(2, h + 4)
                          .offset(w * limit / 100 - 1, 0);
             return ui::ZStack(ui::Alignment::leading(),
                               {ui::Capsule(ui::RoundedCornerStyle::continuous).fill(ui::Color::quaternary()), fill, marker});
           }).frame(std::nullopt, 6);
  }
};

struct BarCase {
  double percent, limit;
  double fillWidth, markerMinX;
};

void PrintTo(const BarCase& c, std::ostream* os) { *os << c.percent << "% limit " << c.limit; }

class LevelBarGeometry : public LayoutTest, public ::testing::WithParamInterface<BarCase> {};

TEST_P(LevelBarGeometry, PlacesTheFillAndTheMarkerByTheOfferedWidth) {
  const BarCase c = GetParam();
  Bar bar(c.percent, c.limit);
  lay(bar.view, 200, 6);
  const ui::Rect marker = nodeOf(bar.marker).children.front().frame;  // the capsule the offset moved
  EXPECT_PT(marker.minX(), c.markerMinX);
  EXPECT_PT(marker.maxX(), c.markerMinX + 2);
  EXPECT_PT(marker.height, 10);
  EXPECT_PT(frameOf(bar.fill).width, c.fillWidth);  // never narrower than 5, never clamped to the track
  EXPECT_PT(frameOf(bar.fill).x, 0);
  EXPECT_EQ(frameOf(bar.view), (ui::Rect{0, 0, 200, 6}));
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelBarGeometry,
                         ::testing::Values(BarCase{72, 80, 144, 159}, BarCase{0, 99, 5, 197}, BarCase{100, 0, 200, -1},
                                           BarCase{1, 50, 5, 99}, BarCase{120, 80, 240, 159}));

TEST_F(ModifierLayout, AnOffsetMovesAViewWithoutMovingItsNeighbours) {
  ui::View moved = ui::Rectangle().frame(10, 10);
  ui::View after = ui::Rectangle().frame(10, 10);
  ui::View offsetView = moved.offset(30, -5);
  lay(ui::HStack(0, {offsetView, after}), 100, 100);
  EXPECT_PT(frameOf(offsetView).x, 0);   // where the layout put it …
  EXPECT_PT(frameOf(moved).x, 30);        // … and where it is drawn
  EXPECT_PT(frameOf(moved).y, -5);
  EXPECT_PT(frameOf(after).x, 10);
}

TEST_F(ModifierLayout, AFixedFrameAlignsItsContent) {
  struct Case {
    ui::Alignment alignment;
    ui::Point origin;
  };
  const Case cases[] = {{ui::Alignment::center(), {40, 19}},
                        {ui::Alignment::topLeading(), {0, 0}},
                        {ui::Alignment::bottomTrailing(), {80, 38}},
                        {ui::Alignment::leading(), {0, 19}}};
  for (const auto& c : cases) {
    ui::View content = text(4, 10);  // 20 × 12
    ui::View framed = content.frame(100, 50, c.alignment);
    lay(framed, 300, 300);
    EXPECT_EQ(frameOf(framed).size(), (ui::Size{100, 50}));
    EXPECT_PT(frameOf(content).x, c.origin.x);
    EXPECT_PT(frameOf(content).y, c.origin.y);
  }
}

TEST_F(ModifierLayout, AFixedFrameKeepsItsWidthWhenOfferedLess) {
  ui::View framed = ui::Capsule().frame(5, 3);
  lay(ui::HStack({framed}).frame(2, 3), 2, 3);
  EXPECT_PT(frameOf(framed).width, 5);
}

TEST_F(ModifierLayout, FlexibleFramesBoundTheSizeAndTakeTheOfferUpToTheirMaximum) {
  struct Case {
    ui::FlexibleFrame frame;
    Proposal offer;
    ui::Size size;
  };
  const Case cases[] = {
      {{.maxWidth = infinity}, {200, 100}, {200, 12}},                         // takes the width offered
      {{.maxWidth = infinity}, {}, {20, 12}},                                   // ideal: the content's
      {{.maxWidth = infinity, .maxHeight = infinity}, {200, 100}, {200, 100}},
      {{.maxWidth = 50}, {200, 100}, {50, 12}},
      {{.minWidth = 60}, {200, 100}, {60, 12}},                                 // at least the minimum
      {{.minWidth = 60}, {30, 100}, {60, 12}},                                  // even when offered less
      {{.idealWidth = 70, .maxWidth = infinity}, {}, {70, 12}},
      {{.minHeight = 30, .maxHeight = 40}, {200, 100}, {20, 40}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sizeThatFits(text(4, 10).frame(c.frame), c.offer, measurer_), c.size);
}

TEST_F(ModifierLayout, PaddingShrinksTheOfferAndGrowsTheAnswer) {
  struct Case {
    ui::View padded;
    ui::Size size;
  };
  ui::View t = ui::Text::verbatim("aaa bbb").font(ui::Font::system(10));  // 35 wide on one line
  const Case cases[] = {
      {t.padding(), {15 + 32, 24 + 32}},                                 // the default all round: 23 offered, wraps
      {t.padding(ui::EdgeSet::vertical(), 6), {35, 24}},
      {t.padding(ui::EdgeSet::leading(), 4), {39, 12}},
      {t.padding(ui::EdgeInsets{1, 2, 3, 4}), {41, 16}},
      {t.padding(20), {15 + 40, 24 + 40}},                               // 55 offered: wraps at 15
  };
  for (const auto& c : cases) EXPECT_EQ(sizeThatFits(c.padded, {55, 200}, measurer_), c.size);
}

TEST_F(ModifierLayout, ABackgroundIsSizedToWhatItBacksAndDrawnFirst) {
  ui::View back = ui::Rectangle();
  ui::View content = text(4, 10).padding(3);
  ui::View backed = content.background(back);
  lay(backed, 300, 300);
  EXPECT_EQ(frameOf(back), frameOf(content));
  const LayoutNode& node = nodeOf(backed);
  ASSERT_EQ(node.children.size(), 2u);
  EXPECT_EQ(node.children[0].view.shared(), back.shared());
}

TEST_F(ModifierLayout, OpacitiesMultiplyDownTheTree) {
  ui::View leaf = ui::Rectangle();
  lay(ui::VStack({leaf.opacity(0.5)}).opacity(0.5), 100, 100);
  EXPECT_PT(nodeOf(leaf).opacity, 0.25);
}

TEST_F(ModifierLayout, ResizableImagesFillTheirFrameAndOthersKeepTheirSize) {
  auto picture = std::make_shared<imageio::Image>();
  picture->width = 32;
  picture->height = 20;
  picture->argb.assign(32 * 20, 0);
  ui::View stretched = ui::Image::platform(picture).resizable().interpolation(ui::Interpolation::high);
  ui::View plain = ui::Image::platform(picture);
  lay(ui::VStack({stretched.frame(16, 16), plain}), 100, 100);
  EXPECT_EQ(frameOf(stretched).size(), (ui::Size{16, 16}));
  EXPECT_EQ(frameOf(plain).size(), (ui::Size{32, 20}));
}

TEST_F(ModifierLayout, AGeometryReaderTakesTheOfferAndPlacesItsContentAtItsTopLeading) {
  ui::Size seen;
  ui::View content = ui::Rectangle().frame(20, 10);
  ui::View reader = ui::GeometryReader([&](const ui::GeometryProxy& g) {
    seen = g.size;
    return content;
  });
  lay(ui::VStack(0, {reader.frame(std::nullopt, 30)}).padding(5), 110, 100);
  EXPECT_EQ(seen, (ui::Size{100, 30}));
  EXPECT_EQ(frameOf(reader), (ui::Rect{5, 5, 100, 30}));
  EXPECT_EQ(frameOf(content), (ui::Rect{5, 5, 20, 10}));
}

struct Accent {
  using Value = std::string;
  static constexpr const char* name = "accent";
  static Value defaultValue() { return "none"; }
};

TEST_F(ModifierLayout, TypedEnvironmentValuesReachReadersBelow) {
  std::string seen;
  ui::View reader = ui::EnvironmentReader([&](const ui::Environment& env) {
    seen = env.get<Accent>();
    return text(seen.size(), 10);
  });
  lay(ui::VStack({reader}).environment<Accent>("large"), 100, 100);
  EXPECT_EQ(seen, "large");
  EXPECT_PT(frameOf(reader).width, 25);
  lay(reader, 100, 100);
  EXPECT_EQ(seen, "none");
}

TEST_F(ModifierLayout, AChartTakesTheSizeItIsOffered) {
  ui::View chart = charts::Chart({charts::LineMark(charts::PlottableValue::value("Time", 0.0),
                                                   charts::PlottableValue::value("%", 50.0))})
                       .chartYScale({0, 100});
  ui::View framed = chart.frame(std::nullopt, 78);
  lay(ui::VStack({framed}), 296, 300);
  EXPECT_EQ(frameOf(framed).size(), (ui::Size{296, 78}));
  const LayoutNode* leaf = &nodeOf(chart);
  while (!ui::customLeaf(leaf->view)) leaf = &leaf->children.front();
  EXPECT_EQ(leaf->frame.size(), (ui::Size{296, 78}));
  EXPECT_EQ(leaf->environment.get<charts::YScaleKey>(), (charts::ScaleDomain{0, 100}));
}

}  // namespace
}  // namespace layout::testing
