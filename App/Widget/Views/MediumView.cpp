#include "App/Widget/Views/AppRows.hpp"
#include "App/Widget/Views/Layouts.hpp"
#include "App/Widget/Views/StatsRow.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

View MediumView::body() const {
  return HStack(VerticalAlignment::center, 16,
                {
                    View(SmallView{entry, s}).frame(128.0, std::nullopt),
                    VStack(HorizontalAlignment::leading, 7,
                           {
                               Text::localized("Using power")
                                   .font(Font::textStyle(TextStyle::caption, Weight::semibold))
                                   .foregroundStyle(Color::secondary()),
                               View(AppRows{s.topApps, 3}),
                               Spacer(0),
                               View(StatsRow{s}),
                           }),
                });
}

}  // namespace pellora
