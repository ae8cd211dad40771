#include "Platform/Charts/ChartContent.hpp"

namespace charts {

namespace {
ChartContent make(ContentNode node) { return ChartContent(std::make_shared<ContentNode>(std::move(node))); }

ChartContent withModifier(const ChartContent& content, ContentModifier modifier) {
  ContentNode node = content.node();
  node.modifiers.push_back(std::move(modifier));
  return make(std::move(node));
}

// A content's node, to change in place when this content alone holds it.
ContentNode* ownNode(std::shared_ptr<ContentNode>& node) { return node.use_count() == 1 ? node.get() : nullptr; }

ChartContent markContent(Mark mark) {
  ContentNode node;
  node.kind = ContentNode::Kind::mark;
  node.mark = std::move(mark);
  return make(std::move(node));
}

// A node's modifiers are kept in the order applied, the innermost first. Resolution walks from
// the root and, within a node, from its outermost modifier in, so the setting closest to a mark
// wins, as environment values do.
void collect(const ChartContent& content, MarkInContext inherited, const std::function<void(const MarkInContext&)>& visit) {
  const ContentNode& node = content.node();
  for (auto it = node.modifiers.rbegin(); it != node.modifiers.rend(); ++it) {
    const ContentModifier& modifier = *it;
    if (const auto* m = std::get_if<ForegroundStyleModifier>(&modifier)) inherited.foregroundStyle = &m->style;
    if (const auto* m = std::get_if<LineStyleModifier>(&modifier)) inherited.lineStyle = &m->style;
    if (const auto* m = std::get_if<InterpolationMethodModifier>(&modifier)) inherited.interpolation = &m->method;
  }
  if (node.kind == ContentNode::Kind::mark) {
    inherited.mark = &node.mark;
    visit(inherited);
    return;
  }
  node.eachChild([&](const ChartContent& child) { collect(child, inherited, visit); });
}
}  // namespace

ChartContent::ChartContent(std::vector<ChartContent> contents) {
  ContentNode node;
  node.kind = ContentNode::Kind::group;
  node.children = std::move(contents);
  node_ = std::make_shared<ContentNode>(std::move(node));
}

ChartContent ChartContent::foregroundStyle(ui::ShapeStyle style) const& {
  return withModifier(*this, ForegroundStyleModifier{std::move(style)});
}
ChartContent ChartContent::lineStyle(StrokeStyle style) const& {
  return withModifier(*this, LineStyleModifier{std::move(style)});
}
ChartContent ChartContent::interpolationMethod(InterpolationMethod method) const& {
  return withModifier(*this, InterpolationMethodModifier{method});
}

ChartContent ChartContent::adding(ContentModifier modifier) && {
  if (ContentNode* node = ownNode(node_)) {
    if (node->modifiers.empty()) node->modifiers.reserve(3);
    node->modifiers.push_back(std::move(modifier));
    return std::move(*this);
  }
  return withModifier(*this, std::move(modifier));
}

ChartContent ChartContent::foregroundStyle(ui::ShapeStyle style) && {
  return std::move(*this).adding(ForegroundStyleModifier{std::move(style)});
}
ChartContent ChartContent::lineStyle(StrokeStyle style) && {
  return std::move(*this).adding(LineStyleModifier{std::move(style)});
}
ChartContent ChartContent::interpolationMethod(InterpolationMethod method) && {
  return std::move(*this).adding(InterpolationMethodModifier{method});
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
  auto kept = std::make_shared<const std::vector<std::pair<std::string, ChartContent>>>(std::move(elements));
  return ForEachContent(
      kept->size(), [kept](std::size_t i) { return (*kept)[i].first; },
      [kept](std::size_t i) { return (*kept)[i].second; });
}

ChartContent ForEachContent(std::size_t count, std::function<std::string(std::size_t)> identity,
                            std::function<ChartContent(std::size_t)> element) {
  ContentNode node;
  node.kind = ContentNode::Kind::forEach;
  node.count = count;
  node.identity = std::move(identity);
  node.element = std::move(element);
  return make(std::move(node));
}

void visitMarks(const ChartContent& content, const std::function<void(const MarkInContext&)>& visit) {
  collect(content, MarkInContext{}, visit);
}

std::vector<ResolvedMark> resolveMarks(const ChartContent& content) {
  std::vector<ResolvedMark> out;
  visitMarks(content, [&](const MarkInContext& m) {
    ResolvedMark r{*m.mark, std::nullopt, std::nullopt, std::nullopt};
    if (m.foregroundStyle) r.foregroundStyle = *m.foregroundStyle;
    if (m.lineStyle) r.lineStyle = *m.lineStyle;
    if (m.interpolation) r.interpolation = *m.interpolation;
    out.push_back(std::move(r));
  });
  return out;
}

}  // namespace charts
