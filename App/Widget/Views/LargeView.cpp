#include "App/Widget/StatusTexts.hpp"
#include "App/Widget/Views/AppRows.hpp"
#include "App/Widget/Views/Components.hpp"
#include "App/Widget/Views/HistoryChart.hpp"
#include "App/Widget/Views/Layouts.hpp"
#include "App/Widget/Views/StatsRow.hpp"
#include "App/Widget/Views/Tint.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

namespace {

Font caption() { return Font::textStyle(TextStyle::caption); }

View header(const Entry& entry, const WidgetSnapshot& s) {
  std::vector<View> lines{
      Text::verbatim(timeLine(s)).font(Font::textStyle(TextStyle::callout, Weight::semibold)),
      Text::localized("Using %@", watts(s.watts)).font(caption()).foregroundStyle(Color::secondary()),
  };
  if (s.mode != WidgetSnapshot::Mode::onBattery && s.adapterWatts) {
    lines.push_back(Text::localized("Charger %@", watts(s.adapterWatts)).font(caption()).foregroundStyle(Color::secondary()));
  }
  return HStack(VerticalAlignment::top, std::nullopt,
                {
                    VStack(HorizontalAlignment::leading, 2, {View(ModeLabel{s}), View(BigPercent{entry.percent, 44})}),
                    Spacer(),
                    VStack(HorizontalAlignment::trailing, 3, std::move(lines)).padding(EdgeSet::top(), 4),
                });
}

// A full-width, lightly tinted strip with a bulb and one line of advice.
View insightBanner(const std::string& insight) {
  return HStack(VerticalAlignment::center, 6,
                {
                    Image::system("lightbulb.fill").font(caption()).foregroundStyle(Color::orange()),
                    Text::verbatim(insight).font(caption()).lineLimit(1),
                })
      .padding(EdgeSet::horizontal(), 8)
      .padding(EdgeSet::vertical(), 5)
      .frame(FlexibleFrame{.maxWidth = infinity, .alignment = Alignment::leading()})
      .background(RoundedRectangle(7, RoundedCornerStyle::continuous).fill(Color::orange().withOpacity(0.1)));
}

}  // namespace

View LargeView::body() const {
  std::vector<View> children{
      header(entry, s),
      View(LevelBar{entry.percent, s.limit, barTint(s)}),
      View(HistoryChart{s}).frame(std::nullopt, 78.0),
  };
  if (s.insight) children.push_back(insightBanner(*s.insight));
  children.push_back(Text::localized("Using power")
                         .font(Font::textStyle(TextStyle::caption, Weight::semibold))
                         .foregroundStyle(Color::secondary()));
  // With the banner there is room for one row fewer.
  children.push_back(View(AppRows{s.topApps, s.insight ? 4 : 5}));
  children.push_back(Spacer(0));
  children.push_back(View(StatsRow{s}));
  return VStack(HorizontalAlignment::leading, 10, std::move(children));
}

}  // namespace pellora
