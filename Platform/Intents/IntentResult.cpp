#include "Platform/Intents/IntentResult.hpp"

#include "Platform/Intents/AnyAppIntent.hpp"

namespace intents {

IntentResult IntentResult::result() { return IntentResult{}; }

IntentResult IntentResult::result(AnyAppIntent opensIntent) {
  IntentResult r;
  r.opensIntent_ = std::make_shared<const AnyAppIntent>(std::move(opensIntent));
  return r;
}

IntentResult IntentResult::opening(fnd::URL url) {
  IntentResult r;
  r.opensURL_ = std::move(url);
  return r;
}

}  // namespace intents
