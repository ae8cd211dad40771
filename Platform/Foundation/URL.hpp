#pragma once
// An absolute URL in the generic syntax: scheme ":" ["//" authority] path ["?" query]
// ["#" fragment]. Components are kept as written (percent escapes are not decoded), which is
// all a command URL needs: "pellora://limit/on" has scheme "pellora", host "limit", path "/on".
#include <optional>
#include <string>
#include <string_view>

namespace fnd {

class URL {
 public:
  // No value unless `text` is an absolute URL: a scheme, then only characters that a URL may
  // hold (no spaces, controls, non-ASCII or characters such as < > " { } | \ ^ `), with every
  // "%" followed by two hexadecimal digits and a well-formed authority when "//" follows the
  // scheme.
  static std::optional<URL> parse(std::string_view text);

  const std::string& absoluteString() const { return text_; }
  const std::string& scheme() const { return scheme_; }
  // Present when the URL has an authority ("//..."), possibly empty ("file:///tmp").
  const std::optional<std::string>& host() const { return host_; }
  const std::optional<std::string>& user() const { return user_; }
  const std::optional<int>& port() const { return port_; }
  // Empty when there is none ("pellora://full").
  const std::string& path() const { return path_; }
  const std::optional<std::string>& query() const { return query_; }
  const std::optional<std::string>& fragment() const { return fragment_; }

  bool operator==(const URL& other) const { return text_ == other.text_; }

 private:
  URL() = default;
  std::string text_;
  std::string scheme_;
  std::optional<std::string> user_;
  std::optional<std::string> host_;
  std::optional<int> port_;
  std::string path_;
  std::optional<std::string> query_;
  std::optional<std::string> fragment_;
};

}  // namespace fnd
