#include "Platform/UI/Describe.hpp"

#include "Platform/UI/Localization.hpp"
#include "Platform/UI/Node.hpp"

namespace ui {

namespace {
template <class... F>
struct Overloaded : F... { using F::operator()...; };
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

const char* levelName(Level level) {
  switch (level) {
    case Level::primary: return "primary";
    case Level::secondary: return "secondary";
    case Level::tertiary: return "tertiary";
    case Level::quaternary: return "quaternary";
  }
  return "primary";
}

const char* systemColorName(SystemColor c) {
  switch (c) {
    case SystemColor::green: return "green";
    case SystemColor::orange: return "orange";
    case SystemColor::red: return "red";
    case SystemColor::blue: return "blue";
    case SystemColor::gray: return "gray";
    case SystemColor::white: return "white";
    case SystemColor::black: return "black";
    case SystemColor::clear: return "clear";
  }
  return "clear";
}

std::string describe(UnitPoint p) {
  if (p == UnitPoint::top()) return "top";
  if (p == UnitPoint::bottom()) return "bottom";
  if (p == UnitPoint::leading()) return "leading";
  if (p == UnitPoint::trailing()) return "trailing";
  if (p == UnitPoint{}) return "center";
  return "(" + formatNumber(p.x) + ", " + formatNumber(p.y) + ")";
}

// A length, or null when absent.
Json length(const std::optional<double>& v) { return v ? Json(*v) : Json(); }

void setIf(Json& o, const char* key, const std::optional<double>& v) {
  if (v) o.set(key, *v);
}

const char* shapeName(ShapeKind kind) {
  switch (kind) {
    case ShapeKind::rectangle: return "Rectangle";
    case ShapeKind::roundedRectangle: return "RoundedRectangle";
    case ShapeKind::capsule: return "Capsule";
    case ShapeKind::circle: return "Circle";
  }
  return "Rectangle";
}
}  // namespace

std::string describe(const Font& font) {
  std::string out;
  if (font.style) {
    out = name(*font.style);
    if (font.weight) out += std::string(".") + name(*font.weight);
  } else {
    out = "system(size: " + formatNumber(font.size) + ", weight: " + name(font.resolvedWeight());
    if (font.design != Design::standard) out += std::string(", design: ") + name(font.design);
    out += ")";
    return out;
  }
  if (font.design != Design::standard) out += std::string(".") + name(font.design);
  return out;
}

std::string describe(const Color& color) {
  std::string out;
  switch (color.kind) {
    case Color::Kind::system: out = systemColorName(color.system); break;
    case Color::Kind::label: out = levelName(color.level); break;
    case Color::Kind::fill:
      out = color.level == Level::primary ? "fill" : std::string("fill.") + levelName(color.level);
      break;
    case Color::Kind::rgb:
      out = "rgb(" + formatNumber(color.r) + ", " + formatNumber(color.g) + ", " + formatNumber(color.b) + ")";
      break;
  }
  if (color.opacity != 1) out += ".opacity(" + formatNumber(color.opacity) + ")";
  return out;
}

Json describe(const ShapeStyle& style) {
  switch (style.kind) {
    case ShapeStyle::Kind::color: return describe(style.color);
    case ShapeStyle::Kind::standardGradient: return describe(style.color) + ".gradient";
    case ShapeStyle::Kind::linearGradient: {
      Json colors = Json::Array{};
      for (const auto& c : style.gradient.colors) colors.push(describe(c));
      Json g = Json::object();
      g.set("colors", std::move(colors));
      g.set("startPoint", describe(style.gradient.startPoint));
      g.set("endPoint", describe(style.gradient.endPoint));
      return Json::object({{"linearGradient", std::move(g)}});
    }
  }
  return Json();
}

std::string describe(HorizontalAlignment a) {
  switch (a) {
    case HorizontalAlignment::leading: return "leading";
    case HorizontalAlignment::center: return "center";
    case HorizontalAlignment::trailing: return "trailing";
  }
  return "center";
}

std::string describe(VerticalAlignment a) {
  switch (a) {
    case VerticalAlignment::top: return "top";
    case VerticalAlignment::center: return "center";
    case VerticalAlignment::bottom: return "bottom";
    case VerticalAlignment::firstTextBaseline: return "firstTextBaseline";
    case VerticalAlignment::lastTextBaseline: return "lastTextBaseline";
  }
  return "center";
}

std::string describe(const Alignment& a) {
  const bool hCenter = a.horizontal == HorizontalAlignment::center;
  const bool vCenter = a.vertical == VerticalAlignment::center;
  if (hCenter && vCenter) return "center";
  if (vCenter) return describe(a.horizontal);
  if (hCenter) return describe(a.vertical);
  std::string h = describe(a.horizontal);
  h[0] = static_cast<char>(h[0] - 'a' + 'A');
  return describe(a.vertical) + h;  // topLeading, bottomTrailing, …
}

std::string describe(TextAlignment a) {
  switch (a) {
    case TextAlignment::leading: return "leading";
    case TextAlignment::center: return "center";
    case TextAlignment::trailing: return "trailing";
  }
  return "leading";
}

std::string describe(EdgeSet edges) {
  if (edges == EdgeSet::all()) return "all";
  if (edges == EdgeSet::horizontal()) return "horizontal";
  if (edges == EdgeSet::vertical()) return "vertical";
  std::string out;
  const std::pair<Edge, const char*> names[] = {
      {Edge::top, "top"}, {Edge::leading, "leading"}, {Edge::bottom, "bottom"}, {Edge::trailing, "trailing"}};
  for (const auto& [edge, n] : names)
    if (edges.contains(edge)) out += (out.empty() ? "" : ",") + std::string(n);
  return out.empty() ? "none" : out;
}

std::string describe(ColorScheme scheme) { return scheme == ColorScheme::dark ? "dark" : "light"; }

Json describeNode(const Node& node) {
  Json o = Json::object();
  std::visit(Overloaded{
      [&](const EmptyNode&) { o.set("type", "EmptyView"); },
      [&](const HStackNode& n) {
        o.set("type", "HStack");
        o.set("alignment", describe(n.alignment));
        o.set("spacing", length(n.spacing));
      },
      [&](const VStackNode& n) {
        o.set("type", "VStack");
        o.set("alignment", describe(n.alignment));
        o.set("spacing", length(n.spacing));
      },
      [&](const ZStackNode& n) {
        o.set("type", "ZStack");
        o.set("alignment", describe(n.alignment));
      },
      [&](const GroupNode&) { o.set("type", "Group"); },
      [&](const ForEachNode& n) {
        o.set("type", "ForEach");
        Json ids = Json::Array{};
        for (const auto& e : n.elements) ids.push(e.identity);
        o.set("ids", std::move(ids));
      },
      [&](const TextNode& n) {
        o.set("type", "Text");
        o.set("text", resolvedText(n));
        o.set("verbatim", n.verbatim);
        if (!n.verbatim) {
          o.set("key", n.content);
          if (!n.arguments.empty()) {
            Json args = Json::Array{};
            for (const auto& a : n.arguments)
              std::visit([&](const auto& v) { args.push(Json(v)); }, a);
            o.set("arguments", std::move(args));
          }
        }
      },
      [&](const ImageNode& n) {
        o.set("type", "Image");
        if (n.systemName) o.set("systemName", *n.systemName);
        if (n.image) {
          o.set("image", Json::object({{"width", n.image->width}, {"height", n.image->height}}));
        } else if (!n.systemName) {
          o.set("image", Json());
        }
        if (n.resizable) {
          const auto& c = n.resizable->capInsets;
          o.set("resizable", Json::object({
              {"capInsets", Json::object({{"top", c.top}, {"leading", c.leading},
                                          {"bottom", c.bottom}, {"trailing", c.trailing}})},
              {"resizingMode", n.resizable->mode == ResizingMode::tile ? "tile" : "stretch"}}));
        }
        if (n.interpolation) {
          const char* names[] = {"none", "low", "medium", "high"};
          o.set("interpolation", names[static_cast<int>(*n.interpolation)]);
        }
      },
      [&](const SpacerNode& n) {
        o.set("type", "Spacer");
        o.set("minLength", length(n.minLength));
      },
      [&](const ShapeNode& n) {
        o.set("type", shapeName(n.kind));
        if (n.kind == ShapeKind::roundedRectangle) o.set("cornerRadius", n.cornerRadius);
        if (n.kind == ShapeKind::roundedRectangle || n.kind == ShapeKind::capsule)
          o.set("cornerStyle", n.cornerStyle == RoundedCornerStyle::continuous ? "continuous" : "circular");
        if (n.fill) {
          o.set("fill", Json::object({{"style", describe(n.fill->style)},
                                      {"eoFill", n.fill->fillStyle.eoFill},
                                      {"antialiased", n.fill->fillStyle.antialiased}}));
        }
      },
      [&](const GeometryReaderNode&) { o.set("type", "GeometryReader"); },
      [&](const EnvironmentReaderNode&) { o.set("type", "EnvironmentReader"); },
      [&](const ComponentNode& n) { o.set("type", n.typeName); },
      [&](const CustomNode& n) {
        o.set("type", n.typeName);
        if (!n.properties) return;
        const Json properties = n.properties();
        if (properties.isObject())
          for (const auto& [k, v] : properties.asObject()) o.set(k, v);
      },
      [&](const ModifiedNode&) { o.set("type", "ModifiedContent"); },
  }, node.kind);
  return o;
}

Json describeModifier(const Modifier& modifier, const std::function<Json(const View&)>& dumpView) {
  Json o = Json::object();
  o.set("name", modifierName(modifier));
  std::visit(Overloaded{
      [&](const FontModifier& m) { o.set("font", describe(m.font)); },
      [&](const ForegroundStyleModifier& m) { o.set("style", describe(m.style)); },
      [&](const LineLimitModifier& m) { o.set("lines", m.lines ? Json(*m.lines) : Json()); },
      [&](const MinimumScaleFactorModifier& m) { o.set("factor", m.factor); },
      [&](const MonospacedDigitModifier&) {},
      [&](const MultilineTextAlignmentModifier& m) { o.set("alignment", describe(m.alignment)); },
      [&](const ColorSchemeModifier& m) { o.set("scheme", describe(m.scheme)); },
      [&](const EnvironmentValueModifier& m) {
        if (!m.keyName.empty()) {
          o.set("key", m.keyName);
          o.set("value", m.shownValue);
        } else if (m.shownValue.isObject()) {
          for (const auto& [k, v] : m.shownValue.asObject()) o.set(k, v);
        } else if (!m.shownValue.isNull()) {
          o.set("value", m.shownValue);
        }
      },
      [&](const FixedFrameModifier& m) {
        setIf(o, "width", m.frame.width);
        setIf(o, "height", m.frame.height);
        o.set("alignment", describe(m.frame.alignment));
      },
      [&](const FlexibleFrameModifier& m) {
        setIf(o, "minWidth", m.frame.minWidth);
        setIf(o, "idealWidth", m.frame.idealWidth);
        setIf(o, "maxWidth", m.frame.maxWidth);
        setIf(o, "minHeight", m.frame.minHeight);
        setIf(o, "idealHeight", m.frame.idealHeight);
        setIf(o, "maxHeight", m.frame.maxHeight);
        o.set("alignment", describe(m.frame.alignment));
      },
      [&](const PaddingModifier& m) {
        if (m.insets) {
          o.set("insets", Json::object({{"top", m.insets->top}, {"leading", m.insets->leading},
                                        {"bottom", m.insets->bottom}, {"trailing", m.insets->trailing}}));
        } else {
          o.set("edges", describe(m.edges));
          o.set("length", length(m.length));
        }
      },
      [&](const OffsetModifier& m) {
        o.set("x", m.x);
        o.set("y", m.y);
      },
      [&](const BackgroundModifier& m) {
        o.set("alignment", describe(m.alignment));
        o.set("content", dumpView(m.background));
      },
      [&](const OpacityModifier& m) { o.set("opacity", m.opacity); },
      [&](const ContainerBackgroundModifier& m) {
        o.set("style", describe(m.style));
        o.set("placement", m.placement.name);
      },
      [&](const ContentTransitionModifier& m) {
        const char* kinds[] = {"identity", "opacity", "interpolate", "numericText"};
        o.set("transition", kinds[static_cast<int>(m.transition.kind)]);
        if (m.transition.value) o.set("value", *m.transition.value);
      },
      [&](const IdModifier& m) { o.set("id", m.identity); },
  }, modifier);
  return o;
}

}  // namespace ui
