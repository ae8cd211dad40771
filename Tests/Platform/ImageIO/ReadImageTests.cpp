#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "Platform/ImageIO/ImageReader.hpp"
#include "Tests/Platform/ImageIO/PngWriter.hpp"
#include "Tests/Platform/Sandbox/TempFolder.hpp"

namespace {

using testing_support::encodePNG;
using testing_support::solidPicture;

// A non-square icon with a half-transparent pixel; the same bytes are placed in every
// situation below, so only where and how the file lies decides the outcome.
const std::string& iconBytes() {
  static const std::string png = [] {
    testing_support::PngPicture p = solidPicture(5, 3, {40, 80, 120, 255});
    p.samples[3] = 128;  // the first pixel is half transparent
    return encodePNG(p);
  }();
  return png;
}

// icons/ is the granted folder; outside/ is not granted.
struct IconTree {
  IconTree() {
    const std::string& png = iconBytes();
    tmp.file("icons/Safari.png", png);
    tmp.file("icons/no-extension", png);
    tmp.file("icons/corrupt.png", [&] {
      std::string bad = png;
      bad[bad.find("IDAT") + 6] ^= 0x5A;
      return bad;
    }());
    tmp.file("icons/truncated.png", png.substr(0, png.size() / 2));
    tmp.file("icons/huge-header.png", testing_support::withHeaderSize(png, 100000, 100000));
    tmp.sparseFile("icons/fifty-megabytes.png", 50u * 1000u * 1000u, png);
    tmp.file("icons/readme.txt", "not an image\n");
    tmp.file("icons/empty.png", "");
    tmp.fifo("icons/fifo.png");
    tmp.folder("icons/folder.png");
    tmp.link("icons/zero.png", "/dev/zero");
    tmp.file("outside/Mail.png", png);
    tmp.link("icons/escape.png", "../outside/Mail.png");
    tmp.link("outside/into-icons.png", "../icons/Safari.png");
  }

  testing_support::TempFolder tmp;
  sandbox::Sandbox box{{tmp / "icons"}};
};

struct ReadCase {
  const char* name;
  const char* path;  // below the scratch folder
  bool decodes;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

const ReadCase readCases[] = {
    {"IconInside", "icons/Safari.png", true},
    {"NameWithoutExtension", "icons/no-extension", true},
    {"LinkOutsideToInside", "outside/into-icons.png", true},
    {"LinkInsideToOutside", "icons/escape.png", false},
    {"DotDotOutOfTheFolder", "icons/../outside/Mail.png", false},
    {"FileOutside", "outside/Mail.png", false},
    {"Corrupt", "icons/corrupt.png", false},
    {"Truncated", "icons/truncated.png", false},
    {"HugeHeader", "icons/huge-header.png", false},
    {"FiftyMegabytes", "icons/fifty-megabytes.png", false},
    {"NotAnImage", "icons/readme.txt", false},
    {"Empty", "icons/empty.png", false},
    {"Fifo", "icons/fifo.png", false},
    {"Folder", "icons/folder.png", false},
    {"DevZeroThroughLink", "icons/zero.png", false},
    {"Missing", "icons/Xcode.png", false},
};

class ReadImage : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadImage, DecodesOnlyAUsableFileInsideTheGrant) {
  const ReadCase& c = GetParam();
  const IconTree tree;
  const std::optional<imageio::ImageRef> image = imageio::readImage(tree.box, tree.tmp / c.path);
  ASSERT_EQ(image.has_value(), c.decodes);
  if (c.decodes) {
    ASSERT_NE(*image, nullptr);
    EXPECT_EQ((*image)->width, 5);
    EXPECT_EQ((*image)->height, 3);
    ASSERT_EQ((*image)->argb.size(), 15u);
    EXPECT_EQ((*image)->argb[0], 0x8014283Cu);
    EXPECT_EQ((*image)->argb[14], 0xFF285078u);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadImage, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
