#pragma once
// Localizable texts: a key looked up in a catalog of translations, whose development-language
// text is the key itself, then formatted with the text's arguments.
#include <map>
#include <memory>
#include <string>

#include "Platform/UI/View.hpp"

namespace ui {

struct TextNode;

class Catalog {
 public:
  Catalog() = default;
  explicit Catalog(std::map<std::string, std::string> translations)
      : translations_(std::move(translations)) {}
  // The translation of `key`, or the key itself (the development language) when it has none.
  const std::string& lookup(const std::string& key) const;

 private:
  std::map<std::string, std::string> translations_;
};

// What a text shows: a verbatim text as given; a localizable one looked up in `catalog`
// (nullptr: the development language) and formatted with its arguments. A key without
// arguments is shown as looked up, so a lone "%" stays "%".
std::string resolvedText(const TextNode& text, const Catalog* catalog = nullptr);

}  // namespace ui
