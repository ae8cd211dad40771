#include "Platform/UI/Localization.hpp"

#include "Platform/UI/Format.hpp"
#include "Platform/UI/Node.hpp"

namespace ui {

const std::string& Catalog::lookup(const std::string& key) const {
  auto it = translations_.find(key);
  return it == translations_.end() ? key : it->second;
}

std::string resolvedText(const TextNode& text, const Catalog* catalog) {
  if (text.verbatim) return text.content;
  const std::string& format = catalog ? catalog->lookup(text.content) : text.content;
  if (text.arguments.empty()) return format;
  return formatC(format, text.arguments);
}

}  // namespace ui
