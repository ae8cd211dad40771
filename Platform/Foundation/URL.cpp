#include "Platform/Foundation/URL.hpp"

#include <charconv>
#include <cstring>

namespace fnd {
namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isUnreserved(char c) { return isAlpha(c) || isDigit(c) || std::strchr("-._~", c) != nullptr; }
bool isSubDelim(char c) { return c != '\0' && std::strchr("!$&'()*+,;=", c) != nullptr; }

// Every character is unreserved, a sub-delimiter, one of `extra`, or a complete "%HH" escape.
bool isValidComponent(std::string_view s, const char* extra) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '%') {
      if (i + 2 >= s.size()) return false;
      if (!isHex(s[i + 1]) || !isHex(s[i + 2])) return false;
      i += 2;
      continue;
    }
    if (isUnreserved(c) || isSubDelim(c) || (c != '\0' && std::strchr(extra, c) != nullptr)) {
      continue;
    }
    return false;
  }
  return true;
}

std::size_t findFirstOf(std::string_view s, std::string_view chars) {
  const std::size_t at = s.find_first_of(chars);
  return at == std::string_view::npos ? s.size() : at;
}

}  // namespace

std::optional<URL> URL::parse(std::string_view text) {
  URL url;
  url.text_ = std::string(text);

  // 1. Scheme: a letter, then letters, digits, "+", "-" or ".", up to the first ":".
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || !isAlpha(text[0])) return std::nullopt;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = text[i];
    if (!isAlpha(c) && !isDigit(c) && c != '+' && c != '-' && c != '.') return std::nullopt;
  }
  url.scheme_ = std::string(text.substr(0, colon));
  std::string_view rest = text.substr(colon + 1);

  // 2. Fragment and query come off the end first: "#" starts the fragment, the first "?"
  //    before it the query.
  if (const std::size_t hash = rest.find('#'); hash != std::string_view::npos) {
    const std::string_view fragment = rest.substr(hash + 1);
    if (!isValidComponent(fragment, ":@/?")) return std::nullopt;
    url.fragment_ = std::string(fragment);
    rest = rest.substr(0, hash);
  }
  if (const std::size_t question = rest.find('?'); question != std::string_view::npos) {
    const std::string_view query = rest.substr(question + 1);
    if (!isValidComponent(query, ":@/?")) return std::nullopt;
    url.query_ = std::string(query);
    rest = rest.substr(0, question);
  }

  // 3. Authority: after "//", up to the first "/", as [user "@"] host [":" port].
  if (rest.substr(0, 2) == "//") {
    rest.remove_prefix(2);
    const std::size_t end = findFirstOf(rest, "/");
    std::string_view authority = rest.substr(0, end);
    rest.remove_prefix(end);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
      const std::string_view user = authority.substr(0, at);
      if (!isValidComponent(user, ":")) return std::nullopt;
      url.user_ = std::string(user);
      authority.remove_prefix(at + 1);
    }
    std::string_view host = authority;
    if (!authority.empty() && authority.front() == '[') {
      // An IP literal: "[" address "]", then an optional port.
      const std::size_t close = authority.find(']');
      if (close == std::string_view::npos) return std::nullopt;
      const std::string_view inside = authority.substr(1, close - 1);
      if (inside.empty() || !isValidComponent(inside, ":")) return std::nullopt;
      host = authority.substr(0, close + 1);
      authority.remove_prefix(close + 1);
      if (!authority.empty() && authority.front() != ':') return std::nullopt;
    } else {
      const std::size_t portColon = authority.find(':');
      host = authority.substr(0, portColon);
      authority.remove_prefix(portColon == std::string_view::npos ? authority.size() : portColon);
      if (!isValidComponent(host, "")) return std::nullopt;
    }
    if (!authority.empty()) {  // ":" port
      const std::string_view digits = authority.substr(1);
      for (char c : digits) {
        if (!isDigit(c)) return std::nullopt;
      }
      if (!digits.empty()) {
        int port = 0;
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (ec != std::errc{} || ptr != digits.data() + digits.size() || port > 65535) {
          return std::nullopt;
        }
        url.port_ = port;
      }
    }
    url.host_ = std::string(host);
  }

  // 4. What remains is the path.
  if (!isValidComponent(rest, ":@/")) return std::nullopt;
  url.path_ = std::string(rest);
  return url;
}

}  // namespace fnd
