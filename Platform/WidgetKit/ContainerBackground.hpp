#pragma once
// Where a widget's container background goes: behind the whole widget, margins included.
#include "Platform/UI/View.hpp"

namespace wk {

inline ui::ContainerBackgroundPlacement widgetBackgroundPlacement() { return {"widget"}; }

}  // namespace wk
