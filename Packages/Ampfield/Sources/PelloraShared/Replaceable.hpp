#pragma once
// A function that a process may put in place of the module's default (the clock, the user
// database, the file reader), safe to replace while other threads call it. A call takes the
// function in place by a shared pointer: no copy of the function, and no lock held while it
// runs.
#include <memory>
#include <mutex>
#include <utility>

namespace pellora::detail {

template <class Function>
class Replaceable {
 public:
  // An empty function puts the default back.
  void set(Function f) {
    auto installed = f ? std::make_shared<const Function>(std::move(f)) : nullptr;
    {
      std::lock_guard lock(mutex_);
      installed_.swap(installed);
    }
    // The function put aside goes here, outside the lock, in case its end calls get().
  }
  // The function in place, or nullptr for the default.
  std::shared_ptr<const Function> get() const {
    std::lock_guard lock(mutex_);
    return installed_;
  }

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const Function> installed_;
};

}  // namespace pellora::detail
