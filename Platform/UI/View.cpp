#include "Platform/UI/View.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

namespace {
const std::shared_ptr<const Node>& emptyNode() {
  static const auto node = std::make_shared<const Node>(Node{EmptyNode{}});
  return node;
}

View wrap(const View& content, Modifier modifier) {
  return makeView(ModifiedNode{std::move(modifier), content});
}
}  // namespace

View::View() : node_(emptyNode()) {}
View::View(std::shared_ptr<const Node> node) : node_(node ? std::move(node) : emptyNode()) {}

View View::named(std::string typeName, View body) {
  return makeView(ComponentNode{std::move(typeName), std::move(body)});
}

View View::font(Font font) const { return wrap(*this, FontModifier{font}); }
View View::foregroundStyle(ShapeStyle style) const { return wrap(*this, ForegroundStyleModifier{std::move(style)}); }
View View::lineLimit(std::optional<int> lines) const { return wrap(*this, LineLimitModifier{lines}); }
View View::minimumScaleFactor(double factor) const { return wrap(*this, MinimumScaleFactorModifier{factor}); }
View View::monospacedDigit() const { return wrap(*this, MonospacedDigitModifier{}); }
View View::multilineTextAlignment(TextAlignment alignment) const {
  return wrap(*this, MultilineTextAlignmentModifier{alignment});
}
View View::colorScheme(ColorScheme scheme) const { return wrap(*this, ColorSchemeModifier{scheme}); }
View View::modifier(std::string name, std::string keyName, Json shownValue,
                    std::function<void(Environment&)> apply) const {
  return wrap(*this, EnvironmentValueModifier{std::move(name), std::move(keyName), std::move(shownValue),
                                              std::move(apply)});
}

View View::frame(FixedFrame frame) const { return wrap(*this, FixedFrameModifier{frame}); }
View View::frame(std::optional<double> width, std::optional<double> height, Alignment alignment) const {
  return frame(FixedFrame{width, height, alignment});
}
View View::frame(FlexibleFrame frame) const { return wrap(*this, FlexibleFrameModifier{frame}); }
View View::padding(EdgeSet edges, std::optional<double> length) const {
  return wrap(*this, PaddingModifier{edges, length, std::nullopt});
}
View View::padding(double length) const { return padding(EdgeSet::all(), length); }
View View::padding(EdgeInsets insets) const {
  return wrap(*this, PaddingModifier{EdgeSet::all(), std::nullopt, insets});
}
View View::offset(double x, double y) const { return wrap(*this, OffsetModifier{x, y}); }
View View::background(View background, Alignment alignment) const {
  return wrap(*this, BackgroundModifier{std::move(background), alignment});
}
View View::background(ShapeStyle style) const {
  return background(makeView(ShapeNode{ShapeKind::rectangle, 0, RoundedCornerStyle::circular,
                                       ShapeFill{std::move(style), FillStyle{}}}));
}

View View::opacity(double opacity) const { return wrap(*this, OpacityModifier{opacity}); }
View View::containerBackground(ShapeStyle style, ContainerBackgroundPlacement placement) const {
  return wrap(*this, ContainerBackgroundModifier{std::move(style), std::move(placement)});
}
View View::contentTransition(ContentTransition transition) const {
  return wrap(*this, ContentTransitionModifier{transition});
}

View View::id(std::string identity) const { return wrap(*this, IdModifier{std::move(identity)}); }
View View::id(std::int64_t identity) const { return id(std::to_string(identity)); }

Text Text::verbatim(std::string content) {
  return Text(makeView(TextNode{true, std::move(content), {}}));
}

Text Text::localizedWith(std::string key, std::vector<FormatArgument> arguments) {
  return Text(makeView(TextNode{false, std::move(key), std::move(arguments)}));
}

}  // namespace ui
