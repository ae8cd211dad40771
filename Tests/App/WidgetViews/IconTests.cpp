#include <spng.h>
#include <sys/stat.h>

#include <fstream>

#include <gtest/gtest.h>

#include "App/Widget/SandboxedFiles.hpp"
#include "App/Widget/Views/AppRows.hpp"
#include "PelloraShared/SnapshotFile.hpp"
#include "TreeQuery.hpp"
#include "Tests/Support/TempHome.hpp"

namespace {

namespace fs = std::filesystem;
using namespace treequery;

// A width × height PNG of one opaque colour.
std::string png(std::uint32_t width, std::uint32_t height) {
  std::vector<unsigned char> pixels(std::size_t{width} * height * 4, 0x80);
  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
  spng_ihdr ihdr{};
  ihdr.width = width;
  ihdr.height = height;
  ihdr.bit_depth = 8;
  ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
  spng_set_ihdr(ctx, &ihdr);
  spng_encode_image(ctx, pixels.data(), pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
  std::size_t size = 0;
  int error = 0;
  void* buffer = spng_get_png_buffer(ctx, &size, &error);
  std::string out(static_cast<const char*>(buffer), size);
  std::free(buffer);
  spng_ctx_free(ctx);
  return out;
}

struct IconCase {
  const char* name;
  std::optional<std::string> file;
  bool image;  // a decoded image rather than the dashed symbol
};

TEST(AppIconImage, ShowsTheFileOrTheDashedSymbol) {
  const testsupport::TempHome home;
  const fs::path icons = home.folder() / "icons";
  fs::create_directories(icons);
  std::ofstream(icons / "safari.png", std::ios::binary) << png(32, 32);
  std::ofstream(icons / "wide.png", std::ios::binary) << png(40, 10);
  std::ofstream(icons / "corrupt.png", std::ios::binary) << png(32, 32).substr(0, 40) << "garbage";
  std::ofstream(home.path() / "outside.png", std::ios::binary) << png(16, 16);
  fs::create_symlink(home.path() / "outside.png", icons / "escape.png");
  ASSERT_EQ(::mkfifo((icons / "fifo.png").c_str(), 0600), 0);
  fs::create_directories(icons / "folder.png");

  const IconCase cases[] = {
      {"absent", std::nullopt, false},          {"a real icon", "safari.png", true},
      {"non-square", "wide.png", true},         {"missing", "nothing.png", false},
      {"corrupt", "corrupt.png", false},        {"link out of the grant", "escape.png", false},
      {"escape by ..", "../../../../../outside.png", false},
      {"a FIFO", "fifo.png", false},            {"a directory", "folder.png", false},
  };
  for (const auto& c : cases) {
    const ui::Json tree = dump(ui::View(pellora::AppIconImage{c.file}));
    const ui::Json& image = first(tree, "Image");
    EXPECT_EQ(str(modifier(image, "frame")->find("width")), "16") << c.name;
    EXPECT_EQ(str(modifier(image, "frame")->find("height")), "16") << c.name;
    if (c.image) {
      EXPECT_EQ(image.find("systemName"), nullptr) << c.name;
      EXPECT_EQ(modifierNames(image), std::vector<std::string>{"frame"}) << c.name;
    } else {
      EXPECT_EQ(str(image.find("systemName")), "app.dashed") << c.name;
      EXPECT_EQ(modifierNames(image), (std::vector<std::string>{"font", "foregroundStyle", "frame"})) << c.name;
      EXPECT_EQ(str(modifier(image, "font")->find("font")), "system(size: 13, weight: regular)") << c.name;
      EXPECT_EQ(str(modifier(image, "foregroundStyle")->find("style")), "tertiary") << c.name;
    }
  }
}

TEST(SandboxedReads, SnapshotReadsStayInsideTheStoreFolder) {
  const testsupport::TempHome home;
  pellora::confineSnapshotReads();
  const pellora::WidgetSnapshot s = pellora::WidgetSnapshot::placeholder();
  s.save(pellora::WidgetSnapshot::fileURL());
  s.save(home.path() / "elsewhere.json");
  EXPECT_TRUE(pellora::WidgetSnapshot::load(pellora::WidgetSnapshot::fileURL()));
  EXPECT_FALSE(pellora::WidgetSnapshot::load(home.path() / "elsewhere.json"));
  fs::remove(home.snapshotFile());
  fs::create_symlink(home.path() / "elsewhere.json", home.snapshotFile());
  EXPECT_FALSE(pellora::WidgetSnapshot::load(pellora::WidgetSnapshot::fileURL()));
  pellora::setFileReader({});
  EXPECT_TRUE(pellora::WidgetSnapshot::load(pellora::WidgetSnapshot::fileURL()));
}

}  // namespace
