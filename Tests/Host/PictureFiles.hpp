#pragma once
// Reading back the files that the drawing commands write: their bytes, and PNGs as pixels to
// probe (in points at the scale they were drawn at).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Platform/Render/Palette.hpp"
#include "Tests/Platform/Render/PixelProbe.hpp"

namespace hosttest {

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline render::testing::Pixels pngPixels(const std::filesystem::path& path, double scale = 2) {
  return render::testing::Pixels(fileBytes(path), scale);
}

inline render::testing::Pixel pixelOf(render::RGBA c) {
  return {int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5), 255};
}

// The tone of a widget's or a control's tile in an appearance.
inline render::testing::Pixel tileTone(ui::ColorScheme scheme) {
  return pixelOf(render::containerBackground(ui::Color::fill(ui::Level::tertiary), scheme, {}).color);
}

}  // namespace hosttest
