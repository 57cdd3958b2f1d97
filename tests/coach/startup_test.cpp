// Command line, port reading, init reply and usage text of the coach's start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coach/touchliner.h"
#include "state/settings.h"

namespace {

struct CommandLineCase {
  const char* name;
  std::vector<const char*> args;
  bool ok;
  const char* host;
  int port;
  const char* team;
  bool verbose;
  bool trainer;
};

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override { resetSettings(); }
  void TearDown() override { resetSettings(); }
};

TEST_F(CommandLineTest, OptionsTable) {
  const std::vector<CommandLineCase> cases = {
      {"no arguments", {}, true, "localhost", 6002, "", false, false},
      {"all options",
       {"-v", "-h", "10.0.0.1", "-p", "6000", "-t", "Foo", "-T"},
       true,
       "10.0.0.1",
       6000,
       "Foo",
       true,
       true},
      {"last -t wins", {"-t", "A", "-t", "B"}, true, "localhost", 6002, "B", false, false},
      {"value not examined", {"-t", "-v"}, true, "localhost", 6002, "-v", false, false},
      {"port without digits", {"-p", "abc"}, true, "localhost", 0, "", false, false},
      {"port digits then letters", {"-p", "61x2"}, true, "localhost", 61, "", false, false},
      {"port blanks and sign", {"-p", "  +7"}, true, "localhost", 7, "", false, false},
      {"negative port", {"-p", "-3"}, true, "localhost", -3, "", false, false},
      {"unknown option", {"-x"}, false, "localhost", 6002, "", false, false},
      {"other case", {"-V"}, false, "localhost", 6002, "", false, false},
      {"option prefix", {"-vv"}, false, "localhost", 6002, "", false, false},
      {"value without option", {"Foo"}, false, "localhost", 6002, "", false, false},
      {"-h last", {"-v", "-h"}, false, "localhost", 6002, "", true, false},
      {"-p last", {"-p"}, false, "localhost", 6002, "", false, false},
      {"-t last", {"-T", "-t"}, false, "localhost", 6002, "", false, true},
  };
  for (const auto& c : cases) {
    resetSettings();
    std::vector<const char*> argv = {"touchliner"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    StartOptions options;
    bool ok = parseCommandLine(static_cast<int>(argv.size()), argv.data(), options);
    EXPECT_EQ(ok, c.ok) << c.name;
    if (!c.ok) continue;
    EXPECT_EQ(options.host, c.host) << c.name;
    EXPECT_EQ(options.port, c.port) << c.name;
    EXPECT_EQ(teamName, c.team) << c.name;
    EXPECT_EQ(verbose, c.verbose) << c.name;
    EXPECT_EQ(trainerMode, c.trainer) << c.name;
  }
}

TEST(PortValue, ReadLikeAtoi) {
  const struct {
    const char* text;
    int port;
  } cases[] = {
      {"6002", 6002},   {"  -12", -12},       {"+0", 0},  {"", 0},
      {"x1", 0},        {"12.5", 12},         {"1 2", 1}, {"\t42", 42},
      {"70000", 70000}, {"4294973298", 6002},  // beyond int: the low 32 bits remain
  };
  for (const auto& c : cases) EXPECT_EQ(parsePort(c.text), c.port) << '"' << c.text << '"';
}

TEST(InitReply, SideByCharacterSix) {
  const struct {
    const char* reply;
    int side;
  } cases[] = {
      {"(init l ok)", 1},
      {"(init r ok)", -1},
      {"(init x ok)", 1},
      {"(ini", 1},
      {"(ini  r", -1},
      {"(error no_more)", 0},
      {"", 0},
      {"(in", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(sideFromInitReply(c.reply), c.side) << c.reply;
}

TEST(UsageText, OneLineWithTabsAndThirteenBlanks) {
  std::string expected =
      std::string("Usage: touchliner") + "-v\t\tverbose" + "-h hostname\thost the server runs on" +
      "-p port\tport of the socket to server" + "-t teamname\tname of coach's team" + "-T" +
      std::string(13, ' ') + "this is a trainer (not a coach)";
  EXPECT_EQ(std::string(usageText), expected);
}

}  // namespace
