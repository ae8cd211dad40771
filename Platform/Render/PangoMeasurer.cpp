#include "Platform/Render/PangoMeasurer.hpp"

#include "Platform/Render/Symbols.hpp"
#include "Platform/Render/TextFont.hpp"
#include "Platform/Render/detail/TextLayout.hpp"

namespace render {

struct PangoMeasurer::Impl {
  detail::ContextPtr context = detail::makeMeasuringContext();
};

PangoMeasurer::PangoMeasurer() : impl_(std::make_unique<Impl>()) {}
PangoMeasurer::~PangoMeasurer() = default;

layout::TextMeasure PangoMeasurer::measureText(const layout::TextRequest& request) const {
  detail::TextSpec textSpec{request.text,     textFont(request.font), request.font.pointSize() * request.scale,
                        request.monospacedDigits, request.maxWidth, request.lineLimit, request.alignment};
  return detail::measure(detail::buildLayout(impl_->context.get(), textSpec));
}

layout::SymbolMeasure PangoMeasurer::measureSymbol(std::string_view systemName, const ui::Font& font) const {
  return symbolBox(systemName, font.pointSize());
}

}  // namespace render
