// Recursive-descent parser of coach-language messages (see clang_parser.h). Every part is
// separated by exactly one blank, as the coach prints it.
#include "sim/clang_parser.h"

#include <string>
#include <utility>

#include "sim/clang_check.h"

namespace {

constexpr int MAX_PLAYER = 11;

class Parser {
 public:
  explicit Parser(ClangLexer& lexer) : lex_(lexer) {}

  std::unique_ptr<ClangMessage> message(ClangMessageKind& kind);

 private:
  // Reads "(" and the keyword after it; `at` receives the keyword's position.
  bool open(std::string& keyword, std::size_t& at);
  bool blank() { return lex_.expect(' '); }
  bool close() { return lex_.expect(')'); }
  // Enters one nesting level opened at `at`; false (with the error) when too deep.
  bool enter(std::size_t at);
  // In a list that ends with ')': true when another " item" follows; false at the ')' and at
  // the end of the text (with the error "message ends early").
  bool another();
  void leave() { --depth_; }

  bool side(bool& ourSide);
  bool playerSet(ClangPlayerSet& set);
  std::unique_ptr<ClangRule> rule();
  std::unique_ptr<ClangCondition> condition();
  std::unique_ptr<ClangDirective> directive();
  std::unique_ptr<ClangAction> action();
  std::unique_ptr<ClangRegion> region(bool pointOnly);
  std::unique_ptr<ClangRegion> regionBody(const std::string& keyword, std::size_t at,
                                          bool pointOnly);
  bool freeform(ClangMessage& message);

  ClangLexer& lex_;
  int depth_ = 0;
};

bool Parser::open(std::string& keyword, std::size_t& at) {
  if (!lex_.expect('(')) return false;
  at = lex_.position();
  lex_.readWord(keyword);
  return true;
}

bool Parser::enter(std::size_t at) {
  if (++depth_ > CLANG_MAX_NESTING) {
    return lex_.fail("nesting deeper than " + std::to_string(CLANG_MAX_NESTING) + " levels", at);
  }
  return true;
}

bool Parser::another() {
  if (lex_.atEnd()) return lex_.expect(')');
  return lex_.peek() != ')';
}

bool Parser::side(bool& ourSide) {
  std::size_t at = lex_.position();
  std::string word;
  lex_.readWord(word);
  if (word == "our" || word == "opp") {
    ourSide = word == "our";
    return true;
  }
  return lex_.fail(lex_.atEnd() && word.empty() ? "message ends early, expected 'our' or 'opp'"
                                                : "expected 'our' or 'opp'",
                   at);
}

bool Parser::playerSet(ClangPlayerSet& set) {
  if (!lex_.expect('{')) return false;
  if (lex_.peek() == '}') return lex_.fail("a player set needs at least one number");
  for (;;) {
    std::size_t at = lex_.position();
    int number = 0;
    if (!lex_.readInteger(number)) return false;
    if (number < 0 || number > MAX_PLAYER) {
      return lex_.fail("player number " + std::to_string(number) + " out of range 0 to 11", at);
    }
    if (!set.numbers.empty() && (number == 0 || set.numbers.front() == 0)) {
      return lex_.fail("player number 0 (the whole team) must stand alone", at);
    }
    if (!set.numbers.empty() && number <= set.numbers.back()) {
      return lex_.fail("player numbers must be ascending without repeats", at);
    }
    set.numbers.push_back(number);
    if (lex_.peek() == '}') break;
    if (!blank()) return false;
  }
  if (set.numbers.size() == MAX_PLAYER) return lex_.fail("the whole team is written {0}");
  return lex_.expect('}');
}

std::unique_ptr<ClangMessage> Parser::message(ClangMessageKind& kind) {
  std::string keyword;
  std::size_t at = 0;
  if (!open(keyword, at)) return nullptr;
  auto result = std::make_unique<ClangMessage>();
  if (keyword == "info" || keyword == "advice") {
    kind = keyword == "info" ? ClangMessageKind::Info : ClangMessageKind::Advice;
    result->kind = kind;
    while (another()) {
      if (!blank()) return nullptr;
      if (lex_.peek() == ')') {
        lex_.fail("empty token (a rule needs a condition and a directive)");
        return nullptr;
      }
      auto r = rule();
      if (!r) return nullptr;
      result->rules.push_back(std::move(r));
    }
  } else if (keyword == "meta" || keyword == "define") {
    kind = keyword == "meta" ? ClangMessageKind::Meta : ClangMessageKind::Define;
    result->kind = kind;
    if (lex_.peek() == ' ') {
      lex_.fail("a " + keyword + " message holds no tokens in this language");
      return nullptr;
    }
  } else if (keyword == "freeform") {
    kind = ClangMessageKind::Freeform;
    result->kind = kind;
    if (!freeform(*result)) return nullptr;
    return result;
  } else {
    lex_.fail(
        keyword.empty() ? "expected a message keyword" : "unknown message kind '" + keyword + "'",
        at);
    return nullptr;
  }
  if (!close()) return nullptr;
  return result;
}

bool Parser::freeform(ClangMessage& message) {
  if (!blank() || !lex_.expect('"')) return false;
  std::size_t start = lex_.position();
  std::string_view rest = lex_.rest();
  if (rest.size() < 2 || rest.substr(rest.size() - 2) != "\")") {
    lex_.skip(rest.size());
    return lex_.fail("freeform text does not end with '\"' and ')'");
  }
  std::string_view text = rest.substr(0, rest.size() - 2);
  if (text.size() > CLANG_MAX_FREEFORM_LENGTH) {
    return lex_.fail("freeform text of " + std::to_string(text.size()) +
                         " characters is longer than " + std::to_string(CLANG_MAX_FREEFORM_LENGTH),
                     start + CLANG_MAX_FREEFORM_LENGTH);
  }
  message.freeformText.assign(text);
  lex_.skip(rest.size());
  return true;
}

std::unique_ptr<ClangRule> Parser::rule() {
  if (!lex_.expect('(')) return nullptr;
  auto result = std::make_unique<ClangRule>();
  std::size_t at = lex_.position();
  char first = lex_.peek();
  if (first != '-' && (first < '0' || first > '9')) {
    lex_.fail(lex_.atEnd() ? "message ends early, expected the ttl of a rule"
                           : "expected the ttl of a rule");
    return nullptr;
  }
  if (!lex_.readInteger(result->ttl)) return nullptr;
  if (result->ttl < 1) {
    lex_.fail("the ttl of a rule must be positive", at);
    return nullptr;
  }
  if (!blank()) return nullptr;
  result->condition = condition();
  if (!result->condition) return nullptr;
  while (another() || result->directives.empty()) {
    if (lex_.failed()) return nullptr;
    if (lex_.peek() == ')') {
      lex_.fail("a rule needs at least one directive");
      return nullptr;
    }
    if (!blank()) return nullptr;
    auto d = directive();
    if (!d) return nullptr;
    result->directives.push_back(std::move(d));
  }
  if (!close()) return nullptr;
  return result;
}

std::unique_ptr<ClangCondition> Parser::condition() {
  std::string keyword;
  std::size_t at = 0;
  if (!enter(lex_.position()) || !open(keyword, at)) return nullptr;
  auto result = std::make_unique<ClangCondition>();
  if (keyword == "ppos") {
    result->kind = ClangConditionKind::PlayerPosition;
    if (!blank() || !side(result->ourSide) || !blank() || !playerSet(result->players) || !blank() ||
        !lex_.readInteger(result->minMatch) || !blank() || !lex_.readInteger(result->maxMatch) ||
        !blank()) {
      return nullptr;
    }
    result->region = region(false);
    if (!result->region) return nullptr;
  } else if (keyword == "bowner") {
    result->kind = ClangConditionKind::BallOwner;
    if (!blank() || !side(result->ourSide) || !blank() || !playerSet(result->players)) {
      return nullptr;
    }
  } else if (keyword == "playm") {
    result->kind = ClangConditionKind::PlayMode;
    if (!blank()) return nullptr;
    std::size_t nameAt = lex_.position();
    lex_.readWord(result->playModeName);
    result->playMode = clangPlayModeIndex(result->playModeName);
    if (result->playMode < 0) {
      lex_.fail("unknown play mode '" + result->playModeName + "'", nameAt);
      return nullptr;
    }
  } else if (keyword == "and" || keyword == "or") {
    result->kind = keyword == "and" ? ClangConditionKind::And : ClangConditionKind::Or;
    while (another()) {
      if (!blank()) return nullptr;
      auto c = condition();
      if (!c) return nullptr;
      result->conditions.push_back(std::move(c));
    }
  } else {
    lex_.fail(
        keyword.empty() ? "expected a condition keyword" : "unknown condition '" + keyword + "'",
        at);
    return nullptr;
  }
  if (!close()) return nullptr;
  leave();
  return result;
}

std::unique_ptr<ClangDirective> Parser::directive() {
  std::string keyword;
  std::size_t at = 0;
  if (!open(keyword, at)) return nullptr;
  if (keyword != "do" && keyword != "dont") {
    lex_.fail("expected 'do' or 'dont'", at);
    return nullptr;
  }
  auto result = std::make_unique<ClangDirective>();
  result->positive = keyword == "do";
  if (!blank() || !side(result->ourSide) || !blank() || !playerSet(result->players)) {
    return nullptr;
  }
  if (lex_.peek() == ')') {
    lex_.fail("a directive needs an action");
    return nullptr;
  }
  if (!blank()) return nullptr;
  result->action = action();
  if (!result->action) return nullptr;
  if (lex_.peek() == ' ') {
    lex_.fail("a directive holds exactly one action");
    return nullptr;
  }
  if (!close()) return nullptr;
  return result;
}

std::unique_ptr<ClangAction> Parser::action() {
  std::string keyword;
  std::size_t at = 0;
  if (!open(keyword, at)) return nullptr;
  auto result = std::make_unique<ClangAction>();
  if (keyword == "pos" || keyword == "oline") {
    result->kind = keyword == "pos" ? ClangActionKind::Position : ClangActionKind::OffsidesLine;
    if (!blank()) return nullptr;
    result->region = region(false);
    if (!result->region) return nullptr;
  } else if (keyword == "mark") {
    result->kind = ClangActionKind::Mark;
    if (!blank() || !playerSet(result->players)) return nullptr;
  } else {
    lex_.fail(keyword.empty() ? "expected an action keyword" : "unknown action '" + keyword + "'",
              at);
    return nullptr;
  }
  if (!close()) return nullptr;
  return result;
}

std::unique_ptr<ClangRegion> Parser::region(bool pointOnly) {
  std::string keyword;
  std::size_t at = 0;
  if (!enter(lex_.position()) || !open(keyword, at)) return nullptr;
  auto result = regionBody(keyword, at, pointOnly);
  if (!result || !close()) return nullptr;
  leave();
  return result;
}

std::unique_ptr<ClangRegion> Parser::regionBody(const std::string& keyword, std::size_t at,
                                                bool pointOnly) {
  auto result = std::make_unique<ClangRegion>();
  if (keyword == "pt") {
    if (!blank() || !lex_.readFloat(result->x) || !blank() || !lex_.readFloat(result->y)) {
      return nullptr;
    }
    result->kind = ClangRegionKind::Point;
    if (lex_.peek() == ')') return result;
    if (!blank()) return nullptr;
    result->kind = ClangRegionKind::RelativePoint;
    auto origin = region(true);
    if (!origin) return nullptr;
    result->parts.push_back(std::move(origin));
    return result;
  }
  if (pointOnly) {
    lex_.fail("expected a point '(pt'", at - 1);
    return nullptr;
  }
  if (keyword == "quad") {
    result->kind = ClangRegionKind::Quad;
    for (int corner = 0; corner < 4; ++corner) {
      if (lex_.peek() == ')') {
        lex_.fail("a quadrangle needs four corners");
        return nullptr;
      }
      if (!blank()) return nullptr;
      auto point = region(true);
      if (!point) return nullptr;
      result->parts.push_back(std::move(point));
    }
    if (lex_.peek() == ' ') {
      lex_.fail("a quadrangle has exactly four corners");
      return nullptr;
    }
  } else if (keyword == "arc") {
    result->kind = ClangRegionKind::Arc;
    if (!blank()) return nullptr;
    auto center = region(true);
    if (!center) return nullptr;
    result->parts.push_back(std::move(center));
    if (!blank() || !lex_.readFloat(result->startRadius) || !blank() ||
        !lex_.readFloat(result->endRadius) || !blank() || !lex_.readFloat(result->startAngle) ||
        !blank() || !lex_.readFloat(result->spanAngle)) {
      return nullptr;
    }
  } else if (keyword == "reg") {
    result->kind = ClangRegionKind::Union;
    while (another()) {
      if (!blank()) return nullptr;
      auto member = region(false);
      if (!member) return nullptr;
      result->parts.push_back(std::move(member));
    }
  } else {
    lex_.fail(keyword.empty() ? "expected a region keyword" : "unknown region '" + keyword + "'",
              at);
    return nullptr;
  }
  return result;
}

}  // namespace

std::unique_ptr<ClangMessage> parseClangMessage(ClangLexer& lexer, ClangMessageKind& kind) {
  Parser parser(lexer);
  return parser.message(kind);
}
