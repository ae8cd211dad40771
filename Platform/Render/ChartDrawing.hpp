#pragma once
// Drawing a chart of one series: a filled area and a line through the points, horizontal grid
// lines, horizontal rules and value labels along the x axis. The chart is plain data here, with
// colours already resolved; laying out a chart view turns the chart model into it.
#include <optional>
#include <string>
#include <vector>

#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/DisplayList.hpp"

namespace render {

enum class ChartCurve { linear, monotone };

struct ChartRule {
  double y = 0;  // in data units
  Paint paint;
  StrokeStyle stroke;
  bool operator==(const ChartRule&) const = default;
};

struct ChartLabel {
  double x = 0;  // in data units: where the label's mark falls
  std::string text;
  bool operator==(const ChartLabel&) const = default;
};

struct ChartPlot {
  std::vector<ui::Point> points;      // the line's series in data units, in its own order
  std::vector<ui::Point> areaPoints;  // the area's series; empty: the line's
  double yLower = 0, yUpper = 100;  // the y domain
  std::optional<double> xLower, xUpper;  // absent: the points' own extent
  ChartCurve curve = ChartCurve::monotone;

  // The area from the value 0 up to the curve, with a vertical gradient from the plot's top
  // (first stop) to the value 0 (last stop); empty stops: no area.
  std::vector<GradientStop> areaStops;
  std::optional<RGBA> lineColor;  // absent: no line
  StrokeStyle lineStroke = StrokeStyle::ofWidth(1.5);

  std::vector<double> gridYs;  // grid lines across the plot, in data units, behind the marks
  Paint gridPaint;
  StrokeStyle gridStroke = StrokeStyle::ofWidth(0.5);

  std::vector<ChartRule> rules;  // drawn over the area and the line

  std::vector<ChartLabel> xLabels;  // below the plot, each starting at its mark
  ui::Font labelFont = ui::Font::textStyle(ui::TextStyle::caption2);
  Paint labelPaint;

  bool operator==(const ChartPlot&) const = default;
};

// Where the plot lies inside a chart's frame: the frame less the band of the x labels.
ui::Rect plotRect(const ChartPlot& plot, const ui::Rect& frame, const layout::Measurer& measurer);

// The chart's commands for `frame`. Series longer than the plot's pixel columns (at
// `pixelsPerPoint`) are thinned first, keeping each column's extremes.
DisplayList drawChart(const ChartPlot& plot, const ui::Rect& frame, const layout::Measurer& measurer,
                      double pixelsPerPoint = 2);

}  // namespace render
