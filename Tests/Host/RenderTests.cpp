#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "PictureFiles.hpp"
#include "Platform/Render/ControlTile.hpp"
#include "ProgramRun.hpp"

namespace {

namespace fs = std::filesystem;
using hosttest::fileBytes;
using hosttest::pngPixels;

int lineCount(const std::string& s) { return int(std::count(s.begin(), s.end(), '\n')); }

class RenderTest : public hosttest::HostTest {
 protected:
  // Runs `render ARGS`, which must succeed and print the files it wrote, one a line.
  std::string rendered(std::vector<std::string> args) {
    args.insert(args.begin(), "render");
    const hosttest::Outcome r = runAtHome(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    return r.out;
  }
  std::string out(const char* name) const { return (scratch() / name).string(); }
};

struct FileCase {
  std::vector<std::string> args;  // -o names the file in the scratch folder
  const char* file;
  const char* start;              // how the file begins
  const char* size;               // PNG: "W×H" in pixels; SVG and PDF: how they state the page
};

TEST_F(RenderTest, WritesEachFormatAtTheCanvasSizeTimesTheScale) {
  save(snapshot(72, 80, 0));
  const FileCase cases[] = {
      {{}, "small.png", "\x89PNG", "420x420"},
      {{"--family", "medium", "--scale", "3"}, "m.png", "\x89PNG", "1212x630"},
      {{"--family", "large", "--scale", "1", "--appearance", "dark"}, "l.png", "\x89PNG", "404x422"},
      {{"--family", "small", "--scale", "0.5"}, "half.png", "\x89PNG", "105x105"},
      {{"--family", "large"}, "l.svg", "<?xml", "width=\"404pt\" height=\"422pt\""},
      {{"--family", "medium", "--format", "pdf"}, "m.out", "%PDF-", "/MediaBox [ 0 0 404 210 ]"},
      {{"--placeholder", "--format", "svg"}, "p.png", "<?xml", "width=\"210pt\" height=\"210pt\""},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", out(c.file)});
    EXPECT_EQ(rendered(args), out(c.file) + "\n");
    const std::string bytes = fileBytes(out(c.file));
    EXPECT_EQ(bytes.rfind(c.start, 0), 0u);
    if (std::string(c.start) == "\x89PNG") {
      const auto px = pngPixels(out(c.file));
      EXPECT_EQ(std::to_string(px.width()) + "x" + std::to_string(px.height()), c.size);
    } else {
      EXPECT_NE(bytes.find(c.size), std::string::npos);
    }
  }
  // Nothing is left beside the files: each was written under a temporary name, then renamed.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(scratch())) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    ++files;
  }
  EXPECT_EQ(files, 7);
}

TEST_F(RenderTest, AllFamiliesIntoAFolder) {
  struct Case {
    std::vector<std::string> args;
    const char* extension;
  };
  const Case cases[] = {{{}, ".png"}, {{"--format", "pdf"}, ".pdf"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extension);
    const fs::path folder = scratch() / "new" / c.extension;  // created if missing
    std::vector<std::string> args{"--placeholder", "--family", "all", "-o", folder.string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::string expected;
    for (const char* family : {"small", "medium", "large"})
      expected += (folder / (std::string(family) + c.extension)).string() + "\n";
    EXPECT_EQ(rendered(args), expected);
    for (const char* family : {"small", "medium", "large"})
      EXPECT_TRUE(fs::is_regular_file(folder / (std::string(family) + c.extension))) << family;
  }
  EXPECT_EQ(pngPixels(scratch() / "new/.png/medium.png").width(), 808);
}

TEST_F(RenderTest, AnExistingFolderGetsTheDefaultName) {
  const std::string folder = scratch().string();
  EXPECT_EQ(rendered({"--placeholder", "--family", "large", "-o", folder}), (scratch() / "large.png").string() + "\n");
  EXPECT_EQ(rendered({"--control", "full", "--format", "svg", "-o", folder}), (scratch() / "full.svg").string() + "\n");
  EXPECT_EQ(rendered({"--placeholder", "--json", "-o", folder}),
            "{\"files\":[\"" + (scratch() / "small.png").string() + "\"]}\n");
}

TEST_F(RenderTest, AppearancesDifferInTileAndBackdrop) {
  rendered({"--placeholder", "-o", out("light.png")});
  rendered({"--placeholder", "--appearance", "dark", "-o", out("dark.png")});
  const auto light = pngPixels(out("light.png")), dark = pngPixels(out("dark.png"));
  EXPECT_TRUE(render::testing::near(light.at(5, 5), hosttest::pixelOf(render::backdrop(ui::ColorScheme::light))));
  EXPECT_TRUE(render::testing::near(dark.at(5, 5), hosttest::pixelOf(render::backdrop(ui::ColorScheme::dark))));
  EXPECT_TRUE(render::testing::near(light.at(170, 30), hosttest::tileTone(ui::ColorScheme::light)));
  EXPECT_TRUE(render::testing::near(dark.at(170, 30), hosttest::tileTone(ui::ColorScheme::dark)));
}

TEST_F(RenderTest, TheToggleShowsTheStateItsProviderReadsUnlessGivenOne) {
  rendered({"--control", "limit", "--state", "on", "-o", out("on.png")});
  rendered({"--control", "limit", "--state", "off", "-o", out("off.png")});
  const std::string on = fileBytes(out("on.png")), off = fileBytes(out("off.png"));
  ASSERT_NE(on, off);
  // Where the switch is, the two differ.
  const render::ControlTileGeometry g = render::controlTileGeometry();
  const auto onPx = pngPixels(out("on.png")), offPx = pngPixels(out("off.png"));
  EXPECT_EQ(onPx.width(), int(g.canvas.width * 2));
  EXPECT_FALSE(render::testing::near(onPx.at(g.well.x + 5, g.well.midY()), offPx.at(g.well.x + 5, g.well.midY()), 40));

  struct Case {
    const char* name;
    std::optional<std::int64_t> limit;  // of the stored snapshot; absent: none stored
    bool on;
  };
  const Case cases[] = {{"no snapshot", std::nullopt, false}, {"limit 80", 80, true}, {"limit 99", 99, true},
                        {"limit 100", 100, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(home() + "/Library");
    if (c.limit) save(snapshot(72, *c.limit, 0));
    rendered({"--control", "limit", "-o", out("current.png")});
    EXPECT_EQ(fileBytes(out("current.png")), c.on ? on : off);
  }
}

TEST_F(RenderTest, ButtonsDrawTheirLabel) {
  rendered({"--control", "full", "-o", out("full.png")});
  rendered({"--control", "open", "-o", out("open.png")});
  const std::string full = fileBytes(out("full.png")), open = fileBytes(out("open.png"));
  EXPECT_FALSE(full.empty());
  EXPECT_NE(full, open);
  const render::ControlTileGeometry g = render::controlTileGeometry();
  const auto px = pngPixels(out("full.png"));
  EXPECT_GT(px.countDiffering(g.text.x, g.text.y, g.text.width, g.text.height, hosttest::tileTone(ui::ColorScheme::light)), 50);
}

TEST_F(RenderTest, BadUsageAndFailuresAreOneLine) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* messagePart;
  };
  const Case cases[] = {
      {{"render", "--state", "on"}, 2, "--state"},
      {{"render", "--control", "full", "--state", "on"}, 2, "only the limit toggle has a state"},
      {{"render", "--control", "limit", "--family", "large"}, 2, "excludes"},
      {{"render", "--control", "open", "--placeholder"}, 2, "excludes"},
      {{"render", "--control", "dimmer"}, 2, "--control"},
      {{"render", "--family", "huge"}, 2, "--family"},
      {{"render", "--format", "gif"}, 2, "--format"},
      {{"render", "--scale", "0"}, 2, "--scale"},
      {{"render", "--scale", "9"}, 2, "--scale"},
      {{"render", "--scale", "two"}, 2, "--scale"},
      {{"render", "--appearance", "sepia"}, 2, "--appearance"},
      {{"render", "--entry", "3"}, 2, "the timeline has 1 entry"},
      {{"render", "-o", "/nonexistent/pellora/small.png"}, 1, "/nonexistent/pellora"},
      {{"--os-version", "15.7", "render", "--control", "open"}, 1, "not offered on system 15.7"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    SCOPED_TRACE(shown);
    const hosttest::Outcome r = runAtHome(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_EQ(r.err.rfind("pellora-widgets: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(RenderTest, HelpOfTheDrawingCommandsHasExamples) {
  for (const char* command : {"render", "tree", "check", "demo"}) {
    SCOPED_TRACE(command);
    const hosttest::Outcome r = hosttest::run({command, "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage:"), std::string::npos);
    EXPECT_NE(r.out.find("Example"), std::string::npos);
    EXPECT_NE(r.out.find(std::string("pellora-widgets ") + command), std::string::npos);
  }
}

}  // namespace
