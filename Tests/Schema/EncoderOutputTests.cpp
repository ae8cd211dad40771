// What the companion application's writer produces must be valid under the schema: the
// placeholder and snapshots at the edges of every field's range, encoded by encodeSnapshot.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Tests/Schema/SchemaValidator.hpp"

namespace {

using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;

struct Written {
  const char* name;
  WidgetSnapshot snapshot;
};

WidgetSnapshot required(Mode mode) {
  return {.updated = pellora::dateFromSeconds(1765238400),
          .percent = 72,
          .mode = mode,
          .status = "",
          .limit = 80,
          .topApps = {}};
}

TEST(SnapshotSchema, AcceptsWhatTheEncoderWrites) {
  using int64 = std::numeric_limits<std::int64_t>;
  using float64 = std::numeric_limits<double>;
  WidgetSnapshot extremes = required(Mode::sailing);
  extremes.updated = pellora::dateFromSeconds(1765238400.123);
  extremes.percent = int64::max();
  extremes.limit = int64::min();
  extremes.minutesLeft = 0;
  extremes.cycles = int64::min();
  extremes.watts = float64::denorm_min();
  extremes.health = 1e300;
  extremes.temperature = -40.5;
  extremes.adapterWatts = float64::max();
  extremes.insight = "\"quoted\" \\ line\nbreak \x01 \u00B7 \U0001F50B";
  extremes.topApps = {{.name = "Caf\u00E9", .watts = -0.0, .icon = "icon with spaces.png"},
                      {.name = "", .watts = 1e-7}};
  extremes.history = std::vector<WidgetSnapshot::Point>{};

  WidgetSnapshot farHistory = required(Mode::full);
  farHistory.history = {{.t = pellora::dateFromSeconds(-1e10), .p = int64::max()},
                        {.t = pellora::dateFromSeconds(1e15 + 0.5), .p = int64::min()}};

  const std::vector<Written> written = {
      {"the placeholder", WidgetSnapshot::placeholder()},
      {"only the required fields, charging", required(Mode::charging)},
      {"only the required fields, on battery", required(Mode::onBattery)},
      {"only the required fields, held", required(Mode::held)},
      {"only the required fields, full", required(Mode::full)},
      {"every field at an edge of its range", extremes},
      {"history far in the past and future", farHistory},
  };

  std::vector<std::string> texts;
  for (const Written& w : written) texts.push_back(pellora::encodeSnapshot(w.snapshot));
  const auto verdicts = schematest::validateTexts(texts);
  for (std::size_t i = 0; i < written.size(); ++i) {
    EXPECT_TRUE(verdicts[i].valid)
        << written[i].name << ": " << texts[i] << "\n  validator: " << verdicts[i].reason;
    const auto decoded = pellora::decodeSnapshot(texts[i]);
    EXPECT_TRUE(decoded.snapshot.has_value()) << written[i].name << ": " << decoded.error;
  }
}

}  // namespace
