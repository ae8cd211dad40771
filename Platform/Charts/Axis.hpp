#pragma once
// Axes and scales of a chart: where the axis marks fall and what each mark draws.
#include <optional>
#include <variant>
#include <vector>

#include "Platform/Charts/StrokeStyle.hpp"

namespace charts {

// Where marks fall: the scale's own choice, a fixed list of values, or every N calendar hours.
struct AxisMarkValues {
  enum class Kind { automatic, values, strideHours };
  Kind kind = Kind::automatic;
  std::vector<double> numbers;  // values
  int count = 1;                // strideHours: the stride, in hours

  static AxisMarkValues automatic() { return {}; }
  static AxisMarkValues values(std::vector<double> numbers) { return {Kind::values, std::move(numbers), 1}; }
  static AxisMarkValues strideHours(int count) { return {Kind::strideHours, {}, count}; }
  bool operator==(const AxisMarkValues&) const = default;
};

// A grid line across the plot at each mark; absent stroke: the default grid-line style.
struct AxisGridLine {
  std::optional<StrokeStyle> stroke;
  bool operator==(const AxisGridLine&) const = default;
};
struct AxisTick {
  std::optional<StrokeStyle> stroke;
  bool operator==(const AxisTick&) const = default;
};

// The format of a date mark's label: the hour in the user's locale, with its default digits
// and the AM/PM marker as the locale writes it, in the given width.
struct HourFormat {
  enum class AmPM { omitted, narrow, abbreviated, wide };
  AmPM amPM = AmPM::abbreviated;
  bool operator==(const HourFormat&) const = default;
};
struct AxisValueLabel {
  std::optional<HourFormat> format;  // absent: the scale's own label for the value
  bool operator==(const AxisValueLabel&) const = default;
};

using AxisMarkElement = std::variant<AxisGridLine, AxisTick, AxisValueLabel>;

// One set of marks: where they fall and what each one draws. Without elements, each mark draws
// the default grid line, tick and label.
struct AxisMarks {
  AxisMarkValues values;
  std::vector<AxisMarkElement> content;
  bool operator==(const AxisMarks&) const = default;
};

// An axis as chartXAxis/chartYAxis give it; absent from a chart: the default axis.
struct AxisContent {
  std::vector<AxisMarks> marks;
  bool operator==(const AxisContent&) const = default;
};

// The y scale's fixed domain, whatever the data.
struct ScaleDomain {
  double lower = 0;
  double upper = 1;
  bool operator==(const ScaleDomain&) const = default;
};

}  // namespace charts
