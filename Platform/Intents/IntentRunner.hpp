#pragma once
// Running intents the way the platform does: perform() as an asynchronous task off the calling
// thread, then whatever its result opens, in turn, until an intent asks for a URL to be opened.
#include <future>
#include <optional>

#include "Platform/Foundation/URL.hpp"
#include "Platform/Intents/AnyAppIntent.hpp"

namespace intents {

// The URL that the chain of intents asks the platform to open, or none when the chain ends
// without one. An error of any intent in the chain (an IntentError, say) is rethrown by get().
std::future<std::optional<fnd::URL>> run(AnyAppIntent intent);

// The chain on the calling thread; what run() does on its task.
std::optional<fnd::URL> performChain(const AnyAppIntent& intent);

}  // namespace intents
