#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PixelProbe.hpp"
#include "Platform/Render/ChartDrawing.hpp"
#include "Platform/Render/HourLabels.hpp"
#include "Platform/Render/PangoMeasurer.hpp"
#include "Tests/Support/ScopedTimeZone.hpp"

namespace render {
namespace {

using testing::Pixel;

// A day of levels drawn as a widget draws it, on white, with a rule at 80.
ChartPlot dayOfLevels() {
  ChartPlot plot;
  const double t0 = 1765260000;
  const double ps[] = {35, 30, 26, 40, 62, 78, 80, 80, 74, 61};
  for (int i = 0; i < 10; ++i) plot.points.push_back({t0 + i * 3600.0, ps[i]});
  const RGBA green = RGBA::hex(0x28CD41);
  plot.areaStops = {{0, green.withAlpha(0.35)}, {1, green.withAlpha(0.02)}};
  plot.lineColor = green;
  plot.gridYs = {0, 50, 100};
  plot.gridPaint = Paint::solid(RGBA{0, 0, 0, 0.1});
  StrokeStyle dashed = StrokeStyle::ofWidth(1);
  dashed.dash = {3, 3};
  plot.rules = {{80, Paint::solid(RGBA{0, 0, 0, 0.5}), dashed}};
  const ::testing::ScopedTimeZone utc("UTC");
  const HourFormatter hours("en_US");
  for (double t : hours.marks(t0, t0 + 9 * 3600, 6)) plot.xLabels.push_back({t, hours.label(t)});
  plot.labelPaint = Paint::solid(RGBA{0, 0, 0, 0.5});
  return plot;
}

class ChartDrawing : public ::testing::Test {
 protected:
  testing::Pixels draw(const ChartPlot& plot, const std::string& look) {
    DisplayList l;
    l.fill(Shape::rectangle({0, 0, 340, 98}), Paint::solid(RGBA{1, 1, 1, 1}));
    l.append(drawChart(plot, frame, measurer));
    testing::keepForLooking(look, l, {340, 98});
    return testing::renderPixels(l, {340, 98});
  }
  const ui::Rect frame{10, 10, 320, 78};
  PangoMeasurer measurer;
};

TEST_F(ChartDrawing, TheLinesGreenRunsThroughEveryPoint) {
  const ChartPlot plot = dayOfLevels();
  const auto px = draw(plot, "chart-day");
  const ui::Rect p = plotRect(plot, frame, measurer);
  EXPECT_LT(p.height, frame.height) << "the labels take a band below the plot";
  for (const auto& pt : plot.points) {
    const double x = p.x + (pt.x - plot.points.front().x) / (plot.points.back().x - plot.points.front().x) * p.width;
    const double y = p.maxY() - pt.y / 100 * p.height;
    // Look a little inside the ends so that the probe lies on the line, not beside its end.
    const Pixel got = px.at(std::clamp(x, p.x + 0.5, p.maxX() - 0.5), y);
    EXPECT_GT(got.g, got.r + 60) << "green at the point " << pt.y;
  }
}

TEST_F(ChartDrawing, TheAreaFadesTowardsTheBaseline) {
  const auto px = draw(dayOfLevels(), "chart-area");
  const ui::Rect p = plotRect(dayOfLevels(), frame, measurer);
  // Under the 80 % plateau (at 6 to 7 hours), near the top and near the bottom of the area.
  const double x = p.x + p.width * 6.5 / 9;
  const Pixel high = px.at(x, p.maxY() - 0.7 * p.height), low = px.at(x, p.maxY() - 0.05 * p.height);
  EXPECT_LT(high.r, low.r) << "more green near the curve than at the baseline";
  EXPECT_GT(low.r, 240) << "almost clear at the baseline";
}

TEST_F(ChartDrawing, LabelsAndRuleAreDrawn) {
  const ChartPlot plot = dayOfLevels();
  const DisplayList l = drawChart(plot, frame, measurer);
  int texts = 0, dashed = 0;
  for (const auto& c : l.commands()) {
    if (const auto* t = std::get_if<TextCommand>(&c)) {
      ++texts;
      EXPECT_GE(t->origin.y, plotRect(plot, frame, measurer).maxY());
    }
    if (const auto* s = std::get_if<StrokeCommand>(&c); s && !s->style.dash.empty()) ++dashed;
  }
  EXPECT_EQ(texts, 2) << "6 AM and 12 PM fit; no label for a mark outside the data";
  EXPECT_EQ(dashed, 1);
  // The rule is the last mark before the labels: drawn over the area and the line.
  std::size_t ruleAt = 0, lineAt = 0;
  for (std::size_t i = 0; i < l.size(); ++i) {
    if (const auto* s = std::get_if<StrokeCommand>(&l.commands()[i])) {
      if (!s->style.dash.empty()) ruleAt = i;
      else if (s->style.width == 1.5) lineAt = i;
    }
  }
  EXPECT_GT(ruleAt, lineAt);
}

TEST_F(ChartDrawing, ValuesOutsideTheDomainKeepTheScale) {
  ChartPlot plot = dayOfLevels();
  plot.points = {{0, -20}, {1, 150}};
  plot.xLabels.clear();
  const auto px = draw(plot, "chart-outside");
  // The line leaves through the top of the chart's frame and nothing is drawn above it.
  EXPECT_EQ(px.countDiffering(0, 0, 340, 9.5, Pixel{255, 255, 255, 255}), 0);
}

TEST_F(ChartDrawing, AHugeSeriesIsThinnedToThePixelColumns) {
  ChartPlot plot = dayOfLevels();
  plot.points.clear();
  for (int i = 0; i < 200000; ++i) plot.points.push_back({double(i), 50 + 30 * std::sin(i / 5000.0)});
  const DisplayList l = drawChart(plot, frame, measurer, 2);
  for (const auto& c : l.commands()) {
    if (const auto* s = std::get_if<StrokeCommand>(&c); s && s->style.width == 1.5) {
      EXPECT_LE(s->shape.path.elements().size(), std::size_t(4 * 2 * 320 + 8));
    }
  }
}

// A dense series that jitters by a point draws a band that thick, without spikes: the thinned
// steps turn back within a pixel column, where miter joins would reach far past the data.
TEST_F(ChartDrawing, AJitteringDenseSeriesDrawsNoSpikes) {
  ChartPlot plot = dayOfLevels();
  plot.points.clear();
  plot.areaStops.clear();
  plot.rules.clear();
  plot.gridYs.clear();
  for (int i = 0; i < 100000; ++i) plot.points.push_back({double(i), i % 2 ? 51.0 : 49.0});
  const auto px = draw(plot, "chart-jitter");
  const ui::Rect p = plotRect(plot, frame, measurer);
  const double middle = p.maxY() - 0.5 * p.height;
  // 1 % of the height either side, the stroke's half width, and a pixel of antialiasing.
  const double reach = 0.01 * p.height + 0.75 + 0.5;
  EXPECT_GT(px.countDiffering(p.x, middle - 0.5, p.width, 1, Pixel{255, 255, 255, 255}), 0) << "the band is drawn";
  EXPECT_EQ(px.countDiffering(p.x, p.y, p.width, middle - reach - p.y, Pixel{255, 255, 255, 255}), 0) << "above";
  EXPECT_EQ(px.countDiffering(p.x, middle + reach, p.width, p.maxY() - middle - reach, Pixel{255, 255, 255, 255}), 0)
      << "below";
}

TEST_F(ChartDrawing, FewerThanTwoPointsDrawNoSeries) {
  ChartPlot plot = dayOfLevels();
  plot.points.resize(1);
  const DisplayList l = drawChart(plot, frame, measurer);
  for (const auto& c : l.commands())
    if (const auto* f = std::get_if<FillCommand>(&c)) ADD_FAILURE() << describe(f->shape);
}

}  // namespace
}  // namespace render
