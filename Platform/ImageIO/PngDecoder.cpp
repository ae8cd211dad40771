// PNG decoding with libspng, to Cairo's pixel format.
#include <spng.h>

#include <cstring>
#include <memory>
#include <new>

#include "Platform/ImageIO/ImageReader.hpp"

namespace imageio {

namespace {

// Ancillary chunks (text, ICC profiles) are kept in memory by the decoder, some of them after
// inflating: one may not grow beyond this, nor all of them together beyond the cache limit.
constexpr std::size_t maxChunkBytes = 1u * 1024u * 1024u;
constexpr std::size_t maxCachedChunkBytes = 4u * 1024u * 1024u;

struct ContextDeleter {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

// c × a / 255, rounded to nearest, exactly as Cairo and pixman premultiply.
constexpr std::uint32_t multiplyAlpha(std::uint32_t colour, std::uint32_t alpha) {
  const std::uint32_t t = colour * alpha + 0x80;
  return (t + (t >> 8)) >> 8;
}
static_assert(multiplyAlpha(255, 255) == 255 && multiplyAlpha(255, 128) == 128 &&
              multiplyAlpha(200, 128) == 100 && multiplyAlpha(77, 0) == 0);

// Rewrites each pixel in place from R, G, B, A bytes (straight alpha) to one native-endian
// 32-bit word 0xAARRGGBB with premultiplied colour.
void toPremultipliedARGB(std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t& pixel : pixels) {
    unsigned char rgba[4];
    std::memcpy(rgba, &pixel, sizeof rgba);
    const std::uint32_t a = rgba[3];
    pixel = a << 24 | multiplyAlpha(rgba[0], a) << 16 | multiplyAlpha(rgba[1], a) << 8 |
            multiplyAlpha(rgba[2], a);
  }
}

std::optional<ImageRef> decode(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  const Context context(spng_ctx_new(0));
  if (!context) return std::nullopt;
  spng_ctx* ctx = context.get();
  // The limits go in before the header is read, so an oversized image is refused from its
  // header alone and nothing is allocated for it.
  if (spng_set_image_limits(ctx, maxImageWidth, maxImageHeight) != SPNG_OK ||
      spng_set_chunk_limits(ctx, maxChunkBytes, maxCachedChunkBytes) != SPNG_OK ||
      spng_set_png_buffer(ctx, bytes.data(), bytes.size()) != SPNG_OK) {
    return std::nullopt;
  }

  spng_ihdr header{};
  if (spng_get_ihdr(ctx, &header) != SPNG_OK) return std::nullopt;
  std::size_t size = 0;
  if (spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size) != SPNG_OK) return std::nullopt;
  const std::size_t pixelCount = std::size_t{header.width} * header.height;
  if (pixelCount == 0 || size != pixelCount * 4) return std::nullopt;

  auto image = std::make_shared<Image>();
  image->width = static_cast<int>(header.width);
  image->height = static_cast<int>(header.height);
  image->argb.resize(pixelCount);
  // Transparency chunks become alpha; gamma is left alone, since icons are sRGB already.
  if (spng_decode_image(ctx, image->argb.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) !=
      SPNG_OK) {
    return std::nullopt;
  }
  // A file that stops after its pixels (no IEND) is truncated: refuse it like any other.
  if (spng_decode_chunks(ctx) != SPNG_OK) return std::nullopt;

  toPremultipliedARGB(image->argb);
  return ImageRef(std::move(image));
}

}  // namespace

std::optional<ImageRef> decodePNG(std::string_view bytes) noexcept {
  try {
    return decode(bytes);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace imageio
