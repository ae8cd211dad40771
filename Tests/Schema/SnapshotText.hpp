#pragma once
// Snapshot files as text for the agreement cases: a JSON object kept as key and raw value pairs,
// so that a case can swap, add or drop one value and leave the rest as it was.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace schematest {

class JSONObject {
 public:
  using Member = std::pair<std::string, std::string>;  // key, raw JSON value

  JSONObject(std::initializer_list<Member> members) : members_(members) {}

  // The same object with `key` holding `raw`: in place when present, appended otherwise.
  JSONObject with(std::string_view key, std::string raw) const;
  // The same object without `key`.
  JSONObject without(std::string_view key) const;
  // Compact JSON text, members in their order.
  std::string text() const;

 private:
  std::vector<Member> members_;
};

// "[a,b,…]" of the given raw values.
std::string array(std::initializer_list<std::string> raws);

// The six required keys and nothing else.
JSONObject minimalSnapshot();
// Every one of the fourteen keys, with apps and history points holding every key of theirs.
JSONObject fullSnapshot();
// One application with all three keys, and one history sample.
JSONObject fullApp();
JSONObject samplePoint();

}  // namespace schematest
