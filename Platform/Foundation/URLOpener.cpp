#include "Platform/Foundation/URLOpener.hpp"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <ostream>

extern char** environ;

namespace fnd {
namespace {

std::string quoted(const std::string& word) { return "\"" + word + "\""; }

// Runs argv[0] with the arguments, waits for it and returns its wait status.
int runAndWait(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  // What we wrote so far must come before whatever the handler writes.
  std::cout.flush();
  std::fflush(nullptr);

  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  if (rc != 0) {
    throw URLOpenError("cannot start " + quoted(args[0]) + ": " + std::strerror(rc));
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      throw URLOpenError("cannot wait for " + quoted(args[0]) + ": " + std::strerror(errno));
    }
  }
  return status;
}

}  // namespace

URLOpener URLOpener::systemDefault() { return handler({"xdg-open"}); }

URLOpener URLOpener::handler(std::vector<std::string> words) {
  if (words.empty() || words.front().empty()) {
    throw std::invalid_argument("a URL handler needs a program to run");
  }
  URLOpener opener;
  opener.words_ = std::move(words);
  return opener;
}

URLOpener URLOpener::printer(std::ostream& out) {
  URLOpener opener;
  opener.out_ = &out;
  return opener;
}

std::vector<std::string> URLOpener::argumentsFor(const URL& url) const {
  if (out_ != nullptr) return {};
  std::vector<std::string> args = words_;
  args.push_back(url.absoluteString());
  return args;
}

void URLOpener::open(const URL& url) const {
  if (out_ != nullptr) {
    *out_ << url.absoluteString() << '\n';
    out_->flush();
    return;
  }
  const std::vector<std::string> args = argumentsFor(url);
  const int status = runAndWait(args);
  if (WIFEXITED(status)) {
    const int code = WEXITSTATUS(status);
    if (code != 0) {
      throw URLOpenError(quoted(args[0]) + " failed to open " + url.absoluteString() +
                         " (exit status " + std::to_string(code) + ")");
    }
    return;
  }
  if (WIFSIGNALED(status)) {
    throw URLOpenError(quoted(args[0]) + " was killed by signal " +
                       std::to_string(WTERMSIG(status)) + " while opening " +
                       url.absoluteString());
  }
  throw URLOpenError(quoted(args[0]) + " ended abnormally while opening " + url.absoluteString());
}

}  // namespace fnd
