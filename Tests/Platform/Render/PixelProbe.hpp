#pragma once
// Reading back rendered PNGs in tests: decode, then look at single pixels (in points or pixels).
#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Platform/Render/Backend.hpp"

namespace render::testing {

struct Pixel {
  int r = 0, g = 0, b = 0, a = 0;  // straight alpha, 0…255
};

inline bool near(const Pixel& p, const Pixel& q, int tolerance = 3) {
  return std::abs(p.r - q.r) <= tolerance && std::abs(p.g - q.g) <= tolerance &&
         std::abs(p.b - q.b) <= tolerance && std::abs(p.a - q.a) <= tolerance;
}

class Pixels {
 public:
  Pixels(const std::string& png, double scale) : scale_(scale) {
    struct Reader { const std::string* s; std::size_t at; } reader{&png, 0};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) {
          auto* r = static_cast<Reader*>(closure);
          if (r->at + length > r->s->size()) return CAIRO_STATUS_READ_ERROR;
          std::copy_n(r->s->data() + r->at, length, data);
          r->at += length;
          return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
      width_ = cairo_image_surface_get_width(surface);
      height_ = cairo_image_surface_get_height(surface);
      const int stride = cairo_image_surface_get_stride(surface);
      const unsigned char* data = cairo_image_surface_get_data(surface);
      argb_.resize(std::size_t(width_) * height_);
      for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
          argb_[std::size_t(y) * width_ + x] = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    }
    cairo_surface_destroy(surface);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  bool valid() const { return width_ > 0; }

  Pixel pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::uint32_t v = argb_[std::size_t(y) * width_ + x];
    Pixel p{int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF), int(v >> 24)};
    if (p.a > 0 && p.a < 255) {  // undo premultiplication
      p.r = p.r * 255 / p.a; p.g = p.g * 255 / p.a; p.b = p.b * 255 / p.a;
    }
    return p;
  }
  // The pixel under a point given in points.
  Pixel at(double x, double y) const { return pixel(int(x * scale_), int(y * scale_)); }

  // How many pixels of the point rectangle differ from `background` by more than `tolerance`.
  int countDiffering(double x, double y, double w, double h, Pixel background, int tolerance = 24) const {
    int n = 0;
    for (int py = int(y * scale_); py < int((y + h) * scale_); ++py)
      for (int px = int(x * scale_); px < int((x + w) * scale_); ++px)
        if (!near(pixel(px, py), background, tolerance)) ++n;
    return n;
  }

 private:
  double scale_;
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> argb_;
};

inline Pixels renderPixels(const DisplayList& list, ui::Size size, double scale = 2) {
  return Pixels(renderToBytes(list, Canvas{size, scale}, Format::png), scale);
}

// With RENDER_LOOK_DIR set, tests leave the pictures they probe there for a person to look at.
inline void keepForLooking(const std::string& name, const DisplayList& list, ui::Size size) {
  const char* dir = std::getenv("RENDER_LOOK_DIR");
  if (!dir || !*dir) return;
  std::filesystem::create_directories(dir);
  renderToFile(list, Canvas{size, 2}, Format::png, std::filesystem::path(dir) / (name + ".png"));
}

}  // namespace render::testing
