#pragma once
// The one reverse-DNS prefix of every widget and control kind this extension declares. Hosts
// remember widgets by kind, so these strings never change between launches.
#include <string>
#include <string_view>

namespace pellora {

inline constexpr std::string_view kindPrefix = "app.pellora.widgets";

// kindPrefix followed by `suffix` (".battery", ".control.limit", …).
inline std::string kindWithSuffix(std::string_view suffix) {
  return std::string(kindPrefix) + std::string(suffix);
}

}  // namespace pellora
