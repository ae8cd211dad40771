#pragma once
// A title with a symbol image, as controls show their state and their buttons.
#include <string>

#include "Platform/Foundation/LocalizedStringKey.hpp"

namespace wk {

struct Label {
  fnd::LocalizedStringKey title;
  std::string systemImage;

  Label(fnd::LocalizedStringKey title, std::string systemImage)
      : title(std::move(title)), systemImage(std::move(systemImage)) {}

  bool operator==(const Label&) const = default;
};

}  // namespace wk
