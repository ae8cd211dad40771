#pragma once
// The platform's intent that opens a URL; an intent returns it in its result to have the
// platform open the URL once it has finished.
#include "Platform/Foundation/URL.hpp"
#include "Platform/Intents/AppIntent.hpp"

namespace intents {

struct OpenURLIntent {
  IntentParameter<fnd::URL> target{"URL"};

  OpenURLIntent() = default;
  explicit OpenURLIntent(fnd::URL url) { target = std::move(url); }

  static const fnd::LocalizedStringKey& title();
  static constexpr bool isDiscoverable = false;
  // Asks the platform to open `target`; MissingParameterError when it is unset.
  IntentResult perform() const;
};

}  // namespace intents
