#include <gtest/gtest.h>

#include "Platform/UI/Node.hpp"
#include "Platform/UI/UI.hpp"

namespace ui {
namespace {

static_assert(sizeof(Text) == sizeof(View) && sizeof(Image) == sizeof(View) && sizeof(Shape) == sizeof(View),
              "the typed views add no data, so they slice to View safely");
static_assert(std::is_nothrow_move_constructible_v<View>);

TEST(Font, SizesTextStylesFromOneTable) {
  struct Case {
    TextStyle style;
    double size;
    Weight weight;
  };
  const Case cases[] = {
      {TextStyle::largeTitle, 26, Weight::regular}, {TextStyle::title, 22, Weight::regular},
      {TextStyle::title2, 17, Weight::regular},     {TextStyle::title3, 15, Weight::regular},
      {TextStyle::headline, 13, Weight::semibold},  {TextStyle::body, 13, Weight::regular},
      {TextStyle::callout, 12, Weight::regular},    {TextStyle::subheadline, 11, Weight::regular},
      {TextStyle::footnote, 10, Weight::regular},   {TextStyle::caption, 10, Weight::regular},
      {TextStyle::caption2, 10, Weight::regular},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Font::textStyle(c.style).pointSize(), c.size) << name(c.style);
    EXPECT_EQ(Font::textStyle(c.style).resolvedWeight(), c.weight) << name(c.style);
    EXPECT_EQ(Font::textStyle(c.style, Weight::bold).resolvedWeight(), Weight::bold);
  }
  EXPECT_EQ(Font::system(40, Weight::semibold, Design::rounded).pointSize(), 40);
}

TEST(View, WrapsEachModifierAroundTheViewItAppliesTo) {
  View base = Text::verbatim("t");
  View modified = base.font(Font::textStyle(TextStyle::callout)).lineLimit(1).minimumScaleFactor(0.8);
  const auto* outer = nodeAs<ModifiedNode>(modified);
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(modifierName(outer->modifier), "minimumScaleFactor");
  const auto* middle = nodeAs<ModifiedNode>(outer->content);
  EXPECT_EQ(modifierName(middle->modifier), "lineLimit");
  const auto* inner = nodeAs<ModifiedNode>(middle->content);
  EXPECT_EQ(modifierName(inner->modifier), "font");
  EXPECT_EQ(inner->content.shared(), base.shared());  // the original is shared, not copied
}

TEST(View, StacksKeepTheirAlignmentSpacingAndChildren) {
  View h = HStack(VerticalAlignment::firstTextBaseline, 1, {Text::verbatim("7"), Text::localized("%")});
  const auto* node = nodeAs<HStackNode>(h);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->alignment, VerticalAlignment::firstTextBaseline);
  EXPECT_EQ(node->spacing, 1);
  EXPECT_EQ(node->children.size(), 2u);
  EXPECT_FALSE(nodeAs<VStackNode>(VStack({}))->spacing.has_value());  // the toolkit's default
  EXPECT_FALSE(nodeAs<SpacerNode>(Spacer())->minLength.has_value());
}

TEST(View, ImagesKeepResizingAndInterpolation) {
  auto picture = std::make_shared<imageio::Image>();
  View image = Image::platform(picture).resizable({}, ResizingMode::stretch).interpolation(Interpolation::high);
  const auto* node = nodeAs<ImageNode>(image);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->image, picture);
  ASSERT_TRUE(node->resizable.has_value());
  EXPECT_EQ(node->resizable->mode, ResizingMode::stretch);
  EXPECT_EQ(node->interpolation, Interpolation::high);
}

struct Family {
  using Value = int;
  static constexpr const char* name = "family";
  static Value defaultValue() { return 1; }
  static Json describe(const Value& v) { return v; }
};

TEST(Environment, CarriesTypedKeysOfOtherLayers) {
  Environment env;
  EXPECT_EQ(env.get<Family>(), 1);
  EXPECT_FALSE(env.has<Family>());
  env.set<Family>(3);
  EXPECT_EQ(env.get<Family>(), 3);

  const Json dump = dumpJSON(EnvironmentReader([](const Environment& e) {
                               return Text::verbatim(std::to_string(e.get<Family>()));
                             }).environment<Family>(2));
  EXPECT_EQ(dump.find("modifiers")->asArray().front(),
            Json::object({{"name", "environment"}, {"key", "family"}, {"value", 2}}));
  EXPECT_EQ(*dump.find("children")->asArray().front().find("text"), "2");
}

TEST(Environment, ModifiersSetTheToolkitsOwnValues) {
  Environment env;
  applyToEnvironment(FontModifier{Font::textStyle(TextStyle::caption)}, env);
  applyToEnvironment(ForegroundStyleModifier{Color::secondary()}, env);
  applyToEnvironment(LineLimitModifier{1}, env);
  applyToEnvironment(MinimumScaleFactorModifier{0.8}, env);
  applyToEnvironment(MonospacedDigitModifier{}, env);
  applyToEnvironment(ColorSchemeModifier{ColorScheme::dark}, env);
  EXPECT_EQ(env.font, Font::textStyle(TextStyle::caption));
  EXPECT_EQ(env.foregroundStyle, ShapeStyle(Color::secondary()));
  EXPECT_EQ(env.lineLimit, 1);
  EXPECT_EQ(env.minimumScaleFactor, 0.8);
  EXPECT_TRUE(env.monospacedDigit);
  EXPECT_EQ(env.colorScheme, ColorScheme::dark);
  EXPECT_FALSE(applyToEnvironment(PaddingModifier{}, env));
}

}  // namespace
}  // namespace ui

namespace ui {
namespace {

struct Tile {
  static constexpr std::string_view typeName = "Tile";
  View body() const {
    return Group({Text::verbatim("content")}).opacity(0.5).containerBackground(Color::fill(Level::tertiary), {"widget"});
  }
};

TEST(ContainerBackground, IsFoundThroughComponentsAndModifiers) {
  const View root = View(Tile{}).padding(4);
  EXPECT_EQ(findContainerBackground(root, "widget"), ShapeStyle(Color::fill(Level::tertiary)));
  EXPECT_FALSE(findContainerBackground(root, "navigation").has_value());
  EXPECT_FALSE(findContainerBackground(Text::verbatim("bare"), "widget").has_value());
  EXPECT_EQ(findContainerBackground(VStack({Text::verbatim("a"), root}), "widget"), ShapeStyle(Color::fill(Level::tertiary)));
}

}  // namespace
}  // namespace ui
