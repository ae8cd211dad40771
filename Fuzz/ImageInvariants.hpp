#pragma once
// What must hold for any bytes given to the PNG decoder. The fuzzer checks it on every input;
// the test suite checks it on the seed corpus and on every input that once broke it.
#include <string>
#include <string_view>

#include "Platform/ImageIO/ImageReader.hpp"

namespace fuzzcheck {

// An empty string when every invariant holds, else the first one broken: a decoded image is
// within the size limits, holds exactly width × height pixels, is premultiplied (no colour
// channel above its alpha), and decoding the same bytes again gives the same pixels (a pixel
// left unwritten by the decoder would show as a difference).
inline std::string imageInvariantViolation(std::string_view bytes) {
  const auto first = imageio::decodePNG(bytes);
  if (!first) return {};
  const imageio::Image& image = **first;
  if (image.width < 1 || image.height < 1 || static_cast<std::uint32_t>(image.width) > imageio::maxImageWidth ||
      static_cast<std::uint32_t>(image.height) > imageio::maxImageHeight) {
    return "an image of " + std::to_string(image.width) + " × " + std::to_string(image.height) + " pixels";
  }
  if (image.argb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    return "an image whose pixel count does not match its size";
  }
  for (const std::uint32_t pixel : image.argb) {
    const std::uint32_t a = pixel >> 24;
    if ((pixel >> 16 & 0xFF) > a || (pixel >> 8 & 0xFF) > a || (pixel & 0xFF) > a) return "a pixel not premultiplied";
  }
  const auto second = imageio::decodePNG(bytes);
  if (!second || (*second)->argb != image.argb || (*second)->width != image.width) return "decoding is not repeatable";
  return {};
}

}  // namespace fuzzcheck
