#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramRun.hpp"

namespace {

using hosttest::run;

int lineCount(const std::string& s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

class UsageTest : public hosttest::HostTest {};

TEST_F(UsageTest, BadUsageIsOneLineOnStandardErrorAndStatus2) {
  struct Case {
    std::vector<std::string> args;
    const char* messagePart;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command \"frobnicate\""},
      {{"press", "sideways"}, "unknown command \"sideways\""},
      {{"press"}, "\"press\" needs a command"},
      {{"--now", "yesterday", "timeline"}, "--now: \"yesterday\""},
      {{"--now", "2025-12-09T10:00:00", "timeline"}, "ISO 8601 time with a zone"},
      {{"--now", "1e999", "timeline"}, "--now"},
      {{"--os-version", "26.x", "gallery"}, "--os-version: \"26.x\""},
      {{"--os-version", "", "gallery"}, "--os-version"},
      {{"--home", "/nonexistent/pellora", "gallery"}, "--home: \"/nonexistent/pellora\""},
      {{"timeline", "--colour"}, "--colour"},
      {{"--colour", "timeline"}, "--colour"},
      {{"press", "limit", "--print"}, "give --on or --off"},
      {{"press", "limit", "--on", "--off", "--print"}, "--on excludes --off"},
      {{"press", "full", "--print", "--open-with", "echo"}, "excludes"},
      {{"press", "full", "--open-with", "   "}, "--open-with"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    SCOPED_TRACE(shown);
    const hosttest::Outcome r = run(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_EQ(r.err.rfind("pellora-widgets: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
  }
}

TEST_F(UsageTest, HelpForTheProgramAndEachCommandHasAnExample) {
  const std::vector<std::vector<std::string>> cases = {
      {"--help"},          {"demo", "--help"},         {"gallery", "--help"},
      {"timeline", "--help"}, {"preview", "--help"},   {"placeholder", "--help"},
      {"controls", "--help"}, {"press", "--help"},     {"press", "limit", "--help"},
      {"press", "full", "--help"}, {"press", "open", "--help"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.front() + (args.size() > 1 ? " " + args[1] : ""));
    const hosttest::Outcome r = run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage:"), std::string::npos);
    EXPECT_NE(r.out.find("Example"), std::string::npos);
    EXPECT_NE(r.out.find("pellora-widgets "), std::string::npos);
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
}

TEST_F(UsageTest, VersionNamesTheProgram) {
  const hosttest::Outcome r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("pellora-widgets ", 0), 0u) << r.out;
}

TEST_F(UsageTest, GlobalOptionsMayStandBeforeOrAfterTheCommand) {
  const hosttest::Outcome before = run({"--home", home(), "--json", "--now", "0", "timeline"});
  const hosttest::Outcome after = run({"timeline", "--json", "--home", home(), "--now", "0"});
  EXPECT_EQ(before.status, 0);
  EXPECT_EQ(before.out, after.out);
  EXPECT_EQ(before.out.front(), '{');
}

}  // namespace
