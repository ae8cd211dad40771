#include "App/Widget/Views/AppRows.hpp"

#include <algorithm>

#include "App/Widget/SandboxedFiles.hpp"
#include "App/Widget/StatusTexts.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

View AppIconImage::body() const {
  // Read on every rendering: nothing is cached between them.
  if (file) {
    if (auto image = readIcon(WidgetSnapshot::iconURL(*file))) {
      return Image::platform(std::move(*image))
          .resizable(EdgeInsets{}, ResizingMode::stretch)
          .interpolation(Interpolation::high)
          .frame(16.0, 16.0);
    }
  }
  return Image::system("app.dashed").font(Font::system(13)).foregroundStyle(Color::tertiary()).frame(16.0, 16.0);
}

namespace {

View row(const WidgetSnapshot::App& app, double scale) {
  return HStack(VerticalAlignment::center, 7,
                {
                    View(AppIconImage{app.icon}),
                    VStack(HorizontalAlignment::leading, 2,
                           {
                               HStack(VerticalAlignment::center, std::nullopt,
                                      {
                                          Text::verbatim(app.name).font(Font::textStyle(TextStyle::caption)).lineLimit(1),
                                          Spacer(4),
                                          Text::verbatim(watts(app.watts))
                                              .font(Font::textStyle(TextStyle::caption2))
                                              .foregroundStyle(Color::secondary())
                                              .monospacedDigit(),
                                      }),
                               GeometryReader([w = app.watts, scale](const GeometryProxy& geo) {
                                 // Never narrower than 3 points, so an idle application still shows.
                                 return Capsule(RoundedCornerStyle::continuous)
                                     .fill(Color::orange().withOpacity(0.65))
                                     .frame(std::max(3.0, geo.size.width * w / scale), geo.size.height);
                               }).frame(std::nullopt, 3.0),
                           }),
                });
}

}  // namespace

View AppRows::body() const {
  const auto count = static_cast<std::size_t>(std::clamp<std::int64_t>(limit, 0, static_cast<std::int64_t>(apps.size())));
  const std::vector<WidgetSnapshot::App> rows(apps.begin(), apps.begin() + static_cast<std::ptrdiff_t>(count));
  double scale = 0;
  for (const auto& app : rows) scale = std::max(scale, app.watts);
  if (!(scale > 0.01)) scale = 0.01;

  std::vector<View> children;
  if (rows.empty()) {
    children.push_back(Text::localized("Nothing using much power").font(Font::textStyle(TextStyle::caption)).foregroundStyle(Color::secondary()));
  }
  children.push_back(ForEach(rows, [](const WidgetSnapshot::App& app) { return app.name; },
                             [scale](const WidgetSnapshot::App& app) { return row(app, scale); }));
  return VStack(HorizontalAlignment::leading, 6, std::move(children));
}

}  // namespace pellora
