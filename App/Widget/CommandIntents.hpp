#pragma once
// The two intents behind the controls. Neither touches a file, keeps state or waits for an
// answer: each builds one command URL ("pellora://" and a command text) and returns a result
// that asks the platform to open it; the Pellora application carries the command out.
#include <string>
#include <string_view>

#include "Platform/Intents/AppIntent.hpp"
#include "Platform/Intents/IntentParameter.hpp"
#include "Platform/Intents/IntentResult.hpp"

namespace pellora {

// "pellora://" followed by the command, verbatim: nothing inserted, escaped or encoded.
std::string commandURLText(std::string_view command);

// Turns the charge limit on ("pellora://limit/on") or off ("pellora://limit/off"). The
// platform writes the toggle's new state into `value` before it performs the intent.
struct SetChargeLimitControlIntent {
  intents::IntentParameter<bool> value{"On"};

  static const fnd::LocalizedStringKey& title();  // "Turn Charge Limit On or Off"
  static constexpr bool isDiscoverable = false;   // runs only from its control
  // Fails with intents::MissingParameterError when `value` was never set.
  intents::IntentResult perform() const;
};

// Sends one command to Pellora: "full" gives "pellora://full", "open" gives "pellora://open".
struct OpenPelloraLinkIntent {
  intents::IntentParameter<std::string> command{"Command"};

  OpenPelloraLinkIntent() = default;
  explicit OpenPelloraLinkIntent(std::string command);

  static const fnd::LocalizedStringKey& title();  // "Run Pellora Command"
  static constexpr bool isDiscoverable = false;
  // Fails with intents::MissingParameterError when `command` was never set, and with
  // intents::IntentError when the text does not form a URL; nothing is opened then.
  intents::IntentResult perform() const;
};

static_assert(intents::SetValueIntent<SetChargeLimitControlIntent, bool>);
static_assert(intents::AppIntent<OpenPelloraLinkIntent>);

}  // namespace pellora
