#include "App/Widget/Views/HistoryChart.hpp"

#include "Platform/Charts/Chart.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;
using charts::PlottableValue;

namespace {

// The one curve for the area and the line: through every point, never overshooting.
constexpr auto curve = charts::InterpolationMethod::monotone;

// Butt caps, miter joins, miter limit 10, dash phase 0.
charts::StrokeStyle stroke(double width, std::vector<double> dash) {
  return {width, charts::LineCap::butt, charts::LineJoin::miter, 10, std::move(dash), 0};
}

charts::ChartContent sample(const WidgetSnapshot::Point& point) {
  const auto x = PlottableValue::value("Time", point.t);
  const auto y = PlottableValue::value("%", static_cast<double>(point.p));
  return charts::ChartContent::joined(
      charts::AreaMark(x, y)
          .foregroundStyle(ShapeStyle::linear(LinearGradient{
              {Color::green().withOpacity(0.35), Color::green().withOpacity(0.02)}, UnitPoint::top(), UnitPoint::bottom()}))
          .interpolationMethod(curve),
      charts::LineMark(x, y)
          .foregroundStyle(Color::green())
          .lineStyle(stroke(1.5, {}))
          .interpolationMethod(curve));
}

}  // namespace

View HistoryChart::body() const {
  static const std::vector<WidgetSnapshot::Point> none;
  const std::vector<WidgetSnapshot::Point>& points = s.history ? *s.history : none;
  if (points.size() < 2) {
    return Text::localized("History fills in over the day")
        .font(Font::textStyle(TextStyle::caption))
        .foregroundStyle(Color::secondary())
        .frame(FlexibleFrame{.maxWidth = infinity, .maxHeight = infinity});
  }
  std::vector<charts::ChartContent> content{
      charts::ForEach(points, [](const WidgetSnapshot::Point& p) { return secondsSince1970(p.t); }, sample)};
  if (s.limit <= 99) {
    content.push_back(charts::RuleMark(std::nullopt, std::nullopt, PlottableValue::value("Limit", static_cast<double>(s.limit)))
                          .foregroundStyle(Color::secondary())
                          .lineStyle(stroke(1, {3, 3})));
  }
  return charts::Chart(std::move(content))
      .chartYScale(charts::ScaleDomain{0, 100})
      .chartYAxis(charts::AxisContent{{charts::AxisMarks{charts::AxisMarkValues::values({0, 50, 100}), {charts::AxisGridLine{}}}}})
      .chartXAxis(charts::AxisContent{{charts::AxisMarks{charts::AxisMarkValues::strideHours(6),
                                                         {charts::AxisValueLabel{charts::HourFormat{charts::HourFormat::AmPM::abbreviated}}}}}});
}

}  // namespace pellora
