#pragma once
// Reading icon images: PNG, through the sandbox, with limits on bytes and dimensions so that a
// hostile or broken file costs bounded time and memory and yields nothing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "Platform/ImageIO/Image.hpp"
#include "Platform/Sandbox/Sandbox.hpp"

namespace imageio {

// Files above this size are not read at all: an icon is a few kilobytes.
inline constexpr std::size_t maxImageFileBytes = 8u * 1024u * 1024u;
// Larger images are refused from their header, before any pixel memory is allocated.
inline constexpr std::uint32_t maxImageWidth = 4096;
inline constexpr std::uint32_t maxImageHeight = 4096;

// Decodes a PNG of any colour type and bit depth to premultiplied ARGB32 at its own size.
// Nothing for anything that is not a complete, valid PNG within the limits.
std::optional<ImageRef> decodePNG(std::string_view bytes) noexcept;

// Reads `path` through `box` (at most maxImageFileBytes) and decodes it. Nothing when the read
// is denied or fails, or the bytes are not an image we decode.
std::optional<ImageRef> readImage(const sandbox::Sandbox& box,
                                  const std::filesystem::path& path) noexcept;

}  // namespace imageio
