#pragma once
// A localizable text: a key whose development-language text is the key itself. Display names,
// descriptions, titles and labels are declared this way, so that a translation could be
// looked up by the key without changing the code that declares them.
#include <string>
#include <string_view>

namespace fnd {

class LocalizedStringKey {
 public:
  LocalizedStringKey(const char* key) : key_(key) {}  // NOLINT: written like a literal
  LocalizedStringKey(std::string key) : key_(std::move(key)) {}  // NOLINT
  LocalizedStringKey(std::string_view key) : key_(key) {}  // NOLINT

  const std::string& key() const { return key_; }
  // The text in the development language.
  const std::string& text() const { return key_; }

  bool operator==(const LocalizedStringKey&) const = default;

 private:
  std::string key_;
};

}  // namespace fnd
