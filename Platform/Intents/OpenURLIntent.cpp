#include "Platform/Intents/OpenURLIntent.hpp"

namespace intents {

const fnd::LocalizedStringKey& OpenURLIntent::title() {
  static const fnd::LocalizedStringKey key("Open URL");
  return key;
}

IntentResult OpenURLIntent::perform() const { return IntentResult::opening(target.wrappedValue()); }

}  // namespace intents
