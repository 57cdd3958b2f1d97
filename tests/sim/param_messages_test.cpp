// Parameter messages: the number of values and their kinds by position, value 63.
#include "sim/param_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The values between the message's opening word and its closing parenthesis.
std::vector<std::string> valuesOf(const std::string& message, const std::string& word) {
  EXPECT_EQ(message.rfind("(" + word + " ", 0), 0u) << message;
  EXPECT_EQ(message.back(), ')') << message;
  std::istringstream in(message.substr(word.size() + 2, message.size() - word.size() - 3));
  std::vector<std::string> values;
  std::string value;
  while (in >> value) values.push_back(value);
  return values;
}

bool isInteger(const std::string& text) {
  return !text.empty() && text.find_first_not_of("-0123456789") == std::string::npos;
}

bool isNumber(const std::string& text) {
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

TEST(ParamMessagesTest, ServerParamHasItsValuesWithIntegersWhereExpected) {
  std::vector<std::string> values = valuesOf(serverParamMessage(77), "server_param");
  ASSERT_EQ(values.size(), 97u);
  for (int position = 1; position <= 97; ++position) {
    const std::string& value = values[position - 1];
    bool integerPosition =
        position == 21 || position == 55 || (position >= 58 && position <= 82) || position >= 94;
    EXPECT_TRUE(isNumber(value)) << position;
    if (integerPosition) {
      EXPECT_TRUE(isInteger(value)) << position << ": " << value;
    }
  }
  EXPECT_EQ(values[62], "77");
}

TEST(ParamMessagesTest, PlayerParamAndTypes) {
  std::vector<std::string> values = valuesOf(playerParamMessage(), "player_param");
  ASSERT_EQ(values.size(), 19u);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(isInteger(values[i])) << i;
  for (int id = 0; id < playerTypeCount; ++id) {
    values = valuesOf(playerTypeMessage(id), "player_type");
    ASSERT_EQ(values.size(), 12u) << id;
    EXPECT_EQ(values[0], std::to_string(id));
    for (const auto& value : values) EXPECT_TRUE(isNumber(value)) << id << ": " << value;
  }
}

}  // namespace
