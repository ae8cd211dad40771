#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProgramRun.hpp"

namespace {

namespace fs = std::filesystem;

// A handler script that writes each of its arguments on a line of argv.txt.
class PressTest : public hosttest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    recorder_ = scratch() / "record url";  // a space in the path: words are not re-split
    std::ofstream(recorder_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                             << recorded().string() << "'\n";
    fs::permissions(recorder_, fs::perms::owner_all);
    link_ = scratch() / "rec";
    fs::create_symlink(recorder_, link_);
  }
  fs::path recorded() const { return scratch() / "argv.txt"; }
  std::vector<std::string> recordedArgs() const {
    std::ifstream in(recorded());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path recorder_, link_;
};

TEST_F(PressTest, OpensTheIntentsURLWithTheGivenHandler) {
  struct Case {
    std::vector<std::string> press;
    std::string handlerWords;  // after the program
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"limit", "--on"}, "", {"pellora://limit/on"}},
      {{"limit", "--off"}, "", {"pellora://limit/off"}},
      {{"full"}, "", {"pellora://full"}},
      {{"open"}, "", {"pellora://open"}},
      {{"full"}, " --flag  $HOME ;", {"--flag", "$HOME", ";", "pellora://full"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.press.front() + c.handlerWords);
    fs::remove(recorded());
    std::vector<std::string> args{"press"};
    args.insert(args.end(), c.press.begin(), c.press.end());
    args.push_back("--open-with");
    args.push_back(link_.string() + c.handlerWords);
    const hosttest::Outcome r = runAtHome(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(recordedArgs(), c.expected);
  }
}

TEST_F(PressTest, PrintInsteadOfOpening) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"press", "limit", "--on", "--print"}, "pellora://limit/on\n"},
      {{"press", "--print", "limit", "--off"}, "pellora://limit/off\n"},
      {{"press", "full", "--print"}, "pellora://full\n"},
      {{"press", "open", "--print", "--json"}, "{\"url\":\"pellora://open\",\"opened\":false}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out);
    const hosttest::Outcome r = runAtHome(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
  EXPECT_FALSE(fs::exists(recorded()));
}

TEST_F(PressTest, AHandlerThatCannotStartOrFailsIsAFailure) {
  const fs::path failing = scratch() / "fail";
  std::ofstream(failing) << "#!/bin/sh\nexit 4\n";
  fs::permissions(failing, fs::perms::owner_all);
  struct Case {
    std::vector<std::string> args;
    const char* messagePart;
  };
  const Case cases[] = {
      {{"press", "full", "--open-with", failing.string()}, "exit status 4"},
      {{"press", "open", "--open-with", (scratch() / "missing").string()}, "cannot start"},
      {{"press", "limit", "--on", "--open-with", "pellora-no-such-program"}, "cannot start"},
      {{"--os-version", "15.7", "press", "full", "--print"}, "not offered on system 15.7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.messagePart);
    const hosttest::Outcome r = runAtHome(c.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("pellora-widgets: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
  }
}

}  // namespace
