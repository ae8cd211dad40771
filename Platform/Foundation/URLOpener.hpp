#pragma once
// Opens URLs the way the desktop does: by running a handler program with the URL as its last
// argument, executed directly (never through a shell, so nothing in the URL is interpreted),
// or, for a dry run, by printing the URL.
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "Platform/Foundation/URL.hpp"

namespace fnd {

// The handler could not be started, exited with a non-zero status or was killed.
class URLOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class URLOpener {
 public:
  // `xdg-open URL`.
  static URLOpener systemDefault();
  // `words... URL`; the first word is the program, looked up in PATH when it has no "/".
  // Throws std::invalid_argument when `words` is empty.
  static URLOpener handler(std::vector<std::string> words);
  // Writes the URL and a line break to `out` instead of opening it.
  static URLOpener printer(std::ostream& out);

  // Opens `url` and waits for the handler to finish. Throws URLOpenError on failure.
  void open(const URL& url) const;

  // The argument vector that open() runs; empty for a printer.
  std::vector<std::string> argumentsFor(const URL& url) const;

 private:
  URLOpener() = default;
  std::vector<std::string> words_;
  std::ostream* out_ = nullptr;
};

}  // namespace fnd
