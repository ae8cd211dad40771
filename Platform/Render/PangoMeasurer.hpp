#pragma once
// layout::Measurer with Pango: texts are laid out exactly as the backend draws them.
#include <memory>

#include "Platform/Layout/Measurer.hpp"

namespace render {

class PangoMeasurer final : public layout::Measurer {
 public:
  PangoMeasurer();
  ~PangoMeasurer() override;
  PangoMeasurer(const PangoMeasurer&) = delete;
  PangoMeasurer& operator=(const PangoMeasurer&) = delete;

  layout::TextMeasure measureText(const layout::TextRequest& request) const override;
  layout::SymbolMeasure measureSymbol(std::string_view systemName, const ui::Font& font) const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace render
