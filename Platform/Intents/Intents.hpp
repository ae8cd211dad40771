#pragma once
// The intents layer in one include.
#include "Platform/Intents/AnyAppIntent.hpp"
#include "Platform/Intents/AppIntent.hpp"
#include "Platform/Intents/IntentError.hpp"
#include "Platform/Intents/IntentParameter.hpp"
#include "Platform/Intents/IntentResult.hpp"
#include "Platform/Intents/IntentRunner.hpp"
#include "Platform/Intents/OpenURLIntent.hpp"
