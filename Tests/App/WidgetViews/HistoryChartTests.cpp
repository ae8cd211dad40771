#include <gtest/gtest.h>

#include "App/Widget/Views/HistoryChart.hpp"
#include "Platform/Charts/Chart.hpp"
#include "Platform/UI/Node.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using pellora::WidgetSnapshot;

// The chart model inside a view, below its component and modifier wrappers.
const charts::ChartModel* chartModel(const ui::View& view) {
  if (const auto* component = ui::nodeAs<ui::ComponentNode>(view)) return chartModel(component->body);
  if (const auto* modified = ui::nodeAs<ui::ModifiedNode>(view)) return chartModel(modified->content);
  return ui::customPayload<charts::ChartModel>(view);
}

WidgetSnapshot withHistory(std::vector<std::int64_t> percents, std::int64_t limit) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  std::vector<WidgetSnapshot::Point> points;
  for (std::size_t i = 0; i < percents.size(); ++i) points.push_back({pellora::dateFromSeconds(1000.0 + 1800.0 * i), percents[i]});
  s.history = points;
  s.limit = limit;
  return s;
}

TEST(HistoryChart, TooLittleHistoryShowsTheNote) {
  WidgetSnapshot absent = WidgetSnapshot::placeholder();
  absent.history.reset();
  for (const WidgetSnapshot& s : {absent, withHistory({}, 80), withHistory({50}, 80)}) {
    const ui::View view(pellora::HistoryChart{s});
    EXPECT_EQ(chartModel(view), nullptr);
    const ui::Json tree = dump(view);
    EXPECT_EQ(texts(tree), std::vector<std::string>{"History fills in over the day"});
    const ui::Json& note = first(tree, "Text");
    EXPECT_EQ(str(modifier(note, "font")->find("font")), "caption");
    EXPECT_EQ(str(modifier(note, "foregroundStyle")->find("style")), "secondary");
    EXPECT_TRUE(unbounded(modifier(note, "frame")->find("maxHeight")));
  }
}

TEST(HistoryChart, AreaAndLinePerPointThenTheLimitRule) {
  struct Case {
    std::int64_t limit;
    bool rule;
  };
  for (const Case c : {Case{80, true}, Case{99, true}, Case{0, true}, Case{100, false}, Case{120, false}}) {
    const ui::View view(pellora::HistoryChart{withHistory({50, 140, -10}, c.limit)});
    const charts::ChartModel* model = chartModel(view);
    ASSERT_NE(model, nullptr);
    const auto marks = charts::resolveMarks(model->content);
    ASSERT_EQ(marks.size(), c.rule ? 7u : 6u) << c.limit;
    for (std::size_t i = 0; i < 3; ++i) {
      const auto& area = marks[2 * i];
      const auto& line = marks[2 * i + 1];
      EXPECT_EQ(area.mark.kind, charts::MarkKind::area);
      EXPECT_EQ(line.mark.kind, charts::MarkKind::line);
      EXPECT_EQ(area.mark.x->label, "Time");
      EXPECT_EQ(area.mark.y->label, "%");
      EXPECT_EQ(area.mark.x->position(), 1000.0 + 1800.0 * static_cast<double>(i));
      EXPECT_EQ(line.mark.y->position(), (std::vector<double>{50, 140, -10})[i]);
      EXPECT_EQ(area.interpolation, charts::InterpolationMethod::monotone);
      EXPECT_EQ(line.interpolation, charts::InterpolationMethod::monotone);
      ASSERT_TRUE(area.foregroundStyle.has_value());
      EXPECT_EQ(area.foregroundStyle->kind, ui::ShapeStyle::Kind::linearGradient);
      EXPECT_EQ(area.foregroundStyle->gradient.colors,
                (std::vector<ui::Color>{ui::Color::green().withOpacity(0.35), ui::Color::green().withOpacity(0.02)}));
      EXPECT_EQ(line.foregroundStyle, ui::ShapeStyle(ui::Color::green()));
      EXPECT_EQ(line.lineStyle, (charts::StrokeStyle{1.5, charts::LineCap::butt, charts::LineJoin::miter, 10, {}, 0}));
    }
    if (c.rule) {
      const auto& rule = marks.back();
      EXPECT_EQ(rule.mark.kind, charts::MarkKind::rule);
      EXPECT_FALSE(rule.mark.xStart || rule.mark.xEnd);
      EXPECT_EQ(rule.mark.y->label, "Limit");
      EXPECT_EQ(rule.mark.y->position(), static_cast<double>(c.limit));
      EXPECT_EQ(rule.foregroundStyle, ui::ShapeStyle(ui::Color::secondary()));
      EXPECT_EQ(rule.lineStyle, (charts::StrokeStyle{1, charts::LineCap::butt, charts::LineJoin::miter, 10, {3, 3}, 0}));
    }
  }
}

TEST(HistoryChart, FixedScaleAndAxes) {
  const ui::Json tree = dump(ui::View(pellora::HistoryChart{withHistory({50, 60}, 80)}));
  const ui::Json& chart = first(tree, "Chart");
  EXPECT_EQ(str(modifier(chart, "chartYScale")->find("domain")), "[0,100]");
  EXPECT_EQ(str(modifier(chart, "chartYAxis")->find("marks")),
            R"([{"type":"AxisMarks","values":[0,50,100],"content":[{"type":"AxisGridLine"}]}])");
  EXPECT_EQ(str(modifier(chart, "chartXAxis")->find("marks")),
            R"([{"type":"AxisMarks","values":{"stride":"hour","count":6},"content":[{"type":"AxisValueLabel","format":{"dateTime":"hour","amPM":"abbreviated"}}]}])");
}

}  // namespace
