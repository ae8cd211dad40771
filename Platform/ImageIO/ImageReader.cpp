#include "Platform/ImageIO/ImageReader.hpp"

#include <new>

namespace imageio {

std::optional<ImageRef> readImage(const sandbox::Sandbox& box,
                                  const std::filesystem::path& path) noexcept {
  try {
    // A denied read and a failed one look the same from here: no image.
    sandbox::ReadResult file = box.read(path, maxImageFileBytes);
    if (!file) return std::nullopt;
    return decodePNG(*file.bytes);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace imageio
