#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Platform/Foundation/URLOpener.hpp"

namespace {

namespace fs = std::filesystem;
using fnd::URL;
using fnd::URLOpener;

// A folder with a handler script that writes each of its arguments on a line of `args.txt`.
class URLOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pellora-opener-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    recorder_ = dir_ / "record";
    std::ofstream(recorder_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                             << (dir_ / "args.txt").string() << "'\n";
    fs::permissions(recorder_, fs::perms::owner_all);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<std::string> recorded() const {
    std::ifstream in(dir_ / "args.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  static URL url(const char* text) { return *URL::parse(text); }

  fs::path dir_, recorder_;
};

TEST_F(URLOpenerTest, RunsTheHandlerWithItsWordsAndTheURLLast) {
  struct Case {
    std::vector<std::string> extraWords;
    const char* url;
  };
  const Case cases[] = {
      {{}, "pellora://full"},
      {{"--new-window", "two words"}, "pellora://limit/on"},
      // Characters a shell would act on reach the handler unchanged.
      {{"$HOME", "*"}, "x://h/a;b&c$(touch%20pwned)'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    std::vector<std::string> words{recorder_.string()};
    words.insert(words.end(), c.extraWords.begin(), c.extraWords.end());
    const URLOpener opener = URLOpener::handler(words);
    opener.open(url(c.url));
    std::vector<std::string> expected = c.extraWords;
    expected.push_back(c.url);
    EXPECT_EQ(recorded(), expected);
    EXPECT_EQ(opener.argumentsFor(url(c.url)).back(), c.url);
  }
  EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
}

TEST_F(URLOpenerTest, ReportsAHandlerThatCannotStartOrFails) {
  const fs::path failing = dir_ / "fail3";
  std::ofstream(failing) << "#!/bin/sh\nexit 3\n";
  const fs::path killed = dir_ / "killed";
  std::ofstream(killed) << "#!/bin/sh\nkill -9 $$\n";
  const fs::path notExecutable = dir_ / "plain";
  std::ofstream(notExecutable) << "#!/bin/sh\nexit 0\n";
  for (const fs::path& p : {failing, killed}) fs::permissions(p, fs::perms::owner_all);

  struct Case {
    std::string program;
    const char* messagePart;
  };
  const Case cases[] = {
      {"pellora-no-such-handler-anywhere", "cannot start"},
      {(dir_ / "missing").string(), "cannot start"},
      {notExecutable.string(), "cannot start"},
      {failing.string(), "exit status 3"},
      {killed.string(), "signal 9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    try {
      URLOpener::handler({c.program}).open(url("pellora://open"));
      ADD_FAILURE() << "no error";
    } catch (const fnd::URLOpenError& e) {
      EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
  }
}

TEST_F(URLOpenerTest, PrinterWritesTheURLInsteadOfRunningAnything) {
  std::ostringstream out;
  URLOpener::printer(out).open(url("pellora://limit/off"));
  EXPECT_EQ(out.str(), "pellora://limit/off\n");
  EXPECT_TRUE(URLOpener::printer(out).argumentsFor(url("pellora://full")).empty());
}

TEST_F(URLOpenerTest, DefaultHandlerIsXdgOpen) {
  EXPECT_EQ(URLOpener::systemDefault().argumentsFor(url("pellora://full")),
            (std::vector<std::string>{"xdg-open", "pellora://full"}));
  EXPECT_THROW(URLOpener::handler({}), std::invalid_argument);
}

}  // namespace
