#pragma once
// Draws a display list with Cairo: PNG (at a device scale), SVG or PDF, into memory or a file.
#include <filesystem>
#include <string>

#include "Platform/Render/DisplayList.hpp"
#include "Platform/UI/Geometry.hpp"

namespace render {

enum class Format { png, svg, pdf };

struct Canvas {
  ui::Size size;       // in points
  double scale = 2;    // PNG pixels per point; SVG and PDF are drawn in points
};

// The file's bytes. Throws std::runtime_error when Cairo fails (an empty or huge canvas, …)
// and std::invalid_argument for a list whose pops do not match its pushes.
std::string renderToBytes(const DisplayList& list, const Canvas& canvas, Format format);

// Writes the file atomically: a temporary file beside the target, renamed over it; on any
// failure the temporary is removed and the target left as it was. Throws std::system_error for
// the file system.
void renderToFile(const DisplayList& list, const Canvas& canvas, Format format,
                  const std::filesystem::path& target);

// The format a file name asks for: ".png", ".svg" or ".pdf" (any case); png otherwise.
Format formatForPath(const std::filesystem::path& path);
const char* extension(Format format);

namespace detail {
// The PNG, drawn and encoded `bandRows` pixel rows at a time (renderToBytes picks the band).
std::string renderPngInBands(const DisplayList& list, const Canvas& canvas, int bandRows);
}  // namespace detail

}  // namespace render
