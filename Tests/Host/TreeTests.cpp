#include <gtest/gtest.h>
#include <simdjson.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "PictureFiles.hpp"
#include "ProgramRun.hpp"

namespace {

using pellora::WidgetSnapshot;
namespace dom = simdjson::dom;

struct Frame {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Frame&) const = default;
};

std::string stringOr(dom::element node, const char* key) {
  std::string_view value;
  return node[key].get(value) == simdjson::SUCCESS ? std::string(value) : std::string();
}

Frame frameOf(dom::element node) {
  dom::element f = node["frame"];
  return {double(f["x"]), double(f["y"]), double(f["width"]), double(f["height"])};
}

// Calls `visit(node, parent)` for every node of a dump, the views that modifiers carry (such
// as backgrounds) included; `parent` is absent at the root.
void walk(dom::element node, std::optional<dom::element> parent,
          const std::function<void(dom::element, std::optional<dom::element>)>& visit) {
  visit(node, parent);
  for (dom::element child : node["children"].get_array()) walk(child, node, visit);
  for (dom::element modifier : node["modifiers"].get_array()) {
    for (auto [key, value] : modifier.get_object()) {
      if (value.is_object() && !value["type"].error()) walk(value, node, visit);
    }
  }
}

// What a dump shows, flattened: component and primitive names, texts, symbol names, opacities.
struct Shown {
  std::set<std::string> types;
  std::vector<std::string> texts;
  std::set<std::string> symbols;
  std::vector<double> opacities;
};

class TreeTest : public hosttest::HostTest {
 protected:
  // The JSON dump of `tree ARGS --json`, which must succeed with one line.
  dom::element tree(std::vector<std::string> args) {
    args.insert(args.begin(), "tree");
    args.push_back("--json");
    const hosttest::Outcome r = runAtHome(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
    text_ = r.out;
    return parser_.parse(text_);
  }

  // An hour-old snapshot on battery with two applications, changed by `change`.
  static WidgetSnapshot withChanges(const std::function<void(WidgetSnapshot&)>& change) {
    WidgetSnapshot s = snapshot(72, 80, 3600);
    s.topApps = {{.name = "Safari", .watts = 1.8}, {.name = "Mail", .watts = 0.3}};
    change(s);
    return s;
  }

  Shown shown(std::vector<std::string> args) {
    Shown s;
    walk(tree(std::move(args)), std::nullopt, [&s](dom::element n, std::optional<dom::element>) {
      s.types.insert(std::string(std::string_view(n["type"])));
      if (auto t = n["text"].get_string(); !t.error()) s.texts.emplace_back(t.value());
      if (auto name = n["systemName"].get_string(); !name.error()) s.symbols.emplace(name.value());
      for (dom::element m : n["modifiers"].get_array()) {
        if (std::string_view(m["name"]) == "opacity") s.opacities.push_back(double(m["opacity"]));
      }
    });
    return s;
  }

 private:
  dom::parser parser_;
  std::string text_;
};

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

struct ViewCase {
  const char* name;
  bool placeholder;                        // the placeholder entry instead of timeline entry 0
  std::optional<WidgetSnapshot> snapshot;  // the stored snapshot; absent: none
  const char* family;
  std::vector<std::string> types;
  std::vector<std::string> absentTypes;
  std::vector<std::string> texts;
  std::vector<std::string> symbols;
  double opacity = 1;
};

const std::vector<std::string> layouts = {"SmallView", "MediumView", "LargeView", "EmptyStateView"};

std::vector<std::string> otherLayouts(const std::string& shown) {
  std::vector<std::string> others;
  for (const auto& l : layouts)
    if (l != shown) others.push_back(l);
  return others;
}

TEST_F(TreeTest, TheRootViewOfTheEntryInEachFamily) {
  const ViewCase cases[] = {
      {"placeholder small", true, std::nullopt, "small", {"PelloraWidgetView", "SmallView", "ModeLabel", "BigPercent", "LevelBar"},
       otherLayouts("SmallView"), {"On battery", "72", "%", "5h 20m left", "Using 6.4 W"}, {"battery.75percent"}},
      {"placeholder medium", true, std::nullopt, "medium", {"MediumView", "SmallView", "AppRows", "StatsRow"},
       {"LargeView", "HistoryChart"}, {"Using power", "Safari", "1.8 W", "94%", "212", "31°"}, {"heart.fill"}},
      {"placeholder large", true, std::nullopt, "large", {"LargeView", "HistoryChart", "AppRows", "StatsRow", "Chart"},
       otherLayouts("LargeView"), {"Safari is using a lot of power", "Using power", "Mail"}, {"lightbulb.fill"}},
      {"charging to the limit", false, withChanges([](WidgetSnapshot& s) {
         s.mode = WidgetSnapshot::Mode::charging;
         s.minutesLeft = 95;
       }),
       "small", {"SmallView"}, otherLayouts("SmallView"), {"Charging", "80% in 1h 35m", "Using —"}, {"bolt.fill"}},
      {"held, with the charger's rating", false, withChanges([](WidgetSnapshot& s) {
         s.mode = WidgetSnapshot::Mode::held;
         s.adapterWatts = 96;
         s.watts = 12.3;
       }),
       "large", {"LargeView", "HistoryChart"}, otherLayouts("LargeView"),
       {"Held at 80%", "On power adapter", "Using 12 W", "Charger 96 W", "History fills in over the day"}, {"pause.fill"}},
      {"no applications", false, withChanges([](WidgetSnapshot& s) { s.topApps.clear(); }), "medium", {"MediumView", "AppRows"},
       {"LargeView"}, {"Nothing using much power"}, {"bolt"}},
      {"older than two hours", false, withChanges([](WidgetSnapshot& s) { s.updated = pellora::dateFromSeconds(hosttest::now - 7201); }),
       "small", {"SmallView"}, otherLayouts("SmallView"), {"On battery"}, {}, 0.5},
      {"no snapshot", false, std::nullopt, "large", {"PelloraWidgetView", "EmptyStateView"}, otherLayouts("EmptyStateView"),
       {"Open Pellora to start"}, {"battery.100percent.bolt"}},
  };
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"--family", c.family};
    if (c.placeholder) args.push_back("--placeholder");
    if (c.snapshot) save(*c.snapshot);
    const Shown s = shown(args);
    for (const auto& t : c.types) EXPECT_TRUE(s.types.count(t)) << "has " << t;
    for (const auto& t : c.absentTypes) EXPECT_FALSE(s.types.count(t)) << "has no " << t;
    for (const auto& t : c.texts) EXPECT_TRUE(contains(s.texts, t)) << "shows \"" << t << "\"";
    for (const auto& n : c.symbols) EXPECT_TRUE(s.symbols.count(n)) << "shows the symbol " << n;
    ASSERT_FALSE(s.opacities.empty());
    EXPECT_EQ(s.opacities.front(), c.opacity);
    std::filesystem::remove_all(home() + "/Library");
  }
}

TEST_F(TreeTest, EntriesOfTheTimelineAndThoseItDoesNotHave) {
  save(snapshot(72, 80, 0));
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* err;
  };
  const Case cases[] = {
      {{"tree", "--entry", "11"}, 0, ""},
      {{"tree", "--entry", "12"}, 2, "pellora-widgets: --entry 12: the timeline has 12 entries (0 to 11)\n"},
      {{"tree", "--entry", "-1"}, 2, nullptr},
      {{"tree", "--entry", "1", "--placeholder"}, 2, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const hosttest::Outcome r = runAtHome(c.args);
    EXPECT_EQ(r.status, c.status);
    if (c.err) {
      EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), c.status == 0 ? 0 : 1) << r.err;
  }
  // Entry 11 shows the charge projected to its date, as the timeline reports it.
  dom::parser parser;
  const hosttest::Outcome timeline = runAtHome({"timeline", "--json"});
  const std::int64_t percent = parser.parse(timeline.out)["entries"].at(11)["percent"];
  EXPECT_LT(percent, 72);
  EXPECT_TRUE(contains(shown({"--entry", "11"}).texts, std::to_string(percent)));
  const hosttest::Outcome empty = hosttest::run({"--home", scratch().string(), "tree", "--entry", "1"});
  EXPECT_EQ(empty.err, "pellora-widgets: --entry 1: the timeline has 1 entry (0)\n");
}

TEST_F(TreeTest, GeometryReadersAreEvaluatedAtTheGivenSize) {
  struct Case {
    std::vector<std::string> args;
    double width, height;
  };
  const Case cases[] = {
      {{"--placeholder"}, 138, 138},
      {{"--placeholder", "--family", "large"}, 332, 350},
      {{"--placeholder", "--size", "200x10.5"}, 200, 10.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    std::vector<Frame> sizes;
    walk(tree(c.args), std::nullopt, [&](dom::element n, std::optional<dom::element>) {
      if (std::string_view(n["type"]) == "GeometryReader") {
        sizes.push_back({0, 0, double(n["size"]["width"]), double(n["size"]["height"])});
      }
    });
    ASSERT_FALSE(sizes.empty());
    for (const Frame& s : sizes) EXPECT_EQ(s, (Frame{0, 0, c.width, c.height}));
  }
  for (const char* bad : {"200", "x10", "200x", "-1x5", "wide x tall"}) {
    const hosttest::Outcome r = runAtHome({"tree", "--size", bad});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("--size"), std::string::npos) << r.err;
  }
  EXPECT_EQ(runAtHome({"tree", "--size", "10x10", "--layout"}).status, 2);
}

TEST_F(TreeTest, TextDumpIsIndentedByDepth) {
  const hosttest::Outcome r = runAtHome({"tree", "--placeholder"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("PelloraWidgetView\n  Group\n", 0), 0u) << r.out.substr(0, 80);
  EXPECT_NE(r.out.find("\n      SmallView\n"), std::string::npos);
  EXPECT_NE(r.out.find("Text text=\"On battery\""), std::string::npos);
  EXPECT_FALSE(r.out.ends_with("\n\n"));
}

struct LayoutCase {
  const char* family;
  const char* appearance;
  Frame content;  // the content rectangle in the picture: backdrop 20 and margin 16 around it
  ui::Size canvas;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.family << " " << c.appearance; }

class TreeLayout : public TreeTest, public ::testing::WithParamInterface<LayoutCase> {};

// Content placed by a geometry reader keeps its own size, at the reader's top-leading corner.
bool placedByGeometryReader(std::optional<dom::element> parent) {
  return parent && std::string_view((*parent)["type"]) == "GeometryReader";
}

TEST_P(TreeLayout, FramesAreInPointsOfTheRenderedPicture) {
  const LayoutCase& c = GetParam();
  const dom::element root =
      tree({"--placeholder", "--layout", "--family", c.family, "--appearance", c.appearance});
  EXPECT_EQ(frameOf(root), c.content);

  int nodes = 0;
  walk(root, std::nullopt, [&](dom::element n, std::optional<dom::element> parent) {
    ++nodes;
    if (!parent) return;
    const Frame f = frameOf(n), p = frameOf(*parent);
    const std::string type{std::string_view(n["type"])};
    constexpr double eps = 1e-6;
    if (placedByGeometryReader(parent)) {
      EXPECT_NEAR(f.x, p.x, eps) << type;
      EXPECT_NEAR(f.y, p.y, eps) << type;
      return;
    }
    EXPECT_GE(f.x, p.x - eps) << type;
    EXPECT_GE(f.y, p.y - eps) << type;
    EXPECT_LE(f.x + f.width, p.x + p.width + eps) << type;
    EXPECT_LE(f.y + f.height, p.y + p.height + eps) << type;
  });
  EXPECT_GT(nodes, 20);

  // Each text and symbol frame points at ink in the picture that render draws.
  const std::string png = (scratch() / "picture.png").string();
  const hosttest::Outcome r = runAtHome(
      {"render", "--placeholder", "--family", c.family, "--appearance", c.appearance, "-o", png});
  ASSERT_EQ(r.status, 0) << r.err;
  const render::testing::Pixels px = hosttest::pngPixels(png);
  ASSERT_EQ(px.width(), int(c.canvas.width * 2));
  const ui::ColorScheme scheme = std::string(c.appearance) == "dark" ? ui::ColorScheme::dark : ui::ColorScheme::light;
  const render::testing::Pixel background = hosttest::tileTone(scheme);
  int inked = 0;
  walk(root, std::nullopt, [&](dom::element n, std::optional<dom::element>) {
    const std::string_view type = n["type"];
    const Frame f = frameOf(n);
    if ((type != "Text" && type != "Image") || f.width < 1 || f.height < 1) return;
    const std::string what = std::string(type) + " " + stringOr(n, "text") + stringOr(n, "systemName");
    // Glyphs cover a good part of their box, not a stray pixel at its edge.
    EXPECT_GT(px.countDiffering(f.x, f.y, f.width, f.height, background), f.width * f.height * 4 / 20) << what;
    ++inked;
  });
  EXPECT_GT(inked, 5);
}

INSTANTIATE_TEST_SUITE_P(Families, TreeLayout,
                         ::testing::Values(LayoutCase{"small", "light", {36, 36, 138, 138}, {210, 210}},
                                           LayoutCase{"medium", "light", {36, 36, 332, 138}, {404, 210}},
                                           LayoutCase{"large", "light", {36, 36, 332, 350}, {404, 422}},
                                           LayoutCase{"large", "dark", {36, 36, 332, 350}, {404, 422}}),
                         [](const auto& info) {
                           return std::string(info.param.family) + "_" + info.param.appearance;
                         });

}  // namespace
