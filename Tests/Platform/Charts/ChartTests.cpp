#include <gtest/gtest.h>

#include "Platform/Charts/Chart.hpp"
#include "Platform/UI/Custom.hpp"
#include "Platform/UI/Dump.hpp"
#include "Platform/UI/Node.hpp"

namespace charts {
namespace {

struct Sample {
  double t;
  double p;
};

const std::vector<Sample> samples{{1000, 40}, {4600, 55}, {8200, 70}};

ChartContent historyContent() {
  const ui::ShapeStyle fade = ui::ShapeStyle::linear(
      ui::LinearGradient{{ui::Color::green().withOpacity(0.35), ui::Color::green().withOpacity(0.02)}});
  return ChartContent({
      ForEach(samples, [](const Sample& s) { return s.t; },
              [fade](const Sample& s) -> ChartContent {
                const auto x = PlottableValue::value("Time", fnd::dateFromSeconds(s.t));
                const auto y = PlottableValue::value("%", s.p);
                return std::vector<ChartContent>{
                    AreaMark(x, y).foregroundStyle(fade).interpolationMethod(InterpolationMethod::monotone),
                    LineMark(x, y)
                        .foregroundStyle(ui::Color::green())
                        .lineStyle(StrokeStyle{1.5})
                        .interpolationMethod(InterpolationMethod::monotone)};
              }),
      RuleMark(std::nullopt, std::nullopt, PlottableValue::value("Limit", 80.0))
          .foregroundStyle(ui::Color::secondary())
          .lineStyle(StrokeStyle{1, LineCap::butt, LineJoin::miter, 10, {3, 3}, 0}),
  });
}

TEST(ChartContent, ResolvesMarksInContentOrderWithTheirModifiers) {
  const auto marks = resolveMarks(historyContent());
  ASSERT_EQ(marks.size(), 7u);
  for (size_t i = 0; i < 3; ++i) {
    const auto& area = marks[2 * i];
    const auto& line = marks[2 * i + 1];
    EXPECT_EQ(area.mark.kind, MarkKind::area);
    EXPECT_EQ(line.mark.kind, MarkKind::line);
    EXPECT_EQ(area.mark.x->position(), samples[i].t);
    EXPECT_TRUE(area.mark.x->isDate());
    EXPECT_EQ(area.mark.y->position(), samples[i].p);
    EXPECT_EQ(area.mark.y->label, "%");
    EXPECT_EQ(area.foregroundStyle->kind, ui::ShapeStyle::Kind::linearGradient);
    EXPECT_EQ(line.lineStyle->lineWidth, 1.5);
    EXPECT_EQ(line.interpolation, InterpolationMethod::monotone);
  }
  const auto& rule = marks.back();
  EXPECT_EQ(rule.mark.kind, MarkKind::rule);
  EXPECT_FALSE(rule.mark.xStart.has_value());
  EXPECT_EQ(rule.mark.y->position(), 80);
  EXPECT_EQ(rule.lineStyle->dash, (std::vector<double>{3, 3}));
}

// A ForEach makes its elements when the chart is visited, long after the view that built it
// returned: it must own its items and its content function.
TEST(ChartContent, AForEachOutlivesTheItemsItWasBuiltFrom) {
  ChartContent content = [] {
    std::vector<Sample> local{{10, 1}, {20, 2}};
    const std::string label = "Level";
    return ForEach(local, [](const Sample& s) { return s.t; }, [label](const Sample& s) {
      return LineMark(PlottableValue::value("Time", s.t), PlottableValue::value(label, s.p));
    });
  }();
  const auto marks = resolveMarks(content);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[1].mark.x->position(), 20);
  EXPECT_EQ(marks[1].mark.y->label, "Level");
  const ui::Json described = describe(content);
  ASSERT_NE(described.find("ids"), nullptr);
  EXPECT_EQ(*described.find("ids"), ui::Json(ui::Json::Array{"10", "20"}));
}

TEST(ChartContent, TheSettingClosestToAMarkWins) {
  const auto mark = LineMark(PlottableValue::value("x", 0.0), PlottableValue::value("y", 0.0));
  struct Case {
    ChartContent content;
    ui::Color expected;
  };
  const Case cases[] = {
      {mark.foregroundStyle(ui::Color::red()).foregroundStyle(ui::Color::blue()), ui::Color::red()},
      {ChartContent({mark.foregroundStyle(ui::Color::red())}).foregroundStyle(ui::Color::blue()), ui::Color::red()},
      {ChartContent({mark}).foregroundStyle(ui::Color::blue()), ui::Color::blue()},
  };
  for (const auto& c : cases) EXPECT_EQ(resolveMarks(c.content).front().foregroundStyle->color, c.expected);
  EXPECT_FALSE(resolveMarks(mark).front().foregroundStyle.has_value());
}

TEST(Chart, IsAViewWhoseScalesAndAxesFlowAsEnvironmentValues) {
  const AxisContent yAxis{{AxisMarks{AxisMarkValues::values({0, 50, 100}), {AxisGridLine{}}}}};
  const AxisContent xAxis{{AxisMarks{AxisMarkValues::strideHours(6), {AxisValueLabel{HourFormat{}}}}}};
  ui::View chart = Chart(historyContent()).chartYScale({0, 100}).chartYAxis(yAxis).chartXAxis(xAxis);

  const ui::Json dump = ui::dumpJSON(chart);
  EXPECT_EQ(*dump.find("type"), "Chart");
  const auto& modifiers = dump.find("modifiers")->asArray();
  ASSERT_EQ(modifiers.size(), 3u);
  EXPECT_EQ(modifiers[0], ui::Json::object({{"name", "chartYScale"}, {"domain", ui::Json::Array{0, 100}}}));
  EXPECT_EQ(*modifiers[1].find("name"), "chartYAxis");
  EXPECT_EQ(*modifiers[2].find("marks")->asArray().front().find("values"),
            ui::Json::object({{"stride", "hour"}, {"count", 6}}));
  const ui::Json& content = *dump.find("content");
  EXPECT_EQ(*content.find("children")->asArray().front().find("ids"), ui::Json(ui::Json::Array{"1000", "4600", "8200"}));

  // The renderer finds the model in the leaf and the settings in the leaf's environment.
  ui::View leaf = chart;
  ui::Environment env;
  while (const auto* m = ui::nodeAs<ui::ModifiedNode>(leaf)) {
    ui::applyToEnvironment(m->modifier, env);
    leaf = m->content;
  }
  ASSERT_NE(ui::customPayload<ChartModel>(leaf), nullptr);
  EXPECT_EQ(resolveMarks(ui::customPayload<ChartModel>(leaf)->content).size(), 7u);
  EXPECT_EQ(env.get<YScaleKey>(), (ScaleDomain{0, 100}));
  EXPECT_EQ(env.get<YAxisKey>(), yAxis);
  EXPECT_EQ(env.get<XAxisKey>(), xAxis);
  EXPECT_FALSE(env.get<XScaleKey>().has_value());
}

}  // namespace
}  // namespace charts
