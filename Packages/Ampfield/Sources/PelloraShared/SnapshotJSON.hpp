#pragma once
// The JSON form of a snapshot: a strict decoder that can say why it refused, and a compact
// encoder.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace pellora {

// Thrown by encodeSnapshot when a float field holds NaN or an infinity.
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DecodeResult {
  std::optional<WidgetSnapshot> snapshot;  // present when decoding succeeded
  std::string error;                       // the first reason, for people, when it failed
};

// Decodes the JSON form. All or nothing: any failure yields no snapshot and one reason, such as
// `"percent" must be a whole number, got 72.5` or `topApps[2]: missing required key "watts"`.
DecodeResult decodeSnapshot(std::string_view json);

// Compact JSON in declaration order, absent optionals left out, numbers in shortest round-trip
// form. Throws EncodingError for NaN or infinity.
std::string encodeSnapshot(const WidgetSnapshot& snapshot);

// Writes `value` as a JSON number in shortest round-trip form ("31", "6.4", "1765238400").
// Throws EncodingError when it is not finite.
void appendJSONNumber(std::string& out, double value, std::string_view field);
// Writes `text` as a JSON string with the escapes JSON requires.
void appendJSONString(std::string& out, std::string_view text);

}  // namespace pellora
