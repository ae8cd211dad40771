#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PictureFiles.hpp"
#include "Platform/Render/ControlTile.hpp"
#include "ProgramRun.hpp"

namespace {

namespace fs = std::filesystem;

class DemoTest : public hosttest::HostTest {};

TEST_F(DemoTest, DrawsThePlaceholderInEverySizeAndAppearanceAndTheControls) {
  const ui::Size control = render::controlTileGeometry().canvas;
  struct Picture {
    const char* file;
    ui::Size canvas;  // in points; the PNGs are drawn at scale 2
  };
  const std::vector<Picture> widgets = {
      {"small-light.png", {210, 210}},  {"small-dark.png", {210, 210}},  {"medium-light.png", {404, 210}},
      {"medium-dark.png", {404, 210}}, {"large-light.png", {404, 422}}, {"large-dark.png", {404, 422}},
  };
  const std::vector<Picture> controls = {
      {"limit-on.png", control}, {"limit-off.png", control}, {"full.png", control}, {"open.png", control}};
  struct Case {
    const char* osVersion;
    bool withControls;
  };
  for (const Case& c : {Case{"26.0", true}, Case{"15.7", false}}) {
    SCOPED_TRACE(c.osVersion);
    const fs::path folder = scratch() / c.osVersion / "demo";  // created if missing
    const hosttest::Outcome r = runAtHome({"--os-version", c.osVersion, "demo", "-o", folder.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<Picture> expected = widgets;
    if (c.withControls) expected.insert(expected.end(), controls.begin(), controls.end());
    std::string listed;
    for (const Picture& p : expected) listed += (folder / p.file).string() + "\n";
    EXPECT_EQ(r.out, listed);
    for (const Picture& p : expected) {
      const auto px = hosttest::pngPixels(folder / p.file);
      EXPECT_EQ(px.width(), int(p.canvas.width * 2)) << p.file;
      EXPECT_EQ(px.height(), int(p.canvas.height * 2)) << p.file;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), long(expected.size()));
  }
  const fs::path folder = scratch() / "26.0" / "demo";
  EXPECT_NE(hosttest::fileBytes(folder / "limit-on.png"), hosttest::fileBytes(folder / "limit-off.png"));
  EXPECT_FALSE(render::testing::near(hosttest::pngPixels(folder / "small-light.png").at(100, 100),
                                     hosttest::pngPixels(folder / "small-dark.png").at(100, 100), 40));
}

TEST_F(DemoTest, JSONListsTheFolderAndItsFiles) {
  const fs::path folder = scratch() / "d";
  const hosttest::Outcome r = runAtHome({"--os-version", "15.0", "demo", "--json", "-o", folder.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string files;
  for (const char* f : {"small-light", "small-dark", "medium-light", "medium-dark", "large-light", "large-dark"})
    files += std::string(files.empty() ? "" : ",") + "\"" + (folder / f).string() + ".png\"";
  EXPECT_EQ(r.out, "{\"folder\":\"" + folder.string() + "\",\"files\":[" + files + "]}\n");
}

TEST_F(DemoTest, AFolderThatCannotBeMadeIsAFailure) {
  const fs::path file = scratch() / "a-file";
  std::ofstream(file) << "x";
  const hosttest::Outcome r = runAtHome({"demo", "-o", (file / "demo").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  EXPECT_EQ(r.out, "");
}

}  // namespace
