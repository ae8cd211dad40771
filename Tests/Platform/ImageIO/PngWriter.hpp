#pragma once
// Writes small PNG files for the image reader's tests, with libspng's encoder.
#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

struct PngPicture {
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  std::uint8_t colorType = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
  std::uint8_t bitDepth = 8;
  std::vector<unsigned> samples;          // row by row, channel by channel, as the PNG holds them
  std::vector<spng_plte_entry> palette;   // indexed pictures only
  std::vector<std::uint8_t> paletteAlpha; // indexed pictures with a tRNS chunk only
};

inline std::string encodePNG(const PngPicture& picture) {
  std::vector<std::uint8_t> raw;
  for (unsigned sample : picture.samples) {
    if (picture.bitDepth == 16) {
      const auto value = static_cast<std::uint16_t>(sample);  // host byte order, as spng wants
      std::uint8_t bytes[2];
      std::memcpy(bytes, &value, 2);
      raw.insert(raw.end(), bytes, bytes + 2);
    } else {
      raw.push_back(static_cast<std::uint8_t>(sample));
    }
  }

  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  if (ctx == nullptr) throw std::runtime_error("spng_ctx_new failed");
  auto fail = [ctx](const char* what, int error) {
    spng_ctx_free(ctx);
    throw std::runtime_error(std::string(what) + ": " + spng_strerror(error));
  };
  spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
  spng_ihdr header{picture.width, picture.height, picture.bitDepth, picture.colorType, 0, 0, 0};
  if (int e = spng_set_ihdr(ctx, &header)) fail("spng_set_ihdr", e);
  if (!picture.palette.empty()) {
    spng_plte plte{};
    plte.n_entries = static_cast<std::uint32_t>(picture.palette.size());
    std::copy(picture.palette.begin(), picture.palette.end(), plte.entries);
    if (int e = spng_set_plte(ctx, &plte)) fail("spng_set_plte", e);
  }
  if (!picture.paletteAlpha.empty()) {
    spng_trns trns{};
    trns.n_type3_entries = static_cast<std::uint32_t>(picture.paletteAlpha.size());
    std::copy(picture.paletteAlpha.begin(), picture.paletteAlpha.end(), trns.type3_alpha);
    if (int e = spng_set_trns(ctx, &trns)) fail("spng_set_trns", e);
  }
  if (int e = spng_encode_image(ctx, raw.data(), raw.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE)) {
    fail("spng_encode_image", e);
  }
  std::size_t length = 0;
  int error = 0;
  void* buffer = spng_get_png_buffer(ctx, &length, &error);
  if (buffer == nullptr) fail("spng_get_png_buffer", error);
  std::string png(static_cast<const char*>(buffer), length);
  std::free(buffer);
  spng_ctx_free(ctx);
  return png;
}

// A picture of one repeated straight-alpha RGBA pixel.
inline PngPicture solidPicture(std::uint32_t width, std::uint32_t height,
                               std::vector<unsigned> rgba = {10, 20, 30, 255}) {
  PngPicture picture;
  picture.width = width;
  picture.height = height;
  picture.samples.reserve(std::size_t{width} * height * 4);
  for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
    picture.samples.insert(picture.samples.end(), rgba.begin(), rgba.end());
  }
  return picture;
}

// Chunk surgery, for damaged or unusual files. A chunk is: length (4 bytes, big-endian), type (4),
// data (length), CRC over type and data (4). The signature takes the first 8 bytes.
inline constexpr std::size_t pngSignatureBytes = 8;
inline constexpr std::size_t ihdrDataOffset = 16;  // after the signature, length and type
inline constexpr std::size_t ihdrCrcOffset = 29;

inline void putBigEndian(std::string& png, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

inline std::uint32_t getBigEndian(const std::string& png, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(png[at + i]);
  return value;
}

inline std::string chunk(const std::string& type, const std::string& data) {
  std::string out(4, '\0');
  putBigEndian(out, 0, static_cast<std::uint32_t>(data.size()));
  out += type + data;
  const auto* typeAndData = reinterpret_cast<const Bytef*>(out.data() + 4);
  const auto crc =
      static_cast<std::uint32_t>(crc32(0, typeAndData, static_cast<uInt>(4 + data.size())));
  out.resize(out.size() + 4);
  putBigEndian(out, out.size() - 4, crc);
  return out;
}

// The same file with new dimensions in its header and a matching checksum, so that only the
// size is wrong.
inline std::string withHeaderSize(std::string png, std::uint32_t width, std::uint32_t height) {
  std::string data = png.substr(ihdrDataOffset, 13);
  putBigEndian(data, 0, width);
  putBigEndian(data, 4, height);
  const std::string header = chunk("IHDR", data);
  return png.replace(pngSignatureBytes, header.size(), header);
}

// The same file with all its pixel data in one IDAT chunk (encoders split it into small ones).
inline std::string withOneDataChunk(const std::string& png) {
  std::string before, pixels, after;
  for (std::size_t at = pngSignatureBytes; at + 12 <= png.size();) {
    const std::uint32_t length = getBigEndian(png, at);
    const std::string type = png.substr(at + 4, 4);
    if (type == "IDAT") {
      pixels += png.substr(at + 8, length);
    } else {
      (pixels.empty() ? before : after) += png.substr(at, 12 + length);
    }
    at += 12 + length;
  }
  return png.substr(0, pngSignatureBytes) + before + chunk("IDAT", pixels) + after;
}

}  // namespace testing_support
