// Every float a snapshot can hold survives encoding and decoding, as in a save and a load: the largest and smallest
// magnitudes, and the large whole values whose shortest spelling is a long integer (the
// fuzzer found that -9.223372036854775808e20 was written as "-922337203685477580800", which
// no reader takes as a number in range).
#include <cfloat>
#include <functional>

#include <gtest/gtest.h>

#include "Tests/Fault/NumberedSnapshots.hpp"

namespace {

using pellora::WidgetSnapshot;

TEST(ExtremeValues, EveryFloatFieldSurvivesEncodingAndDecoding) {
  using Field = std::function<void(WidgetSnapshot&, double)>;
  const std::pair<const char*, Field> fields[] = {
      {"updated", [](WidgetSnapshot& s, double v) { s.updated = pellora::dateFromSeconds(v); }},
      {"watts", [](WidgetSnapshot& s, double v) { s.watts = v; }},
      {"health", [](WidgetSnapshot& s, double v) { s.health = v; }},
      {"temperature", [](WidgetSnapshot& s, double v) { s.temperature = v; }},
      {"adapterWatts", [](WidgetSnapshot& s, double v) { s.adapterWatts = v; }},
      {"topApps.watts", [](WidgetSnapshot& s, double v) { s.topApps.back().watts = v; }},
      {"history.t", [](WidgetSnapshot& s, double v) { s.history->back().t = pellora::dateFromSeconds(v); }},
  };
  const double values[] = {-922337203685477580800.0, 1e21, 1e20, 18446744073709551616.0, 18446744073709549568.0,
                           9223372036854775808.0, -9223372036854775808.0, -9223372036854777856.0, 9.3e18,
                           DBL_MAX, -DBL_MAX, DBL_MIN, 5e-324, -5e-324, 0.1, -0.0};
  for (const auto& [name, set] : fields) {
    for (const double v : values) {
      WidgetSnapshot s = faulttest::numbered(3);
      set(s, v);
      const std::string json = pellora::encodeSnapshot(s);
      const auto back = pellora::decodeSnapshot(json);
      EXPECT_TRUE(back.snapshot && *back.snapshot == s) << name << " = " << v << ": " << back.error << " in " << json;
    }
  }
}

}  // namespace
