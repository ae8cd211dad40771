#include "App/Widget/SandboxedFiles.hpp"

#include "PelloraShared/SnapshotFile.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/ImageIO/ImageReader.hpp"

namespace pellora {

sandbox::Sandbox widgetSandbox() { return sandbox::Sandbox({WidgetSnapshot::folder()}); }

void confineSnapshotReads() {
  setFileReader([](const std::filesystem::path& path, std::size_t maxBytes) {
    sandbox::ReadResult r = widgetSandbox().read(path, maxBytes);
    FileContents out;
    out.bytes = std::move(r.bytes);
    out.error = std::move(r.reason);
    switch (r.failure) {
      case sandbox::ReadFailure::none: out.failure = ReadFailure::none; break;
      case sandbox::ReadFailure::missing: out.failure = ReadFailure::missing; break;
      case sandbox::ReadFailure::notRegularFile: out.failure = ReadFailure::notRegularFile; break;
      case sandbox::ReadFailure::tooLarge: out.failure = ReadFailure::tooLarge; break;
      case sandbox::ReadFailure::denied:
      case sandbox::ReadFailure::unreadable: out.failure = ReadFailure::unreadable; break;
    }
    return out;
  });
}

std::optional<imageio::ImageRef> readIcon(const std::filesystem::path& file) {
  return imageio::readImage(widgetSandbox(), file);
}

}  // namespace pellora
