#pragma once
// Images: a symbol of the platform's set, sized by the font like a glyph, or a decoded image.
#include <string>

#include "Platform/ImageIO/Image.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

enum class ResizingMode { stretch, tile };
enum class Interpolation { none, low, medium, high };

class Image : public View {
 public:
  static Image system(std::string systemName);
  static Image platform(imageio::ImageRef image);

  // Fills whatever frame it is given instead of keeping its own size.
  Image resizable(EdgeInsets capInsets = {}, ResizingMode mode = ResizingMode::stretch) const;
  // How the image is resampled when drawn at another size.
  Image interpolation(Interpolation quality) const;

 private:
  explicit Image(View v) : View(std::move(v)) {}
};

}  // namespace ui
