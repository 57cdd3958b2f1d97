// Tests of the logging facility: level threshold, category mask, options and the
// log file destination.
#include "tools/logging.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::string& name) {
  std::ifstream in(name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class LoggingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetLogging();
    char pattern[] = "/tmp/touchliner_logXXXXXX";
    int fd = mkstemp(pattern);
    ASSERT_NE(fd, -1);
    close(fd);
    path = pattern;
  }
  void TearDown() override {
    resetLogging();
    std::remove(path.c_str());
  }
  // Logs one message into the test's file and tells whether it was written.
  bool written(int level, uint32_t categories) {
    EXPECT_TRUE(logFileName(path.c_str()));
    EXPECT_EQ(logMessage(level, categories, "m%d", 7), 1);
    return readFile(path) == "m7";
  }
  std::string path;
};

TEST_F(LoggingTest, InitialSettingsFilterByLevelAndCategory) {
  EXPECT_EQ(logThreshold, 99);
  EXPECT_EQ(logCategories, 0x80000000u);
  struct Case {
    int level;
    uint32_t categories;
    bool written;
  } cases[] = {
      {99, 0x80000000u, true},    {100, 0x80000000u, false}, {99, 0x00000001u, false},
      {99, 0x80000001u, true},    {-5, 0xFFFFFFFFu, true},   {0, 0u, false},
      {1000, 0xFFFFFFFFu, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(written(c.level, c.categories), c.written)
        << "level " << c.level << " categories " << std::hex << c.categories;
  }
}

TEST_F(LoggingTest, OptionsMinusOneKeepTheSetting) {
  setLogOptions(-1, 5);
  EXPECT_EQ(logCategories, 0x80000000u);
  EXPECT_EQ(logThreshold, 5);
  EXPECT_TRUE(written(5, 0x80000000u));
  EXPECT_FALSE(written(6, 0x80000000u));

  setLogOptions(0x3, -1);
  EXPECT_EQ(logCategories, 0x3u);
  EXPECT_EQ(logThreshold, 5);
  EXPECT_TRUE(written(1, 0x2u)) << "shares bit 0x2";
  EXPECT_FALSE(written(1, 0x80000000u)) << "old category no longer selected";

  setLogOptions(0xFFFFFFFFll, 100);
  EXPECT_EQ(logCategories, 0xFFFFFFFFu);
  EXPECT_TRUE(written(100, 0x40u)) << "level 100 after raising the threshold";
}

TEST_F(LoggingTest, WithoutFileMessagesGoToStandardError) {
  testing::internal::CaptureStderr();
  logMessage(1, 0x80000000u, "value %g and %s\n", 2.5, "text");
  logMessage(1, 0x1u, "dropped\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "value 2.5 and text\n");
}

TEST_F(LoggingTest, UnopenableFileWarnsAndKeepsPreviousDestination) {
  ASSERT_TRUE(logFileName(path.c_str()));
  testing::internal::CaptureStderr();
  EXPECT_FALSE(logFileName("/nonexistent-dir/x.log"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning, cannot open log file /nonexistent-dir/x.log.\n");
  logMessage(1, 0x80000000u, "still here");
  EXPECT_EQ(readFile(path), "still here");
}

TEST_F(LoggingTest, SetLogFileWithTheCurrentStreamKeepsItOpen) {
  ASSERT_TRUE(logFileName(path.c_str()));
  setLogFile(logFile);
  logMessage(1, 0x80000000u, "once");
  EXPECT_EQ(readFile(path), "once");
  setLogFile(stdout);
  setLogFile(nullptr);  // must not close stdout
  EXPECT_NE(std::fflush(stdout), EOF);
}

}  // namespace
