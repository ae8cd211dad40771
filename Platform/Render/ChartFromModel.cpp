#include "Platform/Render/ChartFromModel.hpp"

#include <algorithm>

#include "Platform/Render/Palette.hpp"

namespace render {

namespace {

StrokeStyle strokeOf(const charts::StrokeStyle& s) {
  StrokeStyle out;
  out.width = s.lineWidth;
  out.cap = static_cast<LineCap>(s.lineCap);
  out.join = static_cast<LineJoin>(s.lineJoin);
  out.miterLimit = s.miterLimit;
  out.dash = s.dash;
  out.dashPhase = s.dashPhase;
  return out;
}
static_assert(int(charts::LineCap::square) == int(LineCap::square) && int(charts::LineJoin::bevel) == int(LineJoin::bevel));

// A mark's colour when it sets none: the chart's accent.
const ui::Color defaultMarkColor = ui::Color::blue();
// The look of a grid line that sets no stroke of its own.
const ui::Color defaultGridColor = ui::Color::tertiary().withOpacity(0.6);
constexpr double defaultGridWidth = 0.5;

RGBA solidOf(const ui::ShapeStyle* style, ui::ColorScheme scheme) {
  if (!style) return resolve(defaultMarkColor, scheme);
  if (style->kind == ui::ShapeStyle::Kind::linearGradient && !style->gradient.colors.empty())
    return resolve(style->gradient.colors.front(), scheme);
  return resolve(style->color, scheme);
}

// An area's fill runs down the plot: its gradient's stops from the top to the bottom.
std::vector<GradientStop> areaStopsOf(const ui::ShapeStyle* style, ui::ColorScheme scheme) {
  if (!style) {
    const RGBA c = resolve(defaultMarkColor, scheme);
    return {{0, c}, {1, c}};
  }
  if (style->kind == ui::ShapeStyle::Kind::linearGradient && style->gradient.colors.size() >= 2) {
    const Paint p = resolvePaint(*style, scheme, ui::Rect{0, 0, 1, 1});
    std::vector<GradientStop> stops = p.stops;
    if (style->gradient.startPoint.y > style->gradient.endPoint.y) {
      std::reverse(stops.begin(), stops.end());
      for (auto& s : stops) s.offset = 1 - s.offset;
    }
    return stops;
  }
  if (style->kind == ui::ShapeStyle::Kind::standardGradient)
    return standardGradient(resolve(style->color, scheme), ui::Rect{0, 0, 1, 1}).stops;
  const RGBA c = solidOf(style, scheme);
  return {{0, c}, {1, c}};
}

}  // namespace

ChartPlot chartPlot(const charts::ChartModel& model, const ui::Environment& env, const HourFormatter& hours) {
  const ui::ColorScheme scheme = env.colorScheme;
  ChartPlot plot;
  plot.curve = ChartCurve::linear;
  plot.areaStops.clear();
  bool haveArea = false, haveCurve = false;
  double yMin = 0, yMax = 0;
  bool anyX = false;
  double xMin = 0, xMax = 0;
  auto seeX = [&](double x) {
    xMin = anyX ? std::min(xMin, x) : x;
    xMax = anyX ? std::max(xMax, x) : x;
    anyX = true;
  };

  // 1. The marks of one kind join into one series, in content order; the first mark's style
  //    is the series' style.
  charts::visitMarks(model.content, [&](const charts::MarkInContext& m) {
    const charts::Mark& mark = *m.mark;
    if (mark.kind == charts::MarkKind::rule) {
      if (!mark.y) return;
      ChartRule rule;
      rule.y = mark.y->position();
      rule.paint = Paint::solid(m.foregroundStyle ? solidOf(m.foregroundStyle, scheme) : resolve(ui::Color::secondary(), scheme));
      rule.stroke = m.lineStyle ? strokeOf(*m.lineStyle) : StrokeStyle::ofWidth(1);
      plot.rules.push_back(rule);
      yMin = std::min(yMin, rule.y);
      yMax = std::max(yMax, rule.y);
      if (mark.xStart) seeX(mark.xStart->position());
      if (mark.xEnd) seeX(mark.xEnd->position());
      return;
    }
    if (!mark.x || !mark.y) return;
    const ui::Point p{mark.x->position(), mark.y->position()};
    seeX(p.x);
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
    if (m.interpolation && !haveCurve) {
      haveCurve = true;
      const auto method = *m.interpolation;
      // The smooth methods are drawn with the curve that never overshoots; steps as lines.
      plot.curve = (method == charts::InterpolationMethod::monotone || method == charts::InterpolationMethod::catmullRom ||
                    method == charts::InterpolationMethod::cardinal)
                       ? ChartCurve::monotone
                       : ChartCurve::linear;
    }
    if (mark.kind == charts::MarkKind::area) {
      if (!haveArea) plot.areaStops = areaStopsOf(m.foregroundStyle, scheme);
      haveArea = true;
      plot.areaPoints.push_back(p);
    } else {
      if (!plot.lineColor) {
        plot.lineColor = solidOf(m.foregroundStyle, scheme);
        plot.lineStroke = m.lineStyle ? strokeOf(*m.lineStyle) : StrokeStyle::ofWidth(2);
      }
      plot.points.push_back(p);
    }
  });
  // An area alone is drawn without a line.
  if (plot.points.empty()) plot.points.swap(plot.areaPoints);

  // 2. Scales: a fixed domain where the chart sets one, else the data's range with zero.
  if (const auto y = env.get<charts::YScaleKey>()) {
    plot.yLower = y->lower;
    plot.yUpper = y->upper;
  } else {
    plot.yLower = yMin;
    plot.yUpper = yMax > yMin ? yMax : yMin + 1;
  }
  if (const auto x = env.get<charts::XScaleKey>()) {
    plot.xLower = x->lower;
    plot.xUpper = x->upper;
  } else if (anyX) {
    plot.xLower = xMin;
    plot.xUpper = xMax;
  }

  // 3. Axes: grid lines across the plot at the y axis' values; labels at the x axis' marks.
  plot.gridPaint = Paint::solid(resolve(defaultGridColor, scheme));
  plot.gridStroke = StrokeStyle::ofWidth(defaultGridWidth);
  plot.labelPaint = Paint::solid(resolve(ui::Color::secondary(), scheme));
  if (const auto axis = env.get<charts::YAxisKey>()) {
    for (const auto& marks : axis->marks) {
      if (marks.values.kind != charts::AxisMarkValues::Kind::values) continue;
      for (const auto& element : marks.content) {
        const auto* grid = std::get_if<charts::AxisGridLine>(&element);
        if (!grid) continue;
        if (grid->stroke) plot.gridStroke = strokeOf(*grid->stroke);
        plot.gridYs.insert(plot.gridYs.end(), marks.values.numbers.begin(), marks.values.numbers.end());
      }
    }
  }
  if (const auto axis = env.get<charts::XAxisKey>(); axis && plot.xLower && plot.xUpper) {
    for (const auto& marks : axis->marks) {
      const bool labelled = std::any_of(marks.content.begin(), marks.content.end(), [](const auto& e) {
        return std::holds_alternative<charts::AxisValueLabel>(e);
      });
      if (!labelled) continue;
      std::vector<double> at;
      if (marks.values.kind == charts::AxisMarkValues::Kind::strideHours)
        at = hours.marks(*plot.xLower, *plot.xUpper, marks.values.count);
      else if (marks.values.kind == charts::AxisMarkValues::Kind::values)
        at = marks.values.numbers;
      for (double t : at) plot.xLabels.push_back({t, hours.label(t)});
    }
  }
  return plot;
}

}  // namespace render
