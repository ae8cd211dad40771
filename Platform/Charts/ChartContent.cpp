#include "Platform/Charts/ChartContent.hpp"

namespace charts {

namespace {
ChartContent make(ContentNode node) { return ChartContent(std::make_shared<const ContentNode>(std::move(node))); }

ChartContent withModifier(const ChartContent& content, ContentModifier modifier) {
  ContentNode node = content.node();
  node.modifiers.push_back(std::move(modifier));
  return make(std::move(node));
}

ChartContent markContent(Mark mark) {
  ContentNode node;
  node.kind = ContentNode::Kind::mark;
  node.mark = std::move(mark);
  return make(std::move(node));
}

// A node's modifiers are kept in the order applied, the innermost first. Resolution walks from
// the root and, within a node, from its outermost modifier in, so the setting closest to a mark
// wins, as environment values do.
void collect(const ChartContent& content, ResolvedMark inherited, std::vector<ResolvedMark>& out) {
  const ContentNode& node = content.node();
  for (auto it = node.modifiers.rbegin(); it != node.modifiers.rend(); ++it) {
    const ContentModifier& modifier = *it;
    if (const auto* m = std::get_if<ForegroundStyleModifier>(&modifier)) inherited.foregroundStyle = m->style;
    if (const auto* m = std::get_if<LineStyleModifier>(&modifier)) inherited.lineStyle = m->style;
    if (const auto* m = std::get_if<InterpolationMethodModifier>(&modifier)) inherited.interpolation = m->method;
  }
  if (node.kind == ContentNode::Kind::mark) {
    inherited.mark = node.mark;
    out.push_back(std::move(inherited));
    return;
  }
  for (const auto& child : node.children) collect(child, inherited, out);
}
}  // namespace

ChartContent::ChartContent(std::vector<ChartContent> contents) {
  ContentNode node;
  node.kind = ContentNode::Kind::group;
  node.children = std::move(contents);
  node_ = std::make_shared<const ContentNode>(std::move(node));
}

ChartContent ChartContent::foregroundStyle(ui::ShapeStyle style) const {
  return withModifier(*this, ForegroundStyleModifier{std::move(style)});
}
ChartContent ChartContent::lineStyle(StrokeStyle style) const {
  return withModifier(*this, LineStyleModifier{std::move(style)});
}
ChartContent ChartContent::interpolationMethod(InterpolationMethod method) const {
  return withModifier(*this, InterpolationMethodModifier{method});
}

ChartContent AreaMark(PlottableValue x, PlottableValue y, MarkStacking stacking) {
  Mark m;
  m.kind = MarkKind::area;
  m.x = std::move(x);
  m.y = std::move(y);
  m.stacking = stacking;
  return markContent(std::move(m));
}

ChartContent LineMark(PlottableValue x, PlottableValue y) {
  Mark m;
  m.kind = MarkKind::line;
  m.x = std::move(x);
  m.y = std::move(y);
  return markContent(std::move(m));
}

ChartContent RuleMark(std::optional<PlottableValue> xStart, std::optional<PlottableValue> xEnd, PlottableValue y) {
  Mark m;
  m.kind = MarkKind::rule;
  m.xStart = std::move(xStart);
  m.xEnd = std::move(xEnd);
  m.y = std::move(y);
  return markContent(std::move(m));
}

ChartContent ForEachContent(std::vector<std::pair<std::string, ChartContent>> elements) {
  ContentNode node;
  node.kind = ContentNode::Kind::forEach;
  for (auto& [identity, content] : elements) {
    node.identities.push_back(std::move(identity));
    node.children.push_back(std::move(content));
  }
  return make(std::move(node));
}

std::vector<ResolvedMark> resolveMarks(const ChartContent& content) {
  std::vector<ResolvedMark> out;
  collect(content, ResolvedMark{}, out);
  return out;
}

}  // namespace charts
