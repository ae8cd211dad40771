#include "App/Widget/Views/Layouts.hpp"

#include "Platform/Foundation/Clock.hpp"
#include "Platform/UI/UI.hpp"
#include "Platform/WidgetKit/ContainerBackground.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace pellora {

using namespace ui;

View EmptyStateView::body() const {
  return VStack(HorizontalAlignment::center, 6,
                {
                    Image::system("battery.100percent.bolt").font(Font::textStyle(TextStyle::title2)).foregroundStyle(Color::green()),
                    Text::localized("Open Pellora to start")
                        .font(Font::textStyle(TextStyle::caption))
                        .foregroundStyle(Color::secondary())
                        .multilineTextAlignment(TextAlignment::center),
                })
      .frame(FlexibleFrame{.maxWidth = infinity, .maxHeight = infinity, .alignment = Alignment::center()});
}

View PelloraWidgetView::body() const {
  // Staleness is judged by the clock when the body is built, not by the entry's date.
  double opacity = 1.0;
  if (entry.snapshot) {
    const double age = fnd::secondsSince1970(fnd::Clock::now()) - secondsSince1970(entry.snapshot->updated);
    if (age > staleAfterSeconds) opacity = 0.5;
  }
  const Entry e = entry;
  const View content = EnvironmentReader([e](const Environment& env) -> View {
    if (!e.snapshot) return EmptyStateView{};
    switch (env.get<wk::WidgetFamilyKey>()) {
      case wk::WidgetFamily::systemMedium: return MediumView{e, *e.snapshot};
      case wk::WidgetFamily::systemLarge: return LargeView{e, *e.snapshot};
      default: return SmallView{e, *e.snapshot};
    }
  });
  return Group({content})
      .opacity(opacity)
      .containerBackground(Color::fill(Level::tertiary), wk::widgetBackgroundPlacement());
}

}  // namespace pellora
