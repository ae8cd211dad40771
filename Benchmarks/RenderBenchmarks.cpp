// Rendering the battery widget: each family in each format; the whole render (view tree,
// layout, drawing and PNG encoding) against encoding the same pixels to PNG alone, the floor of
// any PNG render; and the large widget with a day of 100 000 history points against the usual
// 48. Every render starts from the snapshot, as the host's render command does.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "App/Widget/Entry.hpp"
#include "App/Widget/PelloraWidget.hpp"
#include "Benchmarks/BenchmarkData.hpp"
#include "PelloraShared/UserDatabase.hpp"
#include "Platform/Render/PngWriter.hpp"
#include "Platform/Render/WidgetRenderer.hpp"
#include "Platform/WidgetKit/TimelineProvider.hpp"

namespace {

using wk::WidgetFamily;

constexpr WidgetFamily families[] = {WidgetFamily::systemSmall, WidgetFamily::systemMedium,
                                     WidgetFamily::systemLarge};
constexpr render::Format formats[] = {render::Format::png, render::Format::svg, render::Format::pdf};
constexpr const char* familyNames[] = {"small", "medium", "large"};
constexpr const char* formatNames[] = {"png", "svg", "pdf"};

// The widget's view of the entry the provider makes of `snapshot` at its own date. The user's
// home is an empty scratch folder, so that the icons are looked up (and missed) the same way
// in every run, whatever the machine's own home holds.
ui::View widgetView(const pellora::WidgetSnapshot& snapshot) {
  static const wk::StaticConfiguration widget = [] {
    const std::string home = (bench::scratchFolder() / "home").string();
    pellora::setUserDatabaseLookup([home] { return pellora::UserDatabaseEntry{home}; });
    return pellora::BatteryWidget{}.body();
  }();
  return widget.content(wk::AnyEntry(pellora::Entry{snapshot.updated, snapshot, snapshot.percent}));
}

std::string render(const pellora::WidgetSnapshot& snapshot, WidgetFamily family, render::Format format) {
  render::WidgetRendering rendering;
  rendering.family = family;
  rendering.format = format;
  rendering.scale = 2;
  return render::renderWidget(widgetView(snapshot), rendering);
}

void run(benchmark::State& state, const pellora::WidgetSnapshot& snapshot, WidgetFamily family,
         render::Format format) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string file = render(snapshot, family, format);
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = double(bytes);
}

// BM_Render/F/K: the placeholder in family F (0 small, 1 medium, 2 large), format K (0 PNG at
// scale 2, 1 SVG, 2 PDF).
void BM_Render(benchmark::State& state) {
  const auto family = families[state.range(0)];
  const auto format = formats[state.range(1)];
  state.SetLabel(std::string(familyNames[state.range(0)]) + " " + formatNames[state.range(1)]);
  run(state, pellora::WidgetSnapshot::placeholder(), family, format);
}
BENCHMARK(BM_Render)->ArgsProduct({{0, 1, 2}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ByteReader {
  const std::string& bytes;
  std::size_t at = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length) {
  auto& reader = *static_cast<ByteReader*>(closure);
  if (reader.bytes.size() - reader.at < length) return CAIRO_STATUS_READ_ERROR;
  reader.bytes.copy(reinterpret_cast<char*>(data), length, reader.at);
  reader.at += length;
  return CAIRO_STATUS_SUCCESS;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The pixels of the placeholder's PNG in family F (0 small, 1 medium, 2 large).
Surface placeholderPixels(std::int64_t family) {
  const std::string png = render(pellora::WidgetSnapshot::placeholder(), families[family], render::Format::png);
  ByteReader reader{png};
  Surface pixels(cairo_image_surface_create_from_png_stream(readBytes, &reader));
  if (cairo_surface_status(pixels.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot read the PNG");
  return pixels;
}

// BM_EncodePNG/F: those pixels encoded to PNG again with the renderer's own encoder (same
// pixels, same encoder, so the same compression work): the floor of any PNG render.
void BM_EncodePNG(benchmark::State& state) {
  state.SetLabel(familyNames[state.range(0)]);
  const Surface pixels = placeholderPixels(state.range(0));
  const int width = cairo_image_surface_get_width(pixels.get()), height = cairo_image_surface_get_height(pixels.get());
  for (auto _ : state) {
    render::PngWriter writer(width, height);
    writer.addRows(cairo_image_surface_get_data(pixels.get()), cairo_image_surface_get_stride(pixels.get()), height);
    const std::string file = writer.finish();
    benchmark::DoNotOptimize(file.data());
  }
}
BENCHMARK(BM_EncodePNG)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// BM_EncodePNGCairo/F: the same pixels through Cairo's own PNG writer, for comparison.
void BM_EncodePNGCairo(benchmark::State& state) {
  state.SetLabel(familyNames[state.range(0)]);
  const Surface pixels = placeholderPixels(state.range(0));
  for (auto _ : state) {
    std::string file;
    if (cairo_surface_write_to_png_stream(pixels.get(), appendBytes, &file) != CAIRO_STATUS_SUCCESS)
      state.SkipWithError("cannot encode the PNG");
    benchmark::DoNotOptimize(file.data());
  }
}
BENCHMARK(BM_EncodePNGCairo)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A day of charge sampled `points` times: down from 95 % to 25 % on battery, up to the limit
// on the charger and down again, with the one-percent steps a real reading jitters by.
pellora::WidgetSnapshot dayOfHistory(int points) {
  pellora::WidgetSnapshot s = bench::sizedSnapshot(points, 5, 86400.0 / points);
  for (int i = 0; i < points; ++i) {
    const double f = double(i) / points;
    const double level = f < 0.5 ? 95 - 140 * f : (f < 0.7 ? 25 + 275 * (f - 0.5) : 80 - 100 * (f - 0.7));
    (*s.history)[i].p = static_cast<std::int64_t>(std::lround(level)) + (i % 3) - 1;
  }
  return s;
}

// BM_RenderHistory/N: the large widget to PNG with N history points spread over the day.
void BM_RenderHistory(benchmark::State& state) {
  const int points = int(state.range(0));
  const pellora::WidgetSnapshot snapshot = dayOfHistory(points);
  run(state, snapshot, WidgetFamily::systemLarge, render::Format::png);
}
BENCHMARK(BM_RenderHistory)->Arg(48)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
