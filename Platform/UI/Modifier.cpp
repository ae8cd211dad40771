#include "Platform/UI/Modifier.hpp"

namespace ui {

namespace {
template <class... F>
struct Overloaded : F... { using F::operator()...; };
template <class... F>
Overloaded(F...) -> Overloaded<F...>;
}  // namespace

std::string modifierName(const Modifier& modifier) {
  if (const auto* m = std::get_if<EnvironmentValueModifier>(&modifier)) return m->name;
  return std::visit(Overloaded{
      [](const FontModifier&) { return "font"; },
      [](const ForegroundStyleModifier&) { return "foregroundStyle"; },
      [](const LineLimitModifier&) { return "lineLimit"; },
      [](const MinimumScaleFactorModifier&) { return "minimumScaleFactor"; },
      [](const MonospacedDigitModifier&) { return "monospacedDigit"; },
      [](const MultilineTextAlignmentModifier&) { return "multilineTextAlignment"; },
      [](const ColorSchemeModifier&) { return "colorScheme"; },
      [](const EnvironmentValueModifier&) { return "environment"; },
      [](const FixedFrameModifier&) { return "frame"; },
      [](const FlexibleFrameModifier&) { return "frame"; },
      [](const PaddingModifier&) { return "padding"; },
      [](const OffsetModifier&) { return "offset"; },
      [](const BackgroundModifier&) { return "background"; },
      [](const OpacityModifier&) { return "opacity"; },
      [](const ContainerBackgroundModifier&) { return "containerBackground"; },
      [](const ContentTransitionModifier&) { return "contentTransition"; },
      [](const IdModifier&) { return "id"; },
  }, modifier);
}

bool applyToEnvironment(const Modifier& modifier, Environment& env) {
  return std::visit(Overloaded{
      [&](const FontModifier& m) { env.font = m.font; return true; },
      [&](const ForegroundStyleModifier& m) { env.foregroundStyle = m.style; return true; },
      [&](const LineLimitModifier& m) { env.lineLimit = m.lines; return true; },
      [&](const MinimumScaleFactorModifier& m) { env.minimumScaleFactor = m.factor; return true; },
      [&](const MonospacedDigitModifier&) { env.monospacedDigit = true; return true; },
      [&](const MultilineTextAlignmentModifier& m) { env.multilineTextAlignment = m.alignment; return true; },
      [&](const ColorSchemeModifier& m) { env.colorScheme = m.scheme; return true; },
      [&](const EnvironmentValueModifier& m) { if (m.apply) m.apply(env); return true; },
      [](const auto&) { return false; },
  }, modifier);
}

}  // namespace ui
