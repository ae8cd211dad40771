#pragma once
// A PNG written row by row from premultiplied ARGB32 pixels (Cairo's image format), so that a
// picture can be drawn and encoded a band at a time instead of held whole. Eight-bit RGBA,
// unfiltered rows, zlib's default compression.
#include <cstdint>
#include <memory>
#include <string>

namespace render {

class PngWriter {
 public:
  PngWriter(int width, int height);
  ~PngWriter();
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  // The next `count` rows, `stride` bytes apart, each `width` native-endian ARGB32 pixels.
  // Throws std::runtime_error when the encoder fails or more rows come than the height.
  void addRows(const unsigned char* rows, int stride, int count);
  // The file's bytes, once every row has come; throws std::runtime_error before that.
  std::string finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace render
