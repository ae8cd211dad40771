#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "Platform/ImageIO/ImageReader.hpp"
#include "Tests/Platform/ImageIO/PngWriter.hpp"

namespace {

using testing_support::encodePNG;
using testing_support::PngPicture;
using testing_support::solidPicture;
using testing_support::withHeaderSize;

// Three by two, so that rows and columns cannot be mixed up; one pixel half transparent.
PngPicture threeByTwo() {
  PngPicture p;
  p.width = 3;
  p.height = 2;
  p.samples = {255, 0,   0,   255, /**/ 0,   255, 0,   255, /**/ 200, 100, 50, 128,
               0,   0,   255, 255, /**/ 255, 255, 255, 0,   /**/ 10,  20,  30, 255};
  return p;
}

struct DecodeCase {
  const char* name;
  PngPicture picture;
  std::vector<std::uint32_t> argb;  // premultiplied 0xAARRGGBB, row by row
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

PngPicture picture(std::uint32_t w, std::uint32_t h, std::uint8_t colorType, std::uint8_t depth,
                   std::vector<unsigned> samples) {
  PngPicture p;
  p.width = w;
  p.height = h;
  p.colorType = colorType;
  p.bitDepth = depth;
  p.samples = std::move(samples);
  return p;
}

PngPicture indexedWithAlpha() {
  PngPicture p = picture(2, 1, SPNG_COLOR_TYPE_INDEXED, 8, {0, 1});
  p.palette = {{255, 0, 0, 0}, {0, 0, 255, 0}};
  p.paletteAlpha = {128, 255};
  return p;
}

const DecodeCase decodeCases[] = {
    {"Rgba8NonSquareWithHalfAlpha", threeByTwo(),
     {0xFFFF0000, 0xFF00FF00, 0x80643219, 0xFF0000FF, 0x00000000, 0xFF0A141E}},
    {"Rgb8IsOpaque", picture(2, 1, SPNG_COLOR_TYPE_TRUECOLOR, 8, {1, 2, 3, 250, 251, 252}),
     {0xFF010203, 0xFFFAFBFC}},
    {"Gray8", picture(2, 1, SPNG_COLOR_TYPE_GRAYSCALE, 8, {0, 128}), {0xFF000000, 0xFF808080}},
    {"GrayAlpha8", picture(1, 1, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 8, {255, 64}), {0x40404040}},
    {"Rgba16", picture(1, 1, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16, {0xFFFF, 0, 0x7F7F, 0x80FF}),
     {0x80800040}},
    {"IndexedWithTransparency", indexedWithAlpha(), {0x80800000, 0xFF0000FF}},
};

class DecodePNG : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodePNG, GivesPremultipliedARGBAtItsOwnSize) {
  const DecodeCase& c = GetParam();
  const std::optional<imageio::ImageRef> image = imageio::decodePNG(encodePNG(c.picture));
  ASSERT_TRUE(image.has_value());
  ASSERT_NE(*image, nullptr);
  EXPECT_EQ((*image)->width, static_cast<int>(c.picture.width));
  EXPECT_EQ((*image)->height, static_cast<int>(c.picture.height));
  EXPECT_EQ((*image)->argb, c.argb);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodePNG, testing::ValuesIn(decodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Cairo reads each pixel as one native-endian 32-bit word; so must we have written it.
TEST(DecodePNG, PixelsAreNativeEndianWords) {
  const auto image = imageio::decodePNG(encodePNG(solidPicture(1, 1, {0x11, 0x22, 0x33, 0xFF})));
  ASSERT_TRUE(image.has_value());
  std::uint32_t word = 0;
  std::memcpy(&word, (*image)->argb.data(), sizeof word);
  EXPECT_EQ(word, 0xFF112233u);
}

struct SizeCase {
  const char* name;
  std::uint32_t width;
  std::uint32_t height;
  bool decodes;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

const SizeCase sizeCases[] = {
    {"WidestAllowed", imageio::maxImageWidth, 1, true},
    {"TallestAllowed", 1, imageio::maxImageHeight, true},
    {"OnePixelTooWide", imageio::maxImageWidth + 1, 1, false},
    {"OnePixelTooTall", 1, imageio::maxImageHeight + 1, false},
};

class DecodePNGSize : public testing::TestWithParam<SizeCase> {};

TEST_P(DecodePNGSize, RespectsTheDimensionLimits) {
  const SizeCase& c = GetParam();
  const auto image = imageio::decodePNG(encodePNG(solidPicture(c.width, c.height)));
  ASSERT_EQ(image.has_value(), c.decodes);
  if (c.decodes) {
    EXPECT_EQ((*image)->argb.size(), std::size_t{c.width} * c.height);
    EXPECT_EQ((*image)->argb.back(), 0xFF0A141Eu);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodePNGSize, testing::ValuesIn(sizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Noise does not compress, so its pixel data comes in megabytes, here in a single chunk: the
// limits on chunks must not refuse an ordinary large image.
TEST(DecodePNG, LargeIncompressibleImageDecodes) {
  PngPicture noise = solidPicture(1024, 1024);
  std::mt19937 random(7);
  for (unsigned& sample : noise.samples) sample = random() & 0xFF;
  const std::string png = testing_support::withOneDataChunk(encodePNG(noise));
  ASSERT_GT(png.size(), 4u * 1000u * 1000u);
  ASSERT_EQ(png.find("IDAT"), png.rfind("IDAT"));
  const auto image = imageio::decodePNG(png);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ((*image)->width, 1024);
}

std::string flipped(std::string png, std::size_t at) {
  png[at] = static_cast<char>(png[at] ^ 0x5A);
  return png;
}

// A compressed text chunk, right after the header, that inflates to 30 MB of "a": metadata must
// not be allowed to take unbounded memory.
std::string withTextBomb(std::string png) {
  const std::string text(30u * 1000u * 1000u, 'a');
  uLongf size = compressBound(text.size());
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &size,
           reinterpret_cast<const Bytef*>(text.data()), text.size());
  packed.resize(size);
  // keyword, its terminator, compression method 0 (deflate), then the compressed text
  const std::string data = std::string("Comment") + '\0' + '\0' + packed;
  return png.insert(testing_support::ihdrCrcOffset + 4, testing_support::chunk("zTXt", data));
}

struct RejectCase {
  const char* name;
  std::string (*damage)(std::string png);
};

void PrintTo(const RejectCase& c, std::ostream* out) { *out << c.name; }

const RejectCase rejectCases[] = {
    {"Empty", [](std::string) { return std::string(); }},
    {"NotPNG", [](std::string) { return std::string("GIF89a, or any text at all"); }},
    {"SignatureOnly", [](std::string png) { return png.substr(0, 8); }},
    {"BadSignature", [](std::string png) { return flipped(png, 1); }},
    {"HeaderChecksumWrong",
     [](std::string png) { return flipped(png, testing_support::ihdrCrcOffset); }},
    {"PixelDataCorrupt", [](std::string png) { return flipped(png, png.find("IDAT") + 6); }},
    {"TruncatedInPixelData", [](std::string png) { return png.substr(0, png.find("IDAT") + 10); }},
    {"TruncatedBeforeEnd", [](std::string png) { return png.substr(0, png.size() - 12); }},
    {"HeaderClaims100000Square",
     [](std::string png) { return withHeaderSize(png, 100000, 100000); }},
    {"CompressedTextBomb", withTextBomb},
    {"HeaderClaimsZeroWidth", [](std::string png) { return withHeaderSize(png, 0, 2); }},
};

class DecodePNGReject : public testing::TestWithParam<RejectCase> {};

TEST_P(DecodePNGReject, YieldsNothing) {
  const std::string good = encodePNG(threeByTwo());
  ASSERT_TRUE(imageio::decodePNG(good).has_value());
  EXPECT_FALSE(imageio::decodePNG(GetParam().damage(good)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodePNGReject, testing::ValuesIn(rejectCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
