// Fitting tokens into one say command: the 5119-character bound, left-out
// tokens with later ones still tried, and the warning line.
#include "coach/message_fitting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "coach_language/cm_advice_message.h"
#include "coach_language/cm_info_message.h"

namespace {

// A token whose protocol text is length letters 'x'.
class FixedToken : public CM_Token {
 public:
  explicit FixedToken(std::size_t length) : body(length, 'x') {}
  std::ostream& print(std::ostream& out) const override { return out << body; }
  void printPretty(std::ostream& out, std::string lineHeader) const override {
    out << lineHeader << body << '\n';
  }
  int getType() const override { return 1; }
  std::size_t length() const { return body.size(); }

 private:
  std::string body;
};

TokenList tokensOf(const std::vector<std::size_t>& lengths) {
  TokenList tokens;
  for (std::size_t n : lengths) tokens.push_back(std::make_unique<FixedToken>(n));
  return tokens;
}

std::vector<std::size_t> lengthsOf(const TokenList& tokens) {
  std::vector<std::size_t> lengths;
  for (const auto& t : tokens) lengths.push_back(static_cast<const FixedToken&>(*t).length());
  return lengths;
}

std::string warning(int n) {
  return "Warning, left out " + std::to_string(n) + " rules that did not fit into one message.\n";
}

TEST(MessageFittingTest, KeepsWhatFitsInOrder) {
  // "(say (info))" is 12 characters, each token adds a blank and its text:
  // one token of 5106 makes exactly 5119. "(advice" is two characters longer.
  const CM_InfoMessage info;
  const CM_AdviceMessage advice;
  struct Case {
    const char* name;
    const CM_Message& message;
    std::vector<std::size_t> lengths, kept;
    std::string stderrText;
  };
  const Case cases[] = {
      {"exactly 5119", info, {5106}, {5106}, ""},
      {"one character too long", info, {5107}, {}, warning(1)},
      {"later tokens still tried", info, {3000, 3000, 100}, {3000, 100}, warning(1)},
      {"one over, the next fits", info, {3000, 2106, 1}, {3000, 1}, warning(1)},
      {"several left out", info, {4000, 2000, 2000, 500, 2000}, {4000, 500}, warning(3)},
      {"small ones all fit", info, {10, 20, 30}, {10, 20, 30}, ""},
      {"nothing given", info, {}, {}, ""},
      {"advice: exactly 5119", advice, {5104}, {5104}, ""},
      {"advice: one too long", advice, {5105}, {}, warning(1)},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    const TokenList kept = fitTokens(tokensOf(c.lengths), c.message);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.stderrText) << c.name;
    EXPECT_EQ(lengthsOf(kept), c.kept) << c.name;
  }
}

}  // namespace
