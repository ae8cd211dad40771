#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "App/Widget/Provider.hpp"
#include "WidgetHome.hpp"

namespace {

using pellora::Entry;
using pellora::Provider;
using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;
using widgettest::now;

class ProviderTest : public widgettest::WidgetHome {
 protected:
  wk::Timeline<Entry> timeline() const {
    std::optional<wk::Timeline<Entry>> result;
    int calls = 0;
    Provider{}.getTimeline({}, [&](wk::Timeline<Entry> t) {
      ++calls;
      result.emplace(std::move(t));
    });
    EXPECT_EQ(calls, 1);
    return std::move(*result);
  }
  Entry previewEntry(bool isPreview) const {
    std::optional<Entry> result;
    int calls = 0;
    wk::TimelineProviderContext context;
    context.isPreview = isPreview;
    Provider{}.getSnapshot(context, [&](Entry e) {
      ++calls;
      result.emplace(std::move(e));
    });
    EXPECT_EQ(calls, 1);
    return std::move(*result);
  }
};

TEST_F(ProviderTest, WithoutAReadableSnapshotOneEmptyEntryAndARetryInHalfAnHour) {
  const char* files[] = {nullptr, "", "{\"percent\":", "{\"mode\":\"charging\"}", "[]"};
  for (const char* bytes : files) {
    SCOPED_TRACE(bytes ? bytes : "(no file)");
    if (bytes) writeBytes(bytes);
    const wk::Timeline<Entry> t = timeline();
    ASSERT_EQ(t.entries.size(), 1u);
    EXPECT_EQ(fnd::secondsSince1970(t.entries[0].date), now);
    EXPECT_FALSE(t.entries[0].snapshot.has_value());
    EXPECT_EQ(t.entries[0].percent, 0);
    EXPECT_EQ(t.policy, wk::TimelineReloadPolicy::after(fnd::dateFromSeconds(now + 1800)));
  }
}

TEST_F(ProviderTest, WithASnapshotTwelveProjectedEntriesFiveMinutesApart) {
  struct Case {
    const char* name;
    WidgetSnapshot snapshot;
    std::vector<std::int64_t> percents;  // the first few entries
  };
  const Case cases[] = {
      // 160 minutes into a 320-minute discharge from 72: 36, then falling.
      {"on battery", snapshot(Mode::onBattery, 72, 320, 80, 160), {36, 35, 34, 33}},
      // Charging 50 → 80 over 60 minutes, written 30 minutes ago: 65, then +2.5 per step.
      {"charging", snapshot(Mode::charging, 50, 60, 80, 30), {65, 68, 70, 73}},
      {"held", snapshot(Mode::held, 80, 90, 80, 30), {80, 80, 80, 80}},
      // Three days old: still twelve entries, at the bound.
      {"old", snapshot(Mode::onBattery, 72, 320, 80, 3 * 24 * 60), {0, 0, 0, 0}},
      {"no estimate", snapshot(Mode::onBattery, 72, std::nullopt, 80, 160), {72, 72, 72, 72}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    save(c.snapshot);
    const wk::Timeline<Entry> t = timeline();
    ASSERT_EQ(t.entries.size(), 12u);
    EXPECT_EQ(t.policy, wk::TimelineReloadPolicy::atEnd);
    for (std::size_t i = 0; i < t.entries.size(); ++i) {
      const Entry& e = t.entries[i];
      EXPECT_EQ(fnd::secondsSince1970(e.date), now + static_cast<double>(i) * 300.0);
      ASSERT_TRUE(e.snapshot.has_value());
      EXPECT_EQ(*e.snapshot, c.snapshot);
      EXPECT_EQ(e.percent, c.snapshot.projectedPercent(e.date));
      if (i < c.percents.size()) {
        EXPECT_EQ(e.percent, c.percents[i]) << "entry " << i;
      }
    }
  }
}

TEST_F(ProviderTest, PreviewOutsideTheGalleryShowsTheStoredSnapshotWithItsOwnPercent) {
  const WidgetSnapshot stored = snapshot(Mode::onBattery, 72, 320, 80, 160);
  save(stored);
  const Entry e = previewEntry(false);
  EXPECT_EQ(fnd::secondsSince1970(e.date), now);
  ASSERT_TRUE(e.snapshot.has_value());
  EXPECT_EQ(*e.snapshot, stored);
  EXPECT_EQ(e.percent, 72);  // not the projection (36)
}

TEST_F(ProviderTest, PreviewFallsBackToThePlaceholder) {
  const WidgetSnapshot placeholder = WidgetSnapshot::placeholder();
  struct Case {
    const char* name;
    bool isPreview;
    bool fileExists;
  };
  const Case cases[] = {
      {"gallery, with a file", true, true},
      {"gallery, no file", true, false},
      {"no file", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(snapshotFile());
    if (c.fileExists) save(snapshot(Mode::charging, 10, 60, 80));
    lookups_ = 0;
    const Entry e = previewEntry(c.isPreview);
    ASSERT_TRUE(e.snapshot.has_value());
    EXPECT_EQ(*e.snapshot, placeholder);
    EXPECT_EQ(e.percent, placeholder.percent);
    EXPECT_EQ(fnd::secondsSince1970(e.date), now);
    // A preview for the gallery never looks for the file.
    if (c.isPreview) {
      EXPECT_EQ(lookups(), 0);
    }
  }
}

TEST_F(ProviderTest, PlaceholderIsThePlaceholderSnapshotWithItsOwnPercent) {
  save(snapshot(Mode::charging, 10, 60, 80));
  lookups_ = 0;
  const Entry e = Provider{}.placeholder({});
  ASSERT_TRUE(e.snapshot.has_value());
  EXPECT_EQ(*e.snapshot, WidgetSnapshot::placeholder());
  EXPECT_EQ(e.percent, 72);
  EXPECT_EQ(fnd::secondsSince1970(e.date), now);
  EXPECT_EQ(lookups(), 0);
}

}  // namespace
