#include <gtest/gtest.h>

#include "Platform/UI/UI.hpp"

namespace ui {
namespace {

// A component as the widget's views are written: a type name and a body.
struct Badge {
  static constexpr std::string_view typeName = "Badge";
  std::string title;
  View body() const {
    return HStack(VerticalAlignment::center, 4,
                  {Image::system("bolt.fill").font(Font::textStyle(TextStyle::caption2, Weight::bold)),
                   Text::verbatim(title).font(Font::textStyle(TextStyle::caption, Weight::semibold)).lineLimit(1)})
        .foregroundStyle(Color::green());
  }
};

View emptyState() {
  return VStack(HorizontalAlignment::center, 6,
                {Image::system("battery.100percent.bolt").font(Font::textStyle(TextStyle::title2)).foregroundStyle(Color::green()),
                 Text::localized("Open Pellora to start")
                     .font(Font::textStyle(TextStyle::caption))
                     .foregroundStyle(Color::secondary())
                     .multilineTextAlignment(TextAlignment::center)})
      .frame({.maxWidth = infinity, .maxHeight = infinity});
}

TEST(Dump, ShowsTypesPropertiesModifiersInOrderAndChildren) {
  const Json dump = dumpJSON(emptyState());
  const Json expected = Json::object({
      {"type", "VStack"}, {"alignment", "center"}, {"spacing", 6},
      {"modifiers", Json::Array{Json::object({{"name", "frame"}, {"maxWidth", infinity}, {"maxHeight", infinity},
                                              {"alignment", "center"}})}},
      {"children", Json::Array{
           Json::object({{"type", "Image"}, {"systemName", "battery.100percent.bolt"},
                         {"modifiers", Json::Array{Json::object({{"name", "font"}, {"font", "title2"}}),
                                                   Json::object({{"name", "foregroundStyle"}, {"style", "green"}})}},
                         {"children", Json::Array{}}}),
           Json::object({{"type", "Text"}, {"text", "Open Pellora to start"}, {"verbatim", false},
                         {"key", "Open Pellora to start"},
                         {"modifiers", Json::Array{Json::object({{"name", "font"}, {"font", "caption"}}),
                                                   Json::object({{"name", "foregroundStyle"}, {"style", "secondary"}}),
                                                   Json::object({{"name", "multilineTextAlignment"}, {"alignment", "center"}})}},
                         {"children", Json::Array{}}})}}});
  EXPECT_EQ(dump, expected) << dump.pretty();
}

TEST(Dump, KeepsComponentNamesAroundTheirBodies) {
  const Json dump = dumpJSON(View(Badge{"On battery"}).padding(EdgeSet::top(), 4));
  EXPECT_EQ(*dump.find("type"), "Badge");
  EXPECT_EQ(dump.find("modifiers")->asArray().front(),
            Json::object({{"name", "padding"}, {"edges", "top"}, {"length", 4}}));
  const Json& stack = dump.find("children")->asArray().front();
  EXPECT_EQ(*stack.find("type"), "HStack");
  const Json& title = stack.find("children")->asArray()[1];
  EXPECT_EQ(*title.find("text"), "On battery");
  EXPECT_EQ(*title.find("verbatim"), true);
  EXPECT_EQ(*title.find("modifiers")->asArray()[0].find("font"), "caption.semibold");
  EXPECT_EQ(*title.find("modifiers")->asArray()[1].find("lines"), 1);
}

TEST(Dump, DescribesValuesInTheToolkitsSpelling) {
  struct Case {
    View view;
    const char* key;
    Json expected;
  };
  const Case cases[] = {
      {Text::verbatim("7").font(Font::system(40, Weight::semibold, Design::rounded)), "font",
       "system(size: 40, weight: semibold, design: rounded)"},
      {Text::verbatim("x").foregroundStyle(Color::orange().withOpacity(0.65)), "style", "orange.opacity(0.65)"},
      {Text::verbatim("x").foregroundStyle(ShapeStyle::standardGradient(Color::green())), "style", "green.gradient"},
      {Text::verbatim("x").containerBackground(Color::fill(Level::tertiary), {"widget"}), "style", "fill.tertiary"},
      {Text::verbatim("x").contentTransition(ContentTransition::numericText(7)), "transition", "numericText"},
      {Text::verbatim("x").frame(128, std::nullopt), "width", 128},
      {Text::verbatim("x").frame({.maxWidth = infinity, .alignment = Alignment::leading()}), "alignment", "leading"},
      {Text::verbatim("x").offset(-1, 0), "x", -1},
      {Text::verbatim("x").id("Safari"), "id", "Safari"},
      {Text::verbatim("x").opacity(0.5), "opacity", 0.5},
      {Text::verbatim("x").padding(EdgeSet::vertical(), 6), "edges", "vertical"},
      {Text::verbatim("x").padding(), "length", Json()},
  };
  for (const auto& c : cases) {
    const Json dump = dumpJSON(c.view);
    const Json& modifier = dump.find("modifiers")->asArray().back();
    ASSERT_NE(modifier.find(c.key), nullptr) << modifier.serialize();
    EXPECT_EQ(*modifier.find(c.key), c.expected) << modifier.serialize();
  }
}

TEST(Dump, ShowsShapesWithTheirFill) {
  const Json dump = dumpJSON(Capsule(RoundedCornerStyle::continuous).fill(Color::quaternary()));
  EXPECT_EQ(dump, Json::object({{"type", "Capsule"}, {"cornerStyle", "continuous"},
                                {"fill", Json::object({{"style", "quaternary"}, {"eoFill", false}, {"antialiased", true}})},
                                {"modifiers", Json::Array{}}, {"children", Json::Array{}}}));
  EXPECT_EQ(*dumpJSON(RoundedRectangle(7, RoundedCornerStyle::continuous)).find("cornerRadius"), 7);
}

TEST(Dump, EvaluatesGeometryReadersAtTheGivenSize) {
  View reader = GeometryReader([](const GeometryProxy& g) {
    return Capsule().frame(std::max(g.size.width * 50 / 100, 5.0), g.size.height);
  });
  DumpOptions options;
  options.geometrySize = {200, 6};
  const Json dump = dumpJSON(reader, options);
  EXPECT_EQ(*dump.find("size"), Json::object({{"width", 200}, {"height", 6}}));
  const Json& capsule = dump.find("children")->asArray().front();
  EXPECT_EQ(*capsule.find("modifiers")->asArray().front().find("width"), 100);
}

TEST(Dump, ListsForEachIdentities) {
  const std::vector<std::string> names{"Safari", "Mail"};
  const Json dump = dumpJSON(ForEach(names, [](const std::string& n) { return n; },
                                     [](const std::string& n) { return Text::verbatim(n); }));
  EXPECT_EQ(*dump.find("ids"), Json(Json::Array{"Safari", "Mail"}));
  EXPECT_EQ(dump.find("children")->asArray().size(), 2u);
}

TEST(Dump, WritesIndentedText) {
  const std::string text = dumpText(View(Badge{"Charging"}));
  EXPECT_EQ(text,
            "Badge\n"
            "  HStack alignment=\"center\" spacing=4\n"
            "    .foregroundStyle(style: \"green\")\n"
            "    Image systemName=\"bolt.fill\"\n"
            "      .font(font: \"caption2.bold\")\n"
            "    Text text=\"Charging\" verbatim=true\n"
            "      .font(font: \"caption.semibold\")\n"
            "      .lineLimit(lines: 1)\n");
}

}  // namespace
}  // namespace ui
