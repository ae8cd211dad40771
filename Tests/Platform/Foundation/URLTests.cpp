#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Platform/Foundation/URL.hpp"

namespace {

using fnd::URL;

struct Parts {
  const char* text;
  const char* scheme;
  std::optional<std::string> host;
  const char* path;
  std::optional<std::string> query = std::nullopt;
  std::optional<std::string> fragment = std::nullopt;
  std::optional<int> port = std::nullopt;
  std::optional<std::string> user = std::nullopt;
};

TEST(URLParse, SplitsTheGenericSyntaxIntoItsComponents) {
  const Parts cases[] = {
      {"pellora://limit/on", "pellora", "limit", "/on"},
      {"pellora://full", "pellora", "full", ""},
      {"pellora://open", "pellora", "open", ""},
      {"pellora://a/b/c", "pellora", "a", "/b/c"},
      {"pellora://", "pellora", "", ""},
      {"file:///tmp/x", "file", "", "/tmp/x"},
      {"mailto:someone@example.com", "mailto", std::nullopt, "someone@example.com"},
      {"https://me:pw@example.com:8080/p?q=1&r=2#top", "https", "example.com", "/p", "q=1&r=2",
       "top", 8080, "me:pw"},
      {"http://[::1]:80/", "http", "[::1]", "/", std::nullopt, std::nullopt, 80},
      {"x-y.z+w://h/a%20b", "x-y.z+w", "h", "/a%20b"},
      {"x://h/a;b&c$(id)'!*", "x", "h", "/a;b&c$(id)'!*"},
  };
  for (const Parts& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<URL> url = URL::parse(c.text);
    ASSERT_TRUE(url.has_value());
    EXPECT_EQ(url->absoluteString(), c.text);
    EXPECT_EQ(url->scheme(), c.scheme);
    EXPECT_EQ(url->host(), c.host);
    EXPECT_EQ(url->path(), c.path);
    EXPECT_EQ(url->query(), c.query);
    EXPECT_EQ(url->fragment(), c.fragment);
    EXPECT_EQ(url->port(), c.port);
    EXPECT_EQ(url->user(), c.user);
  }
}

TEST(URLParse, RefusesTextThatIsNoAbsoluteURL) {
  const char* cases[] = {
      "",                    "limit/on",          "://x",          "1abc://x",
      "pel lora://x",        "pellora://li mit",  "pellora://a/b c", "pellora://a\tb",
      "pellora://caf\xc3\xa9", "pellora://a/%zz",   "pellora://a/%4",  "pellora://a/<b>",
      "pellora://a/\"b\"",   "pellora://a/{b}",   "pellora://a|b",   "pellora://a\\b",
      "pellora://a/^",       "pellora://a/`",     "pellora://h:x",   "pellora://h:99999",
      "pellora://[::1",      "pellora://a#b#c",   "pellora://a\nb",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(URL::parse(text).has_value());
  }
}

}  // namespace
