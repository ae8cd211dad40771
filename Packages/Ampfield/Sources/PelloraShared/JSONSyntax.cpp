#include "JSONSyntax.hpp"

#include <cctype>
#include <vector>

#include <simdjson.h>

namespace pellora::detail {

namespace {

class Scanner {
 public:
  Scanner(std::string_view text, std::size_t maxDepth) : s_(text), maxDepth_(maxDepth) {}

  std::string run() {
    // An explicit stack of open containers: deep nesting must not exhaust the call stack.
    std::vector<char> stack;
    skipSpace();
    if (!value(stack)) return error_;
    while (!stack.empty()) {
      skipSpace();
      if (at_ >= s_.size()) return "unexpected end of input";
      const char closer = stack.back() == '{' ? '}' : ']';
      if (s_[at_] == closer) {
        ++at_;
        stack.pop_back();
        continue;
      }
      if (s_[at_] != ',') return unexpected();
      ++at_;
      skipSpace();
      if (stack.back() == '{' && !member()) return error_;
      if (!value(stack)) return error_;
    }
    skipSpace();
    if (at_ < s_.size()) return unexpected();
    return {};
  }

 private:
  std::string unexpected() {
    if (at_ >= s_.size()) return "unexpected end of input";
    const auto c = static_cast<unsigned char>(s_[at_]);
    if (c == 0) return "unexpected NUL byte at byte " + std::to_string(at_);
    return "unexpected character at byte " + std::to_string(at_);
  }
  bool fail(std::string message) {
    error_ = std::move(message);
    return false;
  }
  void skipSpace() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r')) ++at_;
  }
  // A key and its colon, inside an object.
  bool member() {
    if (at_ >= s_.size() || s_[at_] != '"') return fail(unexpected());
    if (!string()) return false;
    skipSpace();
    if (at_ >= s_.size() || s_[at_] != ':') return fail(unexpected());
    ++at_;
    skipSpace();
    return true;
  }
  // One value; an opened container is pushed and its first member or element started.
  bool value(std::vector<char>& stack) {
    for (;;) {
      if (at_ >= s_.size()) return fail("unexpected end of input");
      const char c = s_[at_];
      if (c == '{' || c == '[') {
        if (stack.size() + 1 > maxDepth_) return fail("nested more than " + std::to_string(maxDepth_) + " levels deep at byte " + std::to_string(at_));
        ++at_;
        skipSpace();
        if (at_ < s_.size() && s_[at_] == (c == '{' ? '}' : ']')) {
          ++at_;
          return true;
        }
        stack.push_back(c);
        if (c == '{' && !member()) return false;
        continue;  // the container's first value
      }
      if (c == '"') return string();
      if (c == '-' || (c >= '0' && c <= '9')) return number();
      for (std::string_view word : {"true", "false", "null"}) {
        if (s_.substr(at_, word.size()) == word) {
          at_ += word.size();
          return true;
        }
      }
      return fail(unexpected());
    }
  }
  bool string() {
    const std::size_t start = at_++;
    while (at_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[at_]);
      if (c == '"') {
        if (!simdjson::validate_utf8(s_.data() + start, at_ - start)) {
          return fail("invalid UTF-8 in the string at byte " + std::to_string(start));
        }
        ++at_;
        return true;
      }
      if (c < 0x20) return fail(c == 0 ? "unexpected NUL byte at byte " + std::to_string(at_)
                                       : "unescaped control character at byte " + std::to_string(at_));
      if (c == '\\') {
        ++at_;
        if (at_ >= s_.size()) break;
        const char e = s_[at_];
        if (e == 'u') {
          for (int i = 1; i <= 4; ++i) {
            if (at_ + i >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[at_ + i]))) {
              at_ += i;
              return fail("bad \\u escape at byte " + std::to_string(at_));
            }
          }
          at_ += 4;
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return fail("bad escape at byte " + std::to_string(at_));
        }
      }
      ++at_;
    }
    return fail("unexpected end of input inside a string");
  }
  bool number() {
    const std::size_t start = at_;
    auto digits = [&] {
      const std::size_t from = at_;
      while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
      return at_ > from;
    };
    if (s_[at_] == '-') ++at_;
    if (at_ < s_.size() && s_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      return fail(unexpected());
    }
    if (at_ < s_.size() && s_[at_] == '.') {
      ++at_;
      if (!digits()) return fail(unexpected());
    }
    if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
      ++at_;
      if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-')) ++at_;
      if (!digits()) return fail(unexpected());
    }
    (void)start;
    return true;
  }

  std::string_view s_;
  std::size_t maxDepth_;
  std::size_t at_ = 0;
  std::string error_;
};

}  // namespace

std::string describeJSONSyntaxError(std::string_view text, std::size_t maxDepth) {
  return Scanner(text, maxDepth).run();
}

}  // namespace pellora::detail
