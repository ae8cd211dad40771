#pragma once
// A decoded platform image: premultiplied 32-bit ARGB in native byte order (Cairo's ARGB32),
// rows packed with a stride of width × 4 bytes.
#include <cstdint>
#include <memory>
#include <vector>

namespace imageio {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // width × height pixels, premultiplied
};

using ImageRef = std::shared_ptr<const Image>;

}  // namespace imageio
