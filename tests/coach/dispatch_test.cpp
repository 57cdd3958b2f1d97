// Dispatch of received messages by prefix: which handler each text reaches,
// the parameter records it leaves, and the report of unknown texts.
#include "coach/dispatch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "coach/intake_records.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override { resetAll(); }
  void TearDown() override { resetAll(); }
  static void resetAll() {
    resetSettings();
    resetIntakeRecords();
    resetStateHistory();
  }
  // Feeds text through receiveBuffer; returns (stdout, stderr) of the dispatch.
  std::pair<std::string, std::string> feed(const std::string& text) {
    std::strcpy(receiveBuffer, text.c_str());
    CaptureStdout();
    CaptureStderr();
    dispatch_message();
    std::string out = GetCapturedStdout();
    return {out, GetCapturedStderr()};
  }
};

TEST_F(DispatchTest, RowsByPrefix) {
  verbose = true;
  const struct {
    const char* text;
    const char* out;
    const char* err;
  } cases[] = {
      {"(error unknown_command)", "", ""},
      {"(errors)", "", ""},
      {"(warning message_not_null_terminated)", "", ""},
      {"(ok say)", "Last command was ok.\n", ""},
      {"(okay)", "Last command was ok.\n", ""},
      {"(hear 3 referee play_on)", "New playmode: play_on\n", ""},
      {"(seeglobal 3)", "", "Hm, received something I didn't understand:\n  (seeglobal 3)\n"},
      {"(see_", "", "Hm, received something I didn't understand:\n  (see_\n"},
      {"(init l ok)", "", "Hm, received something I didn't understand:\n  (init l ok)\n"},
      {"(Ok)", "", "Hm, received something I didn't understand:\n  (Ok)\n"},
  };
  for (const auto& c : cases) {
    auto [out, err] = feed(c.text);
    EXPECT_EQ(out, c.out) << c.text;
    EXPECT_EQ(err, c.err) << c.text;
  }
  EXPECT_EQ(currentPlayMode, 3);
  EXPECT_EQ(serverParams, nullptr);
  EXPECT_TRUE(stateHistory().empty());
}

TEST_F(DispatchTest, UnknownReportedWithoutVerbose) {
  auto [out, err] = feed("(change_player_type 3 4)");
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "Hm, received something I didn't understand:\n  (change_player_type 3 4)\n");
}

TEST_F(DispatchTest, ViewsOfBothFormsReachTheParser) {
  feed("(see_global 17 ((b) 1 2 0 0))");
  EXPECT_EQ(currentTime, 17);
  ASSERT_EQ(stateHistory().size(), 1u);
  EXPECT_DOUBLE_EQ(stateHistory().back()->ball.x, 1);
  feed("(see 18 ((ball) 3 4 0 0))");
  EXPECT_EQ(stateHistory().size(), 2u);
}

TEST_F(DispatchTest, ParameterRecordsReplacedAndStoredById) {
  std::string server = "(server_param";
  for (int p = 1; p <= 97; ++p) server += p == 63 ? " 40" : " 1";
  feed(server + ")");
  ASSERT_NE(serverParams, nullptr);
  EXPECT_EQ(serverParams->adviceInterval, 40);
  server.replace(server.find(" 40"), 3, " 90");
  feed(server + "_extra)");  // a longer word still matches the first 13 characters
  feed("(server_paramX)");
  EXPECT_EQ(serverParams->adviceInterval, 0) << "the newest message replaces the record";

  feed("(player_param 1 2 3 4.5)");
  ASSERT_NE(playerParams, nullptr);
  EXPECT_DOUBLE_EQ(playerParams->value(4), 4.5);

  feed("(player_type 2 1.5)");
  feed("(player_types 5 2.5)");
  feed("(player_type 2 3.5)");
  feed("(player_type 100000 1)");
  EXPECT_EQ(playerTypes.size(), 3u);
  ASSERT_TRUE(playerTypes.count(2) && playerTypes.count(100000));
  EXPECT_DOUBLE_EQ(playerTypes[2]->value(2), 3.5);
  EXPECT_EQ(playerTypes.count(0), 1u) << "\"(player_types\" scans no id: stored under 0";
}

TEST_F(DispatchTest, NegativePlayerTypeIgnored) {
  auto [out, err] = feed("(player_type -3 1 2)");
  EXPECT_EQ(err, "Warning, player type id -3 ignored.\n");
  EXPECT_TRUE(playerTypes.empty());
}

TEST_F(DispatchTest, VerboseParameterLines) {
  verbose = true;
  EXPECT_EQ(feed("(server_param 1 2)").first, "Serverparam created.\n");
  EXPECT_EQ(feed("(player_param 1 2)").first, "Playerparam created.\n");
  EXPECT_EQ(feed("(player_type 2 1)").first, "2. Playertype created.\n");
}

}  // namespace
