#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "App/Widget/CommandIntents.hpp"
#include "Platform/Intents/Intents.hpp"

namespace {

using pellora::OpenPelloraLinkIntent;
using pellora::SetChargeLimitControlIntent;

SetChargeLimitControlIntent limit(bool on) {
  SetChargeLimitControlIntent intent;
  intent.value = on;
  return intent;
}

std::optional<fnd::URL> openedURL(intents::AnyAppIntent intent) {
  return intents::run(std::move(intent)).get();
}

TEST(CommandIntentURLs, EachIntentOpensExactlyItsURL) {
  struct Case {
    intents::AnyAppIntent intent;
    const char* url;
    const char* host;
    const char* path;
  };
  const Case cases[] = {
      {limit(true), "pellora://limit/on", "limit", "/on"},
      {limit(false), "pellora://limit/off", "limit", "/off"},
      {OpenPelloraLinkIntent("full"), "pellora://full", "full", ""},
      {OpenPelloraLinkIntent("open"), "pellora://open", "open", ""},
      // The command goes in verbatim: after a "/" it is the path.
      {OpenPelloraLinkIntent("limit/on"), "pellora://limit/on", "limit", "/on"},
      {OpenPelloraLinkIntent("a/b/c"), "pellora://a/b/c", "a", "/b/c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    const std::optional<fnd::URL> url = openedURL(c.intent);
    ASSERT_TRUE(url.has_value());
    EXPECT_EQ(url->absoluteString(), c.url);
    EXPECT_EQ(url->scheme(), "pellora");
    EXPECT_EQ(url->host(), c.host);
    EXPECT_EQ(url->path(), c.path);
  }
}

TEST(CommandIntentURLs, PressingTwiceSendsTheSameURLTwice) {
  const OpenPelloraLinkIntent full("full");
  EXPECT_EQ(openedURL(full)->absoluteString(), "pellora://full");
  EXPECT_EQ(openedURL(full)->absoluteString(), "pellora://full");
}

TEST(CommandIntentURLs, UnsetOrUnusableParametersEndInAnErrorAndOpenNothing) {
  struct Case {
    const char* name;
    intents::AnyAppIntent intent;
    const char* messagePart;
  };
  const Case cases[] = {
      {"value never set", SetChargeLimitControlIntent{}, "\"On\" has no value"},
      {"command never set", OpenPelloraLinkIntent{}, "\"Command\" has no value"},
      {"command with a space", OpenPelloraLinkIntent("charge now"), "not a valid URL"},
      {"command with a control character", OpenPelloraLinkIntent("a\nb"), "not a valid URL"},
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

TEST(CommandIntentMetadata, TitlesParametersAndDiscoverability) {
  EXPECT_EQ(SetChargeLimitControlIntent::title().text(), "Turn Charge Limit On or Off");
  EXPECT_EQ(OpenPelloraLinkIntent::title().text(), "Run Pellora Command");
  EXPECT_EQ(&OpenPelloraLinkIntent::title(), &OpenPelloraLinkIntent::title());
  EXPECT_FALSE(intents::AnyAppIntent(SetChargeLimitControlIntent{}).isDiscoverable());
  EXPECT_FALSE(intents::AnyAppIntent(OpenPelloraLinkIntent{}).isDiscoverable());
  EXPECT_EQ(SetChargeLimitControlIntent{}.value.title().text(), "On");
  EXPECT_FALSE(SetChargeLimitControlIntent{}.value.hasValue());
  EXPECT_EQ(OpenPelloraLinkIntent{}.command.title().text(), "Command");
  EXPECT_EQ(OpenPelloraLinkIntent("full").command.wrappedValue(), "full");
}

}  // namespace
