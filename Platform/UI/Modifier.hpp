#pragma once
// The modifiers of the view toolkit, as data. A modified view is a node holding one modifier
// and the view it applies to.
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "Platform/UI/View.hpp"

namespace ui {

struct FontModifier { Font font; };
struct ForegroundStyleModifier { ShapeStyle style; };
struct LineLimitModifier { std::optional<int> lines; };
struct MinimumScaleFactorModifier { double factor = 1; };
struct MonospacedDigitModifier {};
struct MultilineTextAlignmentModifier { TextAlignment alignment = TextAlignment::leading; };
struct ColorSchemeModifier { ColorScheme scheme = ColorScheme::light; };
// Environment values set for the subtree by another layer: a typed key (name "environment"),
// or a modifier of that layer's own name that sets its keys (a chart's scale, for example).
struct EnvironmentValueModifier {
  std::string name;     // what a dump calls the modifier
  std::string keyName;  // the typed key's name, or empty for a named modifier
  Json shownValue;      // what a dump shows; for a named modifier, an object of its values
  std::function<void(Environment&)> apply;
};

struct FixedFrameModifier { FixedFrame frame; };
struct FlexibleFrameModifier { FlexibleFrame frame; };
struct PaddingModifier {
  EdgeSet edges = EdgeSet::all();
  std::optional<double> length;  // absent: the toolkit's default padding
  std::optional<EdgeInsets> insets;  // set instead of edges/length by padding(EdgeInsets)
};
struct OffsetModifier { double x = 0, y = 0; };
struct BackgroundModifier { View background; Alignment alignment; };

struct OpacityModifier { double opacity = 1; };
struct ContainerBackgroundModifier { ShapeStyle style; ContainerBackgroundPlacement placement; };
struct ContentTransitionModifier { ContentTransition transition; };
struct IdModifier { std::string identity; };

using Modifier = std::variant<FontModifier, ForegroundStyleModifier, LineLimitModifier,
                              MinimumScaleFactorModifier, MonospacedDigitModifier,
                              MultilineTextAlignmentModifier, ColorSchemeModifier,
                              EnvironmentValueModifier, FixedFrameModifier, FlexibleFrameModifier,
                              PaddingModifier, OffsetModifier, BackgroundModifier, OpacityModifier,
                              ContainerBackgroundModifier, ContentTransitionModifier, IdModifier>;

// The modifier's name as a dump shows it ("font", "frame", "padding", …).
std::string modifierName(const Modifier& modifier);

// Applies an environment modifier to `env`; other modifiers leave it unchanged.
// Returns whether the modifier is one that only sets environment values.
bool applyToEnvironment(const Modifier& modifier, Environment& env);

}  // namespace ui
