#include "App/Widget/CommandIntents.hpp"

#include "Platform/Foundation/URL.hpp"
#include "Platform/Intents/AnyAppIntent.hpp"
#include "Platform/Intents/IntentError.hpp"
#include "Platform/Intents/OpenURLIntent.hpp"

namespace pellora {
namespace {

intents::IntentResult opening(const std::string& text) {
  const std::optional<fnd::URL> url = fnd::URL::parse(text);
  if (!url) throw intents::IntentError("\"" + text + "\" is not a valid URL");
  return intents::IntentResult::result(intents::OpenURLIntent(*url));
}

}  // namespace

std::string commandURLText(std::string_view command) {
  return "pellora://" + std::string(command);
}

const fnd::LocalizedStringKey& SetChargeLimitControlIntent::title() {
  static const fnd::LocalizedStringKey key("Turn Charge Limit On or Off");
  return key;
}

intents::IntentResult SetChargeLimitControlIntent::perform() const {
  return opening(std::string("pellora://limit/") + (value.wrappedValue() ? "on" : "off"));
}

OpenPelloraLinkIntent::OpenPelloraLinkIntent(std::string text) { command = std::move(text); }

const fnd::LocalizedStringKey& OpenPelloraLinkIntent::title() {
  static const fnd::LocalizedStringKey key("Run Pellora Command");
  return key;
}

intents::IntentResult OpenPelloraLinkIntent::perform() const {
  return opening(commandURLText(command.wrappedValue()));
}

}  // namespace pellora
