#pragma once
// Replacing a file's content in one step, so readers see the old file or the new one, never
// a part.
#include <filesystem>
#include <string_view>

namespace render {

// Throws std::system_error; the target is untouched and no temporary is left behind on failure.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace render
