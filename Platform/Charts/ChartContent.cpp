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

// A mark's node, made in place: a chart of a long series makes two for every point.
ChartContent markContent(MarkKind kind, PlottableValue x, PlottableValue y, MarkStacking stacking) {
  auto node = std::make_shared<ContentNode>();
  node->kind = ContentNode::Kind::mark;
  node->mark.kind = kind;
  node->mark.x.emplace(std::move(x));
  node->mark.y.emplace(std::move(y));
  node->mark.stacking = stacking;
  return ChartContent(std::move(node));
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

ChartContent::ChartContent(std::vector<ChartContent> contents) : node_(std::make_shared<ContentNode>()) {
  node_->kind = ContentNode::Kind::group;
  node_->children = std::move(contents);
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
  return markContent(MarkKind::area, std::move(x), std::move(y), stacking);
}

ChartContent LineMark(PlottableValue x, PlottableValue y) {
  return markContent(MarkKind::line, std::move(x), std::move(y), MarkStacking::standard);
}

ChartContent RuleMark(std::optional<PlottableValue> xStart, std::optional<PlottableValue> xEnd, PlottableValue y) {
  ContentNode node;
  node.kind = ContentNode::Kind::mark;
  node.mark.kind = MarkKind::rule;
  node.mark.xStart = std::move(xStart);
  node.mark.xEnd = std::move(xEnd);
  node.mark.y = std::move(y);
  return make(std::move(node));
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
  node.forEach = std::make_shared<const ForEachSource>(ForEachSource{count, std::move(identity), std::move(element)});
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
