#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "Platform/Intents/Intents.hpp"

namespace {

using intents::AnyAppIntent;
using intents::AnySetValueIntent;
using intents::IntentParameter;
using intents::IntentResult;
using intents::OpenURLIntent;

// A set-value intent that opens "demo://switch/" followed by on or off, and notes its thread.
struct SwitchIntent {
  IntentParameter<bool> value{"On"};
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Switch");
    return key;
  }
  static constexpr bool isDiscoverable = false;
  static inline std::atomic<std::thread::id> performedOn{};
  IntentResult perform() const {
    performedOn = std::this_thread::get_id();
    const std::string text = std::string("demo://switch/") + (value.wrappedValue() ? "on" : "off");
    return IntentResult::result(OpenURLIntent(*fnd::URL::parse(text)));
  }
};

// Opens "demo://" followed by its text parameter, which must form a URL.
struct LinkIntent {
  IntentParameter<std::string> command{"Command"};
  LinkIntent() = default;
  explicit LinkIntent(std::string c) { command = std::move(c); }
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Link");
    return key;
  }
  IntentResult perform() const {
    const auto url = fnd::URL::parse("demo://" + command.wrappedValue());
    if (!url) throw intents::IntentError("not a URL");
    return IntentResult::result(OpenURLIntent(*url));
  }
};

struct NothingIntent {
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Nothing");
    return key;
  }
  IntentResult perform() const { return IntentResult::result(); }
};

struct EndlessIntent {
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Endless");
    return key;
  }
  IntentResult perform() const { return IntentResult::result(EndlessIntent{}); }
};

static_assert(intents::AppIntent<OpenURLIntent>);
static_assert(intents::SetValueIntent<SwitchIntent, bool>);
static_assert(!intents::SetValueIntent<LinkIntent, bool>);

std::optional<std::string> runToURL(AnyAppIntent intent) {
  const std::optional<fnd::URL> url = intents::run(std::move(intent)).get();
  if (!url) return std::nullopt;
  return url->absoluteString();
}

TEST(IntentRun, FollowsTheResultToTheURLToOpen) {
  struct Case {
    const char* name;
    AnyAppIntent intent;
    std::optional<std::string> url;
  };
  const AnySetValueIntent<bool> toggle{SwitchIntent{}};
  const Case cases[] = {
      {"set true", toggle.withValue(true), "demo://switch/on"},
      {"set false", toggle.withValue(false), "demo://switch/off"},
      {"link", LinkIntent("a/b/c"), "demo://a/b/c"},
      {"open URL", OpenURLIntent(*fnd::URL::parse("x://y")), "x://y"},
      {"nothing to open", NothingIntent{}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(runToURL(c.intent), c.url);
  }
}

TEST(IntentRun, PerformsOffTheCallingThread) {
  SwitchIntent intent;
  intent.value = true;
  ASSERT_TRUE(intents::run(intent).get().has_value());
  EXPECT_NE(SwitchIntent::performedOn.load(), std::this_thread::get_id());
}

TEST(IntentRun, ReportsFailuresThroughTheFuture) {
  struct Case {
    const char* name;
    AnyAppIntent intent;
    const char* messagePart;
  };
  const Case cases[] = {
      {"unset value", AnySetValueIntent<bool>(SwitchIntent{}).asIs(), "\"On\" has no value"},
      {"unset command", LinkIntent{}, "\"Command\" has no value"},
      {"not a URL", LinkIntent("two words"), "not a URL"},
      {"unset URL", OpenURLIntent{}, "\"URL\" has no value"},
      {"endless chain", EndlessIntent{}, "kept opening"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto future = intents::run(c.intent);
    try {
      future.get();
      ADD_FAILURE() << "no error";
    } catch (const intents::IntentError& e) {
      EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
  }
}

TEST(IntentMetadata, TitlesAreSharedAndDiscoverabilityDefaultsToTrue) {
  EXPECT_EQ(&SwitchIntent::title(), &SwitchIntent::title());
  EXPECT_FALSE(AnyAppIntent(SwitchIntent{}).isDiscoverable());
  EXPECT_TRUE(AnyAppIntent(NothingIntent{}).isDiscoverable());
  EXPECT_EQ(AnyAppIntent(LinkIntent{}).title().text(), "Link");
}

TEST(SetValueIntentHolder, SetsTheValueOnACopyOnly) {
  const AnySetValueIntent<bool> toggle{SwitchIntent{}};
  EXPECT_FALSE(toggle.valueIsSet());
  EXPECT_EQ(runToURL(toggle.withValue(true)), "demo://switch/on");
  EXPECT_FALSE(toggle.valueIsSet());
  EXPECT_THROW(intents::performChain(toggle.asIs()), intents::MissingParameterError);
}

TEST(IntentParameterValue, IsUnsetUntilSet) {
  IntentParameter<int> p{"Count"};
  EXPECT_FALSE(p.hasValue());
  EXPECT_THROW(p.wrappedValue(), intents::MissingParameterError);
  p = 3;
  p.wrappedValue() += 1;
  EXPECT_EQ(p.wrappedValue(), 4);
  EXPECT_EQ(p.title().text(), "Count");
}

}  // namespace
