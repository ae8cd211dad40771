#pragma once
// The view toolkit's handle: a view is an immutable tree of nodes, shared by cheap copies.
// Every modifier returns a new view that wraps this one, so the order of modifiers is kept
// and no view ever holds coordinates (layout computes frames apart from the tree).
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/Font.hpp"
#include "Platform/UI/Geometry.hpp"
#include "Platform/UI/Json.hpp"
#include "Platform/UI/Style.hpp"

namespace ui {

struct Node;
class View;

// A component: a value with a type name and a body. Converting it to a View keeps the name,
// so a dump reads like the widget's own structure:
//   struct ModeLabel { static constexpr std::string_view typeName = "ModeLabel"; ui::View body() const; };
template <class C>
concept Component = requires(const C& c) {
  { C::typeName } -> std::convertible_to<std::string_view>;
  { c.body() } -> std::convertible_to<View>;
};

// A fixed frame: each given length is the view's size on that axis.
struct FixedFrame {
  std::optional<double> width = std::nullopt;
  std::optional<double> height = std::nullopt;
  Alignment alignment = Alignment::center();
  bool operator==(const FixedFrame&) const = default;
};

// A flexible frame: bounds on the size that the view may take; ui::infinity is unbounded.
struct FlexibleFrame {
  std::optional<double> minWidth = std::nullopt, idealWidth = std::nullopt, maxWidth = std::nullopt;
  std::optional<double> minHeight = std::nullopt, idealHeight = std::nullopt, maxHeight = std::nullopt;
  Alignment alignment = Alignment::center();
  bool operator==(const FlexibleFrame&) const = default;
};

// Where a container background belongs; the widget host names its own placements.
struct ContainerBackgroundPlacement {
  std::string name;
  bool operator==(const ContainerBackgroundPlacement&) const = default;
};

// How a change of content animates; numericText rolls digits towards the new value.
struct ContentTransition {
  enum class Kind { identity, opacity, interpolate, numericText };
  Kind kind = Kind::identity;
  std::optional<double> value;  // numericText(value:)
  static ContentTransition numericText(double value) { return {Kind::numericText, value}; }
  static ContentTransition numericText() { return {Kind::numericText, std::nullopt}; }
  static ContentTransition identity() { return {Kind::identity, std::nullopt}; }
  static ContentTransition opacity() { return {Kind::opacity, std::nullopt}; }
  static ContentTransition interpolate() { return {Kind::interpolate, std::nullopt}; }
  bool operator==(const ContentTransition&) const = default;
};

class View {
 public:
  // An empty view: takes no space and draws nothing.
  View();
  explicit View(std::shared_ptr<const Node> node);
  // A component's body, kept under the component's type name.
  template <Component C>
  View(const C& component)  // NOLINT: a component is a view
      : View(named(std::string(C::typeName), View(component.body()))) {}

  const Node& node() const { return *node_; }
  const std::shared_ptr<const Node>& shared() const { return node_; }

  // A component node: `body` shown under the type name `typeName`.
  static View named(std::string typeName, View body);

  // Environment modifiers (they flow down to everything inside).
  View font(Font font) const;
  View foregroundStyle(ShapeStyle style) const;
  View lineLimit(std::optional<int> lines) const;
  View minimumScaleFactor(double factor) const;
  View monospacedDigit() const;
  View multilineTextAlignment(TextAlignment alignment) const;
  View colorScheme(ColorScheme scheme) const;
  // Sets a typed environment key for everything inside.
  template <EnvironmentKey K>
  View environment(typename K::Value value) const {
    Json shown;
    if constexpr (requires { K::describe(value); }) shown = K::describe(value);
    return modifier("environment", K::name, std::move(shown),
                    [value = std::move(value)](Environment& env) { env.set<K>(value); });
  }

  // Layout modifiers.
  View frame(FixedFrame frame) const;
  View frame(std::optional<double> width, std::optional<double> height,
             Alignment alignment = Alignment::center()) const;
  View frame(FlexibleFrame frame) const;
  View padding(EdgeSet edges = EdgeSet::all(), std::optional<double> length = std::nullopt) const;
  View padding(double length) const;
  View padding(EdgeInsets insets) const;
  View offset(double x, double y) const;
  View background(View background, Alignment alignment = Alignment::center()) const;
  View background(ShapeStyle style) const;  // the style filling the view's bounds

  // Drawing modifiers.
  View opacity(double opacity) const;
  View containerBackground(ShapeStyle style, ContainerBackgroundPlacement placement) const;
  View contentTransition(ContentTransition transition) const;

  // Identity.
  View id(std::string identity) const;
  View id(std::int64_t identity) const;

  // A modifier of another layer that sets environment values for everything inside: `name`
  // is what dumps call it, `keyName` the typed key's name (or empty), `shownValue` what dumps
  // show of its values (use environment<K>() for a single typed key).
  View modifier(std::string name, std::string keyName, Json shownValue,
                std::function<void(Environment&)> apply) const;

 private:
  std::shared_ptr<const Node> node_;
};

// An argument of a localizable text's format: an integer (%lld, %d), a number (%f, %.Nf) or a
// text (%@).
using FormatArgument = std::variant<std::int64_t, double, std::string>;

namespace detail {
template <class T>
FormatArgument toFormatArgument(T&& value) {
  using U = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<U, bool>) return static_cast<std::int64_t>(value ? 1 : 0);
  else if constexpr (std::is_integral_v<U>) return static_cast<std::int64_t>(value);
  else if constexpr (std::is_floating_point_v<U>) return static_cast<double>(value);
  else return std::string(std::forward<T>(value));
}
}  // namespace detail

// Texts. A verbatim text is shown as given; a localizable text is a key (its development-
// language wording, with C-format placeholders) plus the arguments to substitute.
class Text : public View {
 public:
  static Text verbatim(std::string content);
  template <class... Args>
  static Text localized(std::string key, Args&&... args) {
    return localizedWith(std::move(key), {detail::toFormatArgument(std::forward<Args>(args))...});
  }
  static Text localizedWith(std::string key, std::vector<FormatArgument> arguments);

 private:
  explicit Text(View v) : View(std::move(v)) {}
};

}  // namespace ui
