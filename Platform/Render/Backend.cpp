#include "Platform/Render/Backend.hpp"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "Platform/Render/AtomicFile.hpp"
#include "Platform/Render/PngWriter.hpp"
#include "Platform/Render/detail/CairoDraw.hpp"

namespace render {

namespace {

using detail::CairoPtr;
using detail::SurfacePtr;

// A fixed creation date keeps PDF output the same from run to run.
constexpr const char* pdfCreationDate = "2000-01-01T00:00:00Z";
// Cairo's own limit on image sides.
constexpr double maxPixels = 32767;
// The pixels of one band of a PNG: about half a megabyte.
constexpr int bandBytes = 512 * 1024;

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void check(cairo_status_t status, const char* what) {
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(std::string(what) + ": " + cairo_status_to_string(status));
}

// Cairo numbers the surfaces of an SVG from a counter of the whole process; number them from
// the document's start instead, so that the same list always gives the same file.
std::string renumberSurfaces(const std::string& svg) {
  static const std::string prefix = "surface";
  std::string out;
  out.reserve(svg.size());
  std::vector<std::string> seen;
  std::size_t at = 0;
  while (true) {
    const std::size_t hit = svg.find(prefix, at);
    if (hit == std::string::npos) break;
    std::size_t end = hit + prefix.size();
    while (end < svg.size() && std::isdigit(static_cast<unsigned char>(svg[end]))) ++end;
    out.append(svg, at, hit + prefix.size() - at);
    if (end > hit + prefix.size()) {
      const std::string number = svg.substr(hit + prefix.size(), end - hit - prefix.size());
      auto it = std::find(seen.begin(), seen.end(), number);
      if (it == seen.end()) it = seen.insert(seen.end(), number);
      out += std::to_string(1 + (it - seen.begin()));
    }
    at = end;
  }
  out.append(svg, at, std::string::npos);
  return out;
}

void draw(cairo_surface_t* surface, const DisplayList& list) {
  check(cairo_surface_status(surface), "cannot create the drawing surface");
  CairoPtr cr(cairo_create(surface));
  check(cairo_status(cr.get()), "cannot create the drawing context");
  detail::drawList(cr.get(), list);
  check(cairo_status(cr.get()), "drawing failed");
}

}  // namespace

namespace detail {

// Drawn a band of rows at a time, each band encoded before the next is drawn: the whole picture
// of a large widget is 2.7 MB of pixels at scale 2 and 43 MB at scale 8. A band starts on a
// whole pixel row, so every pixel is covered exactly as in one whole picture.
std::string renderPngInBands(const DisplayList& list, const Canvas& canvas, int bandRows) {
  const int width = int(std::ceil(canvas.size.width * canvas.scale));
  const int height = int(std::ceil(canvas.size.height * canvas.scale));
  const int band = std::clamp(bandRows, 1, height);
  SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, band));
  check(cairo_surface_status(surface.get()), "cannot create the image");
  cairo_surface_set_device_scale(surface.get(), canvas.scale, canvas.scale);
  unsigned char* pixels = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  PngWriter png(width, height);
  for (int top = 0; top < height; top += band) {
    std::memset(pixels, 0, std::size_t(stride) * std::size_t(band));
    cairo_surface_mark_dirty(surface.get());
    cairo_surface_set_device_offset(surface.get(), 0, -top);
    draw(surface.get(), list);
    cairo_surface_flush(surface.get());
    png.addRows(pixels, stride, std::min(band, height - top));
  }
  return png.finish();
}

}  // namespace detail

std::string renderToBytes(const DisplayList& list, const Canvas& canvas, Format format) {
  const double w = canvas.size.width, h = canvas.size.height;
  if (!(w > 0 && h > 0) || !std::isfinite(w) || !std::isfinite(h))
    throw std::runtime_error("cannot draw on an empty canvas");
  std::string bytes;
  switch (format) {
    case Format::png: {
      if (!(canvas.scale > 0)) throw std::runtime_error("the device scale must be positive");
      const double pw = std::ceil(w * canvas.scale), ph = std::ceil(h * canvas.scale);
      if (pw > maxPixels || ph > maxPixels) throw std::runtime_error("the image would be too large");
      const int width = int(pw);
      bytes = detail::renderPngInBands(list, canvas, std::max(1, bandBytes / (width * 4)));
      break;
    }
    case Format::svg: {
      SurfacePtr surface(cairo_svg_surface_create_for_stream(appendBytes, &bytes, w, h));
      draw(surface.get(), list);
      cairo_surface_finish(surface.get());
      check(cairo_surface_status(surface.get()), "cannot write the SVG");
      bytes = renumberSurfaces(bytes);
      break;
    }
    case Format::pdf: {
      SurfacePtr surface(cairo_pdf_surface_create_for_stream(appendBytes, &bytes, w, h));
      cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, pdfCreationDate);
      draw(surface.get(), list);
      cairo_surface_finish(surface.get());
      check(cairo_surface_status(surface.get()), "cannot write the PDF");
      break;
    }
  }
  return bytes;
}

void renderToFile(const DisplayList& list, const Canvas& canvas, Format format,
                  const std::filesystem::path& target) {
  writeFileAtomically(target, renderToBytes(list, canvas, format));
}

Format formatForPath(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == ".svg") return Format::svg;
  if (ext == ".pdf") return Format::pdf;
  return Format::png;
}

const char* extension(Format format) {
  switch (format) {
    case Format::png: return ".png";
    case Format::svg: return ".svg";
    case Format::pdf: return ".pdf";
  }
  return ".png";
}

}  // namespace render
