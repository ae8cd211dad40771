#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Platform/Foundation/SharedValue.hpp"

namespace {

using Shared = fnd::SharedValue<std::vector<std::string>>;

// Copies share the value, but equality is by value, as with an optional: two values made
// apart with the same content are equal, and absent equals absent only.
TEST(SharedValue, ComparesByValueLikeAnOptional) {
  const Shared a(std::vector<std::string>{"x", "y"});
  const Shared copy = a;
  struct Case {
    const char* name;
    Shared left, right;
    bool equal;
  } cases[] = {
      {"a copy", a, copy, true},
      {"made apart, same content", a, Shared(std::vector<std::string>{"x", "y"}), true},
      {"other content", a, Shared(std::vector<std::string>{"x"}), false},
      {"absent and present", Shared(), a, false},
      {"both absent", Shared(std::nullopt), Shared(std::optional<std::vector<std::string>>{}), true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.left == c.right, c.equal) << c.name;
    EXPECT_EQ(c.right == c.left, c.equal) << c.name;
  }
  EXPECT_EQ(&*a, &*copy);
  EXPECT_TRUE(Shared() == std::nullopt);
  EXPECT_FALSE(a == std::nullopt);
  EXPECT_EQ(a->size(), 2u);
}

}  // namespace
