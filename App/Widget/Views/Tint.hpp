#pragma once
// The colours that tell the charging state: of the mode label, and of the level bar's fill.
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/UI/Style.hpp"

namespace pellora {

// Green when charging or full, blue when held or paused; on battery the secondary level above
// 20 %, orange above 10 %, red at 10 % and below.
ui::Color modeLabelColor(const WidgetSnapshot& s);
// As the label, but the plain primary colour on battery above 20 %.
ui::Color barTint(const WidgetSnapshot& s);

}  // namespace pellora
