#pragma once
// The content of a chart: marks, one per data element, grouped by ForEach, each with its
// content modifiers in the order applied. Marks of one kind in one chart join into one series
// (the area marks into one filled area, the line marks into one line), in content order.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "Platform/Charts/Plottable.hpp"
#include "Platform/Charts/StrokeStyle.hpp"
#include "Platform/UI/ForEach.hpp"
#include "Platform/UI/Style.hpp"

namespace charts {

enum class MarkKind { area, line, rule };
enum class MarkStacking { standard, normalized, center, unstacked };

struct Mark {
  MarkKind kind = MarkKind::line;
  std::optional<PlottableValue> x;       // area, line
  std::optional<PlottableValue> y;       // area, line, rule
  std::optional<PlottableValue> xStart;  // rule; absent with xEnd: across the whole plot
  std::optional<PlottableValue> xEnd;
  MarkStacking stacking = MarkStacking::standard;  // area: from 0 up to the value
};

struct ForegroundStyleModifier { ui::ShapeStyle style; };
struct LineStyleModifier { StrokeStyle style; };
struct InterpolationMethodModifier { InterpolationMethod method; };
using ContentModifier = std::variant<ForegroundStyleModifier, LineStyleModifier, InterpolationMethodModifier>;

struct ContentNode;

class ChartContent {
 public:
  explicit ChartContent(std::shared_ptr<const ContentNode> node) : node_(std::move(node)) {}
  ChartContent(std::vector<ChartContent> contents);  // NOLINT: several contents are one

  const ContentNode& node() const { return *node_; }

  ChartContent foregroundStyle(ui::ShapeStyle style) const;
  ChartContent lineStyle(StrokeStyle style) const;
  ChartContent interpolationMethod(InterpolationMethod method) const;

 private:
  std::shared_ptr<const ContentNode> node_;
};

struct ContentNode {
  enum class Kind { mark, forEach, group };
  Kind kind = Kind::group;
  Mark mark;                             // kind == mark
  std::vector<std::string> identities;   // kind == forEach: one per child
  std::vector<ChartContent> children;    // forEach, group
  std::vector<ContentModifier> modifiers;  // in the order applied
};

ChartContent AreaMark(PlottableValue x, PlottableValue y, MarkStacking stacking = MarkStacking::standard);
ChartContent LineMark(PlottableValue x, PlottableValue y);
// A horizontal rule at y; from xStart to xEnd, or across the whole plot when both are absent.
ChartContent RuleMark(std::optional<PlottableValue> xStart, std::optional<PlottableValue> xEnd, PlottableValue y);

ChartContent ForEachContent(std::vector<std::pair<std::string, ChartContent>> elements);

// ForEach(points, [](const Point& p) { return p.t; }, [](const Point& p) -> ChartContent { … })
template <class Range, class IdOf, class Content>
ChartContent ForEach(const Range& items, IdOf idOf, Content content) {
  std::vector<std::pair<std::string, ChartContent>> elements;
  for (const auto& item : items)
    elements.emplace_back(ui::detail::identityText(idOf(item)), ChartContent(content(item)));
  return ForEachContent(std::move(elements));
}

// A mark with what its content modifiers resolve to (the innermost setting wins).
struct ResolvedMark {
  Mark mark;
  std::optional<ui::ShapeStyle> foregroundStyle;  // absent: the chart's default colour
  std::optional<StrokeStyle> lineStyle;
  std::optional<InterpolationMethod> interpolation;
};

// Every mark of the content in content order, for the renderer.
std::vector<ResolvedMark> resolveMarks(const ChartContent& content);

}  // namespace charts
