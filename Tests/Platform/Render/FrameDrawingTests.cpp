#include <gtest/gtest.h>

#include "Platform/Charts/Chart.hpp"
#include "Platform/Layout/TestMeasurer.hpp"
#include "Platform/Render/FrameDrawing.hpp"
#include "Platform/Render/Palette.hpp"
#include "Platform/UI/UI.hpp"
#include "Platform/WidgetKit/ContainerBackground.hpp"
#include "Tests/Support/ScopedTimeZone.hpp"

namespace render {
namespace {

using ui::Color;
using ui::ColorScheme;

// Frames from the deterministic measurer: a character is 0.5 × the size wide, a line 1.2 ×
// the size high, a symbol a square of the size.
struct TreeCase {
  const char* name;
  ui::View view;
  ColorScheme scheme;
  DisplayList expected;
};

Paint solid(const Color& c, ColorScheme s) { return Paint::solid(resolve(c, s)); }

TextCommand run(std::string text, ui::Point origin, Paint paint, double size, int weight, std::optional<double> maxWidth) {
  TextCommand t;
  t.text = std::move(text);
  t.font = TextFont{FontFamily::text, weight};
  t.size = size;
  t.paint = std::move(paint);
  t.origin = origin;
  t.maxWidth = maxWidth;
  return t;
}

TreeCase capsule() {
  DisplayList e;
  e.fill(Shape::capsule({0, 0, 100, 6}), solid(Color::green(), ColorScheme::light));
  return {"capsule", ui::Capsule(ui::RoundedCornerStyle::continuous).fill(Color::green()).frame(100, 6),
          ColorScheme::light, e};
}

TreeCase secondaryTextInDark() {
  DisplayList e;
  e.add(run("Hello", {0, 0}, solid(Color::secondary(), ColorScheme::dark), 10, 400, 200));
  return {"secondary_text_dark",
          ui::Text::verbatim("Hello").font(ui::Font::textStyle(ui::TextStyle::caption)).foregroundStyle(Color::secondary()),
          ColorScheme::dark, e};
}

TreeCase symbolBesideTextInAGroup() {
  const ColorScheme s = ColorScheme::light;
  DisplayList e;
  e.pushOpacity(0.5);
  e.add(SymbolCommand{"bolt.fill", 10, 700, solid(Color::green(), s), {0, 1, 10, 10}});
  e.add(run("Go", {14, 0}, solid(Color::green(), s), 10, 700, 186));
  e.popOpacity();
  return {"symbol_text_opacity",
          ui::HStack(4, {ui::Image::system("bolt.fill"), ui::Text::verbatim("Go")})
              .font(ui::Font::textStyle(ui::TextStyle::caption2, ui::Weight::bold))
              .foregroundStyle(Color::green())
              .opacity(0.5),
          s, e};
}

TreeCase backgroundBehindText() {
  const ColorScheme s = ColorScheme::light;
  DisplayList e;
  e.fill(Shape::rounded({0, 0, 18, 20}, 7, CornerStyle::continuous), solid(Color::orange().withOpacity(0.1), s));
  e.add(run("Hi", {4, 4}, solid(Color::primary(), s), 10, 400, 192));
  return {"background",
          ui::Text::verbatim("Hi")
              .font(ui::Font::textStyle(ui::TextStyle::caption))
              .padding(4)
              .background(ui::RoundedRectangle(7, ui::RoundedCornerStyle::continuous).fill(Color::orange().withOpacity(0.1))),
          s, e};
}

TreeCase gradientFill() {
  const ColorScheme s = ColorScheme::dark;
  DisplayList e;
  e.fill(Shape::capsule({0, 0, 50, 6}, CornerStyle::circular), standardGradient(resolve(Color::blue(), s), {0, 0, 50, 6}));
  return {"standard_gradient", ui::Capsule().fill(ui::ShapeStyle::standardGradient(Color::blue())).frame(50, 6), s, e};
}

class DrawTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(DrawTree, GivesTheExpectedCommands) {
  const auto& c = GetParam();
  layout::TestMeasurer measurer;
  ui::Environment env;
  env.colorScheme = c.scheme;
  const auto tree = layout::layoutTree(c.view, {200, 100}, measurer, env);
  EXPECT_EQ(drawFrames(tree, measurer).list, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Trees, DrawTree,
                         ::testing::Values(capsule(), secondaryTextInDark(), symbolBesideTextInAGroup(),
                                           backgroundBehindText(), gradientFill()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawTree, TheContainerBackgroundGoesToTheTileNotIntoTheList) {
  layout::TestMeasurer measurer;
  const ui::ShapeStyle tertiary = Color::fill(ui::Level::tertiary);
  const ui::View view = ui::Text::verbatim("x").opacity(0.5).containerBackground(tertiary, wk::widgetBackgroundPlacement());
  const auto drawn = drawFrames(layout::layoutTree(view, {100, 100}, measurer), measurer);
  ASSERT_TRUE(drawn.containerBackground);
  EXPECT_EQ(*drawn.containerBackground, tertiary);
  ASSERT_EQ(drawn.list.size(), 3u);
  EXPECT_TRUE(std::holds_alternative<PushOpacityCommand>(drawn.list.commands()[0]));
}

TEST(DrawTree, AChartViewDrawsItsSeriesRuleAndLabels) {
  struct Sample { double t, p; };
  const std::vector<Sample> samples{{1765260000, 40}, {1765270800, 55}, {1765281600, 70}, {1765292400, 65}};
  const ui::ShapeStyle fade = ui::ShapeStyle::linear({{Color::green().withOpacity(0.35), Color::green().withOpacity(0.02)},
                                                      ui::UnitPoint::top(), ui::UnitPoint::bottom()});
  charts::StrokeStyle line;
  line.lineWidth = 1.5;
  charts::StrokeStyle dash;
  dash.dash = {3, 3};
  auto content = std::vector<charts::ChartContent>{
      charts::ForEach(samples, [](const Sample& s) { return s.t; },
                      [&](const Sample& s) {
                        const auto x = charts::PlottableValue::value("Time", fnd::dateFromSeconds(s.t));
                        const auto y = charts::PlottableValue::value("%", s.p);
                        return charts::ChartContent({charts::AreaMark(x, y).foregroundStyle(fade)
                                                         .interpolationMethod(charts::InterpolationMethod::monotone),
                                                     charts::LineMark(x, y).foregroundStyle(Color::green()).lineStyle(line)
                                                         .interpolationMethod(charts::InterpolationMethod::monotone)});
                      }),
      charts::RuleMark(std::nullopt, std::nullopt, charts::PlottableValue::value("Limit", 80.0))
          .foregroundStyle(Color::secondary())
          .lineStyle(dash)};
  charts::AxisContent yAxis{{charts::AxisMarks{charts::AxisMarkValues::values({0, 50, 100}), {charts::AxisGridLine{}}}}};
  charts::AxisContent xAxis{{charts::AxisMarks{charts::AxisMarkValues::strideHours(6), {charts::AxisValueLabel{charts::HourFormat{}}}}}};
  const ui::View chart = charts::Chart(content)
                             .chartYScale({0, 100})
                             .chartYAxis(yAxis)
                             .chartXAxis(xAxis)
                             .frame(std::nullopt, 78);
  layout::TestMeasurer measurer;
  FrameDrawOptions options;
  options.locale = "en_US";
  const ::testing::ScopedTimeZone utc("UTC");
  const auto list = drawFrames(layout::layoutTree(chart, {300, 200}, measurer), measurer, options).list;

  std::vector<std::string> kinds;
  for (const auto& c : list.commands()) {
    if (const auto* s = std::get_if<StrokeCommand>(&c)) kinds.push_back(s->style.dash.empty() ? "stroke" : "dashed");
    else if (const auto* f = std::get_if<FillCommand>(&c)) kinds.push_back(f->paint.kind == Paint::Kind::linearGradient ? "gradient" : "fill");
    else if (const auto* t = std::get_if<TextCommand>(&c)) kinds.push_back("text " + t->text);
    else if (std::holds_alternative<PushClipCommand>(c)) kinds.push_back("clip");
    else if (std::holds_alternative<PopClipCommand>(c)) kinds.push_back("unclip");
  }
  // Three grid lines, the area, the line, the rule over them, then 6 AM and 12 PM.
  const std::vector<std::string> expected{"stroke", "stroke", "stroke", "clip", "gradient", "stroke", "unclip",
                                          "dashed", "text 6\u202FAM", "text 12\u202FPM"};
  EXPECT_EQ(kinds, expected) << list;
  const auto& lineStroke = std::get<StrokeCommand>(list.commands()[5]);
  EXPECT_EQ(lineStroke.paint, Paint::solid(resolve(Color::green(), ColorScheme::light)));
  EXPECT_EQ(lineStroke.style.width, 1.5);
  const auto& rule = std::get<StrokeCommand>(list.commands()[7]);
  EXPECT_EQ(rule.paint, Paint::solid(resolve(Color::secondary(), ColorScheme::light)));
  EXPECT_EQ(rule.style.dash, (std::vector<double>{3, 3}));
  const auto& area = std::get<FillCommand>(list.commands()[4]);
  EXPECT_NEAR(area.paint.stops.front().color.a, 0.35, 1e-12);
  EXPECT_NEAR(area.paint.stops.back().color.a, 0.02, 1e-12);
}

}  // namespace
}  // namespace render
