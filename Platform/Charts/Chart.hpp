#pragma once
// A chart: a view of the toolkit that takes the size offered to it. Its marks are its payload;
// its scales and axes are set by chart modifiers, which flow down as environment values so
// that the renderer finds them in the chart's resolved environment:
//   const charts::ChartModel* model = ui::customPayload<charts::ChartModel>(view);
//   env.get<charts::YScaleKey>(), env.get<charts::XAxisKey>(), env.get<charts::YAxisKey>()
#include <optional>
#include <vector>

#include "Platform/Charts/Axis.hpp"
#include "Platform/Charts/ChartContent.hpp"
#include "Platform/UI/Json.hpp"
#include "Platform/UI/View.hpp"

namespace charts {

struct ChartModel {
  ChartContent content;
};

struct YScaleKey {
  using Value = std::optional<ScaleDomain>;
  static constexpr const char* name = "chartYScale";
  static Value defaultValue() { return std::nullopt; }
};
struct XScaleKey {
  using Value = std::optional<ScaleDomain>;
  static constexpr const char* name = "chartXScale";
  static Value defaultValue() { return std::nullopt; }
};
struct XAxisKey {
  using Value = std::optional<AxisContent>;  // absent: the default axis
  static constexpr const char* name = "chartXAxis";
  static Value defaultValue() { return std::nullopt; }
};
struct YAxisKey {
  using Value = std::optional<AxisContent>;
  static constexpr const char* name = "chartYAxis";
  static Value defaultValue() { return std::nullopt; }
};

class Chart : public ui::View {
 public:
  explicit Chart(ChartContent content);
  Chart(std::vector<ChartContent> contents) : Chart(ChartContent(std::move(contents))) {}  // NOLINT

  Chart chartYScale(ScaleDomain domain) const;
  Chart chartXScale(ScaleDomain domain) const;
  Chart chartXAxis(AxisContent axis) const;
  Chart chartYAxis(AxisContent axis) const;

 private:
  explicit Chart(ui::View v) : ui::View(std::move(v)) {}
};

// How dumps show chart values.
ui::Json describe(const ChartContent& content);
ui::Json describe(const AxisContent& axis);
ui::Json describe(const StrokeStyle& stroke);

}  // namespace charts
