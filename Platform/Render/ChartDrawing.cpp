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
  double lo = plot.points.empty() ? 0 : plot.points.front().x, hi = lo;
  for (const auto& p : plot.points) { lo = std::min(lo, p.x); hi = std::max(hi, p.x); }
  map.x0 = plot.xLower.value_or(lo);
  map.x1 = plot.xUpper.value_or(hi);

  // 1. Grid lines, behind everything.
  for (double gy : plot.gridYs)
    list.stroke(Shape::fromPath(horizontal(map.y(gy), map.plot.minX(), map.plot.maxX())), plot.gridPaint,
                plot.gridStroke);

  // 2. The series in drawing coordinates, thinned to the plot's pixel columns.
  std::vector<ui::Point> pts;
  pts.reserve(plot.points.size());
  for (const auto& p : plot.points) pts.push_back({map.x(p.x), map.y(p.y)});
  const double columns = std::max(1.0, std::ceil(map.plot.width * pixelsPerPoint));
  if (double(pts.size()) > columns) pts = decimate(pts, map.plot.minX(), 1 / pixelsPerPoint);

  if (pts.size() >= 2) {
    const Path curve = plot.curve == ChartCurve::monotone ? monotoneCurve(pts) : polyline(pts);
    // Marks outside the domain are cut at the chart's frame, not drawn over its neighbours.
    list.pushClip(Shape::rectangle(frame));
    if (!plot.areaStops.empty()) {
      const double base = map.y(std::clamp(0.0, std::min(plot.yLower, plot.yUpper), std::max(plot.yLower, plot.yUpper)));
      Path area = curve;
      area.lineTo({pts.back().x, base}).lineTo({pts.front().x, base}).close();
      list.fill(Shape::fromPath(area),
                Paint::linear(plot.areaStops, {map.plot.midX(), map.plot.minY()}, {map.plot.midX(), base}));
    }
    if (plot.lineColor) list.stroke(Shape::fromPath(curve), Paint::solid(*plot.lineColor), plot.lineStroke);
    list.popClip();
  }

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
