#pragma once
// The host's view of the extension: the items its bundle offers on the running system, found
// by kind, and its entries as the extension's own Entry.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "App/Widget/Entry.hpp"
#include "Platform/WidgetKit/WidgetBundle.hpp"

namespace host {

// The bundle's items for the running system, in the bundle's order.
std::vector<wk::BundleItem> offeredItems();

// The battery widget's configuration (the bundle always offers it).
wk::StaticConfiguration batteryWidget();

// The control of that kind, when the running system offers it.
std::optional<wk::StaticControlConfiguration> offeredControl(std::string_view kind);

// The extension's entry behind a host entry; throws std::logic_error for a foreign entry.
const pellora::Entry& entryOf(const wk::AnyEntry& entry);

}  // namespace host
