#include "Platform/Render/ChartDrawing.hpp"

#include <algorithm>
#include <cmath>

#include "Platform/Render/Decimate.hpp"
#include "Platform/Render/MonotoneCurve.hpp"

namespace render {

namespace {

// Between the plot's bottom and the top of the labels.
constexpr double labelGap = 4;
// Between a label and its mark's position.
constexpr double labelInset = 2;

struct Mapping {
  ui::Rect plot;
  double x0, x1, y0, y1;
  double x(double v) const {
    if (!(x1 > x0)) return plot.midX();
    return plot.x + (v - x0) / (x1 - x0) * plot.width;
  }
  double y(double v) const {
    if (!(y1 > y0)) return plot.midY();
    return plot.maxY() - (v - y0) / (y1 - y0) * plot.height;
  }
};

layout::TextMeasure measureLabel(const ChartPlot& plot, const std::string& text, const layout::Measurer& m) {
  layout::TextRequest r;
  r.text = text;
  r.font = plot.labelFont;
  r.lineLimit = 1;
  return m.measureText(r);
}

Path horizontal(double y, double fromX, double toX) {
  Path p;
  p.moveTo({fromX, y}).lineTo({toX, y});
  return p;
}

}  // namespace

ui::Rect plotRect(const ChartPlot& plot, const ui::Rect& frame, const layout::Measurer& measurer) {
  if (plot.xLabels.empty()) return frame;
  const double band = measureLabel(plot, "0", measurer).height + labelGap;
  return {frame.x, frame.y, frame.width, std::max(0.0, frame.height - band)};
}

DisplayList drawChart(const ChartPlot& plot, const ui::Rect& frame, const layout::Measurer& measurer,
                      double pixelsPerPoint) {
  DisplayList list;
  Mapping map{plotRect(plot, frame, measurer), 0, 0, plot.yLower, plot.yUpper};
  double lo = 0, hi = 0;
  bool any = false;
  for (const auto* series : {&plot.points, &plot.areaPoints})
    for (const auto& p : *series) {
      lo = any ? std::min(lo, p.x) : p.x;
      hi = any ? std::max(hi, p.x) : p.x;
      any = true;
    }
  map.x0 = plot.xLower.value_or(lo);
  map.x1 = plot.xUpper.value_or(hi);

  // 1. Grid lines, behind everything.
  for (double gy : plot.gridYs)
    list.stroke(Shape::fromPath(horizontal(map.y(gy), map.plot.minX(), map.plot.maxX())), plot.gridPaint,
                plot.gridStroke);

  // 2. The area, then the line: each series in drawing coordinates, thinned to the plot's
  //    pixel columns. Marks outside the domain are cut at the chart's frame.
  const double columns = std::max(1.0, std::ceil(map.plot.width * pixelsPerPoint));
  bool thinned = false;
  auto curveThrough = [&](const std::vector<ui::Point>& series, std::vector<ui::Point>& pts) {
    pts.clear();
    for (const auto& p : series) pts.push_back({map.x(p.x), map.y(p.y)});
    // A series denser than the pixel columns is thinned to each column's extremes and drawn
    // with straight steps: a pixel apart, a curve and its chord are the same pixels, and
    // flattening thousands of curve pieces would cost the stroke several times over.
    thinned = double(pts.size()) > columns;
    if (thinned) {
      pts = decimate(pts, map.plot.minX(), 1 / pixelsPerPoint);
      return polyline(pts);
    }
    return plot.curve == ChartCurve::monotone ? monotoneCurve(pts) : polyline(pts);
  };
  const std::vector<ui::Point>& areaSeries = plot.areaPoints.empty() ? plot.points : plot.areaPoints;
  const bool area = !plot.areaStops.empty() && areaSeries.size() >= 2;
  const bool line = plot.lineColor && plot.points.size() >= 2;
  if (area || line) list.pushClip(Shape::rectangle(frame));
  std::vector<ui::Point> pts;
  if (area) {
    const double base = map.y(std::clamp(0.0, std::min(plot.yLower, plot.yUpper), std::max(plot.yLower, plot.yUpper)));
    Path path = curveThrough(areaSeries, pts);
    path.lineTo({pts.back().x, base}).lineTo({pts.front().x, base}).close();
    list.fill(Shape::fromPath(path),
              Paint::linear(plot.areaStops, {map.plot.midX(), map.plot.minY()}, {map.plot.midX(), base}));
  }
  if (line) {
    Path path = curveThrough(plot.points, pts);
    StrokeStyle stroke = plot.lineStroke;
    // The steps of a thinned series turn back on themselves within a pixel column: a miter
    // there would draw a spike many pixels long that no point has, so they join bevelled.
    if (thinned && stroke.join == LineJoin::miter) stroke.join = LineJoin::bevel;
    list.stroke(Shape::fromPath(path), Paint::solid(*plot.lineColor), stroke);
  }
  if (area || line) list.popClip();

  // 3. Rules over the marks.
  for (const auto& rule : plot.rules)
    list.stroke(Shape::fromPath(horizontal(map.y(rule.y), map.plot.minX(), map.plot.maxX())), rule.paint,
                rule.stroke);

  // 4. Labels below the plot, each starting just after its mark; a label that would leave the
  //    frame or run into the one before it is left out.
  double freeFrom = frame.minX();
  for (const auto& label : plot.xLabels) {
    const auto m = measureLabel(plot, label.text, measurer);
    const double x = map.x(label.x) + labelInset;
    if (x < frame.minX() - 1e-9 || x + m.width > frame.maxX() + 1e-9 || x < freeFrom) continue;
    TextCommand t;
    t.text = label.text;
    t.font = textFont(plot.labelFont);
    t.size = plot.labelFont.pointSize();
    t.paint = plot.labelPaint;
    t.origin = {x, map.plot.maxY() + labelGap};
    t.lineLimit = 1;
    list.add(std::move(t));
    freeFrom = x + m.width + labelGap;
  }
  return list;
}

}  // namespace render
