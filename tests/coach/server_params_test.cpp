// Positional reading of the server parameters, player parameters and player
// types: types by position, short and damaged messages, verbose lines.
#include "coach/server_params.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "state/settings.h"

namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

bool serverIntPosition(int p) {
  return p == 21 || p == 55 || (p >= 58 && p <= 82) || p >= 94;
}

// A message whose value at position p is p (integer positions) or p + 0.25.
std::string message(const char* head, int count, bool (*isInt)(int)) {
  std::ostringstream text;
  text << head;
  for (int p = 1; p <= count; ++p) {
    text << ' ' << p;
    if (!isInt(p)) text << ".25";
  }
  text << ')';
  return text.str();
}

double expected(int p, bool (*isInt)(int)) {
  return isInt(p) ? p : p + 0.25;
}

TEST(Serverparam, EveryPositionWithItsType) {
  Serverparam params(message("(server_param", 97, serverIntPosition).c_str());
  for (int p = 1; p <= 97; ++p) {
    EXPECT_DOUBLE_EQ(params.value(p), expected(p, serverIntPosition)) << "position " << p;
  }
  EXPECT_EQ(params.adviceInterval, 63);
  EXPECT_EQ(params.value21, 21);
  EXPECT_DOUBLE_EQ(params.values83to93[10], 93.25);
  EXPECT_EQ(params.values94to97[3], 97);
  EXPECT_EQ(params.value(0), 0);
  EXPECT_EQ(params.value(98), 0);
}

TEST(Serverparam, ShortDamagedAndForeignTexts) {
  const struct {
    const char* name;
    std::string text;
    int lastRead;  // positions after it stay zero
  } cases[] = {
      {"ten values", "(server_param 1 2 3 4 5 6 7 8 9 10", 10},
      {"letters at 5", "(server_param 1 2 3 4 x 6", 4},
      {"no blanks needed", "(server_param1 2", 2},
      {"other head", "(server_params 1 2 3", 0},
      {"empty", "", 0},
  };
  for (const auto& c : cases) {
    Serverparam params(c.text.c_str());
    for (int p = 1; p <= 97; ++p) {
      double want = p <= c.lastRead ? p : 0;
      EXPECT_DOUBLE_EQ(params.value(p), want) << c.name << ", position " << p;
    }
  }
}

TEST(Serverparam, FractionAtIntegerPositionShiftsTheRest) {
  std::string text = "(server_param";
  for (int p = 1; p <= 20; ++p) text += " 1";
  text += " 6.5 7 8";
  Serverparam params(text.c_str());
  EXPECT_EQ(params.value21, 6);
  EXPECT_DOUBLE_EQ(params.value(22), 0.5);
  EXPECT_DOUBLE_EQ(params.value(23), 7);
  EXPECT_DOUBLE_EQ(params.value(24), 8);
  EXPECT_DOUBLE_EQ(params.value(25), 0);
}

TEST(Serverparam, AdviceIntervalFromValue63) {
  std::string text = "(server_param";
  for (int p = 1; p <= 97; ++p) text += p == 63 ? " 40" : " 1";
  EXPECT_EQ(Serverparam(text.c_str()).adviceInterval, 40);
}

TEST(Playerparam, TypesAndShortMessage) {
  auto isInt = [](int p) { return p <= 3; };
  Playerparam full(message("(player_param", 19, isInt).c_str());
  for (int p = 1; p <= 19; ++p) EXPECT_DOUBLE_EQ(full.value(p), expected(p, isInt)) << p;
  Playerparam part("(player_param 7 8 9.9 1.5");
  EXPECT_EQ(part.values1to3[2], 9);
  EXPECT_DOUBLE_EQ(part.value(4), 0.9);
  EXPECT_DOUBLE_EQ(part.value(5), 1.5);
  EXPECT_DOUBLE_EQ(part.value(6), 0);
}

TEST(Playertype, IdAndValues) {
  auto isInt = [](int p) { return p == 1; };
  Playertype type(message("(player_type", 12, isInt).c_str());
  EXPECT_EQ(type.id, 1);
  for (int p = 1; p <= 12; ++p) EXPECT_DOUBLE_EQ(type.value(p), expected(p, isInt)) << p;
  EXPECT_EQ(Playertype("(player_type -4 1").id, -4);
  EXPECT_EQ(Playertype("(player_type x").id, 0);
}

TEST(ParamRecords, VerboseLines) {
  resetSettings();
  verbose = true;
  CaptureStdout();
  Serverparam s("(server_param 1");
  Playerparam p("(player_param");
  Playertype t("(player_type 3 1 2");
  Playertype broken("(player_type");
  EXPECT_EQ(GetCapturedStdout(),
            "Serverparam created.\nPlayerparam created.\n3. Playertype created.\n"
            "0. Playertype created.\n");
  verbose = false;
  CaptureStdout();
  Serverparam quiet("(server_param 1");
  EXPECT_EQ(GetCapturedStdout(), "");
  resetSettings();
}

}  // namespace
