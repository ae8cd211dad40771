#pragma once
// How a command joins the program: it adds its subcommand (options, help, example) to the
// command line and registers what to run when that subcommand is chosen. A command reports bad
// usage by throwing UsageError (exit status 2) and a failure by throwing any other exception
// (exit status 1); main prints the message as one line.
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Host/HostOptions.hpp"

namespace CLI {
class App;
}

namespace host {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CommandRegistry {
 public:
  using Run = std::function<void(const GlobalOptions&)>;

  // `run` is called when `subcommand` (of the program, or of another subcommand) was chosen.
  void add(const CLI::App* subcommand, Run run) { commands_.push_back({subcommand, std::move(run)}); }

  struct Entry {
    const CLI::App* subcommand;
    Run run;
  };
  const std::vector<Entry>& commands() const { return commands_; }

 private:
  std::vector<Entry> commands_;
};

}  // namespace host
