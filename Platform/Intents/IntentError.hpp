#pragma once
// Why an intent could not be performed.
#include <stdexcept>

namespace intents {

class IntentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An intent was performed with a parameter that nobody set.
class MissingParameterError : public IntentError {
 public:
  using IntentError::IntentError;
};

}  // namespace intents
