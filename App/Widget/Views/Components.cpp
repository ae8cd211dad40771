#include "App/Widget/Views/Components.hpp"

#include <algorithm>

#include "App/Widget/StatusTexts.hpp"
#include "App/Widget/Views/Tint.hpp"
#include "Platform/UI/UI.hpp"

namespace pellora {

using namespace ui;

View ModeLabel::body() const {
  return HStack(VerticalAlignment::center, 4,
                {
                    Image::system(symbol(s)).font(Font::textStyle(TextStyle::caption2, Weight::bold)),
                    Text::verbatim(modeTitle(s)).font(Font::textStyle(TextStyle::caption, Weight::semibold)).lineLimit(1),
                })
      .foregroundStyle(modeLabelColor(s));
}

View BigPercent::body() const {
  return HStack(VerticalAlignment::firstTextBaseline, 1,
                {
                    Text::localized("%lld", percent).font(Font::system(size, Weight::semibold, Design::rounded)).monospacedDigit(),
                    Text::localized("%").font(Font::system(size * 0.5, Weight::semibold, Design::rounded)).foregroundStyle(Color::secondary()),
                })
      .contentTransition(ContentTransition::numericText(static_cast<double>(percent)));
}

View LevelBar::body() const {
  return GeometryReader([percent = percent, limit = limit, tint = tint](const GeometryProxy& geo) {
           const double w = geo.size.width;
           const double h = geo.size.height;
           // A tint of the plain text colour is drawn softened; any other colour as its gradient.
           const ShapeStyle paint = tint == Color::primary() ? ShapeStyle(Color::primary().withOpacity(0.75))
                                                             : ShapeStyle::standardGradient(tint);
           std::vector<View> layers{
               Capsule(RoundedCornerStyle::continuous).fill(Color::quaternary()),
               // Never narrower than 5 points, so an empty battery still shows a sliver.
               Capsule(RoundedCornerStyle::continuous)
                   .fill(paint)
                   .frame(std::max(5.0, w * static_cast<double>(percent) / 100), h),
           };
           if (limit <= 99) {
             layers.push_back(Capsule(RoundedCornerStyle::continuous)
                                  .fill(Color::secondary())
                                  .frame(2.0, h + 4)
                                  .offset(w * static_cast<double>(limit) / 100 - 1, 0));
           }
           return ZStack(Alignment::leading(), std::move(layers));
         })
      .frame(std::nullopt, 6.0);
}

}  // namespace pellora
