#pragma once
// Every file the widget reads goes through its sandbox, which grants read-only access to the
// store's folder and nothing else.
#include <filesystem>
#include <optional>

#include "Platform/ImageIO/Image.hpp"
#include "Platform/Sandbox/Sandbox.hpp"

namespace pellora {

// The widget's grant, for the store's folder as it is now (the home directory may change).
sandbox::Sandbox widgetSandbox();
// Routes the shared module's snapshot reads through widgetSandbox(). The host calls it once
// at start, before the widget reads anything.
void confineSnapshotReads();
// An icon image read through widgetSandbox(), or nothing.
std::optional<imageio::ImageRef> readIcon(const std::filesystem::path& file);

}  // namespace pellora
