#pragma once
// What performing an intent asks the platform to do next: nothing, run another intent (for
// example an OpenURLIntent), or, for the platform's own open-URL intent, open a URL.
#include <memory>
#include <optional>

#include "Platform/Foundation/URL.hpp"

namespace intents {

class AnyAppIntent;

class IntentResult {
 public:
  // A result with no value, no dialog and nothing to open.
  static IntentResult result();
  // A result that opens `opensIntent` once this intent has finished.
  static IntentResult result(AnyAppIntent opensIntent);
  // The platform's own: the URL that the platform opens with its URL opener.
  static IntentResult opening(fnd::URL url);

  const std::shared_ptr<const AnyAppIntent>& opensIntent() const { return opensIntent_; }
  const std::optional<fnd::URL>& opensURL() const { return opensURL_; }

 private:
  IntentResult() = default;
  std::shared_ptr<const AnyAppIntent> opensIntent_;
  std::optional<fnd::URL> opensURL_;
};

}  // namespace intents
