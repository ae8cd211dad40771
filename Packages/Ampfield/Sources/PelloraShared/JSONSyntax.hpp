#pragma once
// Finds where a text stops being JSON, to explain a refused file to a person.
#include <string>
#include <string_view>

namespace pellora::detail {

// One line such as "unexpected character at byte 57" or "unexpected end of input", or an
// empty string when the text is well-formed JSON. Byte offsets count from 0.
std::string describeJSONSyntaxError(std::string_view text, std::size_t maxDepth);

}  // namespace pellora::detail
