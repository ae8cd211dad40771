#include "Platform/Charts/Chart.hpp"

#include "Platform/UI/Custom.hpp"
#include "Platform/UI/Describe.hpp"

namespace charts {

namespace {

ui::Json describe(const PlottableValue& v) {
  ui::Json o = ui::Json::object({{"label", v.label}});
  if (v.isDate()) o.set("date", v.position());
  else o.set("value", v.position());
  return o;
}

ui::Json describe(const ScaleDomain& d) { return ui::Json(ui::Json::Array{d.lower, d.upper}); }

const char* markType(MarkKind kind) {
  switch (kind) {
    case MarkKind::area: return "AreaMark";
    case MarkKind::line: return "LineMark";
    case MarkKind::rule: return "RuleMark";
  }
  return "Mark";
}

const char* stackingName(MarkStacking s) {
  switch (s) {
    case MarkStacking::standard: return "standard";
    case MarkStacking::normalized: return "normalized";
    case MarkStacking::center: return "center";
    case MarkStacking::unstacked: return "unstacked";
  }
  return "standard";
}

ui::Json describe(const ContentModifier& modifier) {
  if (const auto* m = std::get_if<ForegroundStyleModifier>(&modifier))
    return ui::Json::object({{"name", "foregroundStyle"}, {"style", ui::describe(m->style)}});
  if (const auto* m = std::get_if<LineStyleModifier>(&modifier))
    return ui::Json::object({{"name", "lineStyle"}, {"style", charts::describe(m->style)}});
  const auto& m = std::get<InterpolationMethodModifier>(modifier);
  return ui::Json::object({{"name", "interpolationMethod"}, {"method", name(m.method)}});
}

ui::Json describe(const AxisMarkValues& v) {
  switch (v.kind) {
    case AxisMarkValues::Kind::automatic: return "automatic";
    case AxisMarkValues::Kind::values: {
      ui::Json a = ui::Json::Array{};
      for (double n : v.numbers) a.push(n);
      return a;
    }
    case AxisMarkValues::Kind::strideHours:
      return ui::Json::object({{"stride", "hour"}, {"count", v.count}});
  }
  return ui::Json();
}

ui::Json describe(const AxisMarkElement& e) {
  if (const auto* g = std::get_if<AxisGridLine>(&e)) {
    ui::Json o = ui::Json::object({{"type", "AxisGridLine"}});
    if (g->stroke) o.set("stroke", describe(*g->stroke));
    return o;
  }
  if (const auto* t = std::get_if<AxisTick>(&e)) {
    ui::Json o = ui::Json::object({{"type", "AxisTick"}});
    if (t->stroke) o.set("stroke", describe(*t->stroke));
    return o;
  }
  const auto& l = std::get<AxisValueLabel>(e);
  ui::Json o = ui::Json::object({{"type", "AxisValueLabel"}});
  if (l.format) {
    const char* amPM[] = {"omitted", "narrow", "abbreviated", "wide"};
    o.set("format", ui::Json::object({{"dateTime", "hour"}, {"amPM", amPM[static_cast<int>(l.format->amPM)]}}));
  }
  return o;
}

template <class Key>
ui::View setting(const ui::View& view, typename Key::Value value, ui::Json shown) {
  return view.modifier(Key::name, "", std::move(shown),
                       [value = std::move(value)](ui::Environment& env) { env.set<Key>(value); });
}

}  // namespace

ui::Json describe(const StrokeStyle& s) {
  ui::Json dash = ui::Json::Array{};
  for (double d : s.dash) dash.push(d);
  return ui::Json::object({{"lineWidth", s.lineWidth}, {"lineCap", name(s.lineCap)},
                           {"lineJoin", name(s.lineJoin)}, {"miterLimit", s.miterLimit},
                           {"dash", std::move(dash)}, {"dashPhase", s.dashPhase}});
}

ui::Json describe(const ChartContent& content) {
  const ContentNode& node = content.node();
  ui::Json o = ui::Json::object();
  switch (node.kind) {
    case ContentNode::Kind::mark:
      o.set("type", markType(node.mark.kind));
      if (node.mark.x) o.set("x", describe(*node.mark.x));
      if (node.mark.xStart) o.set("xStart", describe(*node.mark.xStart));
      if (node.mark.xEnd) o.set("xEnd", describe(*node.mark.xEnd));
      if (node.mark.y) o.set("y", describe(*node.mark.y));
      if (node.mark.kind == MarkKind::area) o.set("stacking", stackingName(node.mark.stacking));
      break;
    case ContentNode::Kind::forEach: {
      o.set("type", "ForEach");
      ui::Json ids = ui::Json::Array{};
      for (std::size_t i = 0; i < node.forEach->count; ++i) ids.push(node.forEach->identity(i));
      o.set("ids", std::move(ids));
      break;
    }
    case ContentNode::Kind::group:
      o.set("type", "Group");
      break;
  }
  ui::Json modifiers = ui::Json::Array{};
  for (const auto& m : node.modifiers) modifiers.push(describe(m));
  o.set("modifiers", std::move(modifiers));
  ui::Json children = ui::Json::Array{};
  node.eachChild([&](const ChartContent& child) { children.push(describe(child)); });
  o.set("children", std::move(children));
  return o;
}

ui::Json describe(const AxisContent& axis) {
  ui::Json marks = ui::Json::Array{};
  for (const auto& m : axis.marks) {
    ui::Json content = ui::Json::Array{};
    for (const auto& e : m.content) content.push(describe(e));
    marks.push(ui::Json::object({{"type", "AxisMarks"}, {"values", describe(m.values)}, {"content", std::move(content)}}));
  }
  return marks;
}

Chart::Chart(ChartContent content)
    : ui::View(ui::customView(ui::CustomLeaf{"Chart", ChartModel{content},
                                             [content] { return ui::Json::object({{"content", describe(content)}}); },
                                             ui::Size{10, 10}})) {}

Chart Chart::chartYScale(ScaleDomain domain) const {
  return Chart(setting<YScaleKey>(*this, domain, ui::Json::object({{"domain", describe(domain)}})));
}
Chart Chart::chartXScale(ScaleDomain domain) const {
  return Chart(setting<XScaleKey>(*this, domain, ui::Json::object({{"domain", describe(domain)}})));
}
Chart Chart::chartXAxis(AxisContent axis) const {
  ui::Json shown = ui::Json::object({{"marks", describe(axis)}});
  return Chart(setting<XAxisKey>(*this, std::move(axis), std::move(shown)));
}
Chart Chart::chartYAxis(AxisContent axis) const {
  ui::Json shown = ui::Json::object({{"marks", describe(axis)}});
  return Chart(setting<YAxisKey>(*this, std::move(axis), std::move(shown)));
}

}  // namespace charts
