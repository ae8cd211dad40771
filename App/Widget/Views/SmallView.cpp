#include "App/Widget/StatusTexts.hpp"
#include "App/Widget/Views/Components.hpp"
#include "App/Widget/Views/Layouts.hpp"
#include "App/Widget/Views/Tint.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

View SmallView::body() const {
  return VStack(HorizontalAlignment::leading, 0,
                {
                    View(ModeLabel{s}),
                    Spacer(0),
                    View(BigPercent{entry.percent, 40}),
                    View(LevelBar{entry.percent, s.limit, barTint(s)}).padding(EdgeSet::vertical(), 6),
                    Text::verbatim(timeLine(s))
                        .font(Font::textStyle(TextStyle::callout, Weight::medium))
                        .lineLimit(1)
                        .minimumScaleFactor(0.8),
                    Text::localized("Using %@", watts(s.watts))
                        .font(Font::textStyle(TextStyle::caption))
                        .foregroundStyle(Color::secondary()),
                })
      .frame(FlexibleFrame{.maxWidth = infinity, .maxHeight = infinity, .alignment = Alignment::leading()});
}

}  // namespace pellora
