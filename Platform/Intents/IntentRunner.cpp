#include "Platform/Intents/IntentRunner.hpp"

#include <memory>

namespace intents {
namespace {

// A result that keeps opening further intents is a bug in those intents; stop it.
constexpr int maxChainLength = 16;

}  // namespace

std::optional<fnd::URL> performChain(const AnyAppIntent& first) {
  std::shared_ptr<const AnyAppIntent> holder;
  const AnyAppIntent* intent = &first;
  for (int step = 0; step < maxChainLength; ++step) {
    const IntentResult result = intent->perform();
    if (result.opensURL()) return result.opensURL();
    if (!result.opensIntent()) return std::nullopt;
    holder = result.opensIntent();
    intent = holder.get();
  }
  throw IntentError("intents kept opening further intents; stopped after " +
                    std::to_string(maxChainLength));
}

std::future<std::optional<fnd::URL>> run(AnyAppIntent intent) {
  return std::async(std::launch::async,
                    [intent = std::move(intent)] { return performChain(intent); });
}

}  // namespace intents
