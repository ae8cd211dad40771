#pragma once
// The content of a chart: marks, one per data element, grouped by ForEach, each with its
// content modifiers in the order applied. Marks of one kind in one chart join into one series
// (the area marks into one filled area, the line marks into one line), in content order.
#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
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
  explicit ChartContent(std::shared_ptr<ContentNode> node) : node_(std::move(node)) {}
  ChartContent(std::vector<ChartContent> contents);  // NOLINT: several contents are one
  // Several contents as one, like the constructor above, but moved in: a braced list copies
  // each of its elements, and a long series makes a group for every point.
  template <class... C>
    requires(std::same_as<std::remove_cvref_t<C>, ChartContent> && ...)
  static ChartContent joined(C&&... contents) {
    std::vector<ChartContent> v;
    v.reserve(sizeof...(contents));
    (v.push_back(std::forward<C>(contents)), ...);
    return ChartContent(std::move(v));
  }

  const ContentNode& node() const { return *node_; }

  // A modifier on a content that nothing else shares is added in place (a chart of a long
  // series applies several to every point's marks); otherwise to a copy.
  ChartContent foregroundStyle(ui::ShapeStyle style) const&;
  ChartContent foregroundStyle(ui::ShapeStyle style) &&;
  ChartContent lineStyle(StrokeStyle style) const&;
  ChartContent lineStyle(StrokeStyle style) &&;
  ChartContent interpolationMethod(InterpolationMethod method) const&;
  ChartContent interpolationMethod(InterpolationMethod method) &&;

 private:
  ChartContent adding(ContentModifier modifier) &&;
  std::shared_ptr<ContentNode> node_;
};

// A ForEach's elements: `count` of them, each made with its identity when visited, so that a
// long series is never held as content all at once.
struct ForEachSource {
  std::size_t count = 0;
  std::function<std::string(std::size_t)> identity;
  std::function<ChartContent(std::size_t)> element;
};

struct ContentNode {
  enum class Kind { mark, forEach, group };
  Kind kind = Kind::group;
  Mark mark;                                   // kind == mark
  std::vector<ChartContent> children;          // kind == group
  std::shared_ptr<const ForEachSource> forEach;  // kind == forEach
  std::vector<ContentModifier> modifiers;      // in the order applied

  // Calls `f` with each child in order: a group's children, or a ForEach's elements.
  template <class F>
  void eachChild(F&& f) const {
    if (kind == Kind::forEach) {
      for (std::size_t i = 0; i < forEach->count; ++i) f(forEach->element(i));
    } else {
      for (const ChartContent& child : children) f(child);
    }
  }
};

ChartContent AreaMark(PlottableValue x, PlottableValue y, MarkStacking stacking = MarkStacking::standard);
ChartContent LineMark(PlottableValue x, PlottableValue y);
// A horizontal rule at y; from xStart to xEnd, or across the whole plot when both are absent.
ChartContent RuleMark(std::optional<PlottableValue> xStart, std::optional<PlottableValue> xEnd, PlottableValue y);

ChartContent ForEachContent(std::vector<std::pair<std::string, ChartContent>> elements);

// A ForEach of `count` elements, the i-th with identity(i) and content element(i).
ChartContent ForEachContent(std::size_t count, std::function<std::string(std::size_t)> identity,
                            std::function<ChartContent(std::size_t)> element);

// ForEach(points, [](const Point& p) { return p.t; }, [](const Point& p) -> ChartContent { … })
// The items are copied, and `content` is kept and called for each item whenever the chart is
// visited (drawn or dumped), after the caller has returned: capture by value.
template <class Range, class IdOf, class Content>
ChartContent ForEach(const Range& items, IdOf idOf, Content content) {
  using Item = std::decay_t<decltype(*std::begin(items))>;
  auto kept = std::make_shared<const std::vector<Item>>(std::begin(items), std::end(items));
  return ForEachContent(
      kept->size(), [kept, idOf](std::size_t i) { return ui::detail::identityText(idOf((*kept)[i])); },
      [kept, content](std::size_t i) { return ChartContent(content((*kept)[i])); });
}

// A mark with what its content modifiers resolve to (the innermost setting wins).
struct ResolvedMark {
  Mark mark;
  std::optional<ui::ShapeStyle> foregroundStyle;  // absent: the chart's default colour
  std::optional<StrokeStyle> lineStyle;
  std::optional<InterpolationMethod> interpolation;
};

// A mark with what its content modifiers resolve to, borrowed from the content: valid while
// the content lives. nullptr: no modifier sets it.
struct MarkInContext {
  const Mark* mark = nullptr;
  const ui::ShapeStyle* foregroundStyle = nullptr;
  const StrokeStyle* lineStyle = nullptr;
  const InterpolationMethod* interpolation = nullptr;
};

// Calls `visit` for every mark of the content in content order, copying nothing: a chart of a
// long series has a mark per point.
void visitMarks(const ChartContent& content, const std::function<void(const MarkInContext&)>& visit);

// Every mark of the content in content order, as copies.
std::vector<ResolvedMark> resolveMarks(const ChartContent& content);

}  // namespace charts
