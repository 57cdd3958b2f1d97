// Global-view parser: places ball and players of one view into fresh records,
// appends the cycle state and keeps the trainer's statistics. Every scan is
// bounded by the text and by the object being read, so a damaged object never
// makes the parser read past the text or write outside the 22 records.
#include "coach/see_global.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "coach/intake_records.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kGlobalWord = "(see_global";
constexpr std::string_view kLongWord = "(see ";

// The view text with its length fixed when parsing starts (the zero bytes the
// parser writes into it do not shorten the scan).
struct Text {
  char* chars;
  std::size_t length;

  char at(std::size_t i) const { return i < length ? chars[i] : '\0'; }

  // First occurrence of c in [from, end), or kNone.
  std::size_t find(char c, std::size_t from, std::size_t end) const {
    for (std::size_t i = from; i < end && i < length; ++i) {
      if (chars[i] == c) return i;
    }
    return kNone;
  }

  // Reads a number at from (leading blanks skipped) into value; leaves it as it
  // was when none can be read. Stops at end and at any zero byte (from_chars
  // ends a number at the first character that cannot continue it).
  template <typename T>
  void read(std::size_t from, std::size_t end, T& value) const {
    if (end > length) end = length;
    while (from < end && (chars[from] == ' ' || chars[from] == '\t' || chars[from] == '\n' ||
                          chars[from] == '\r')) {
      ++from;
    }
    if (from < end && chars[from] == '+') ++from;
    if (from >= end) return;
    T parsed{};
    const std::from_chars_result result = std::from_chars(chars + from, chars + end, parsed);
    if (result.ec == std::errc()) value = parsed;
  }
};

// Reads count numbers of an object into fields: the first at start, each next
// one after the first blank following the start of the one before. False when a
// separating blank is missing inside the object.
bool readFields(const Text& text, std::size_t start, std::size_t end, double* const* fields,
                int count) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      const std::size_t blank = text.find(' ', start, end);
      if (blank == kNone) return false;
      start = blank + 1;
    }
    if (start >= end) return false;
    text.read(start, end, *fields[i]);
  }
  return true;
}

void warnDamaged() {
  std::cerr << "Warning, skipped a damaged object in the global view." << '\n';
}

// Parses a ball object at pos (ending at end) into ball; false when damaged. A
// number that cannot be read keeps the ball record's previous value.
bool parseBall(const Text& text, std::size_t pos, std::size_t end, bool longForm, BallState& ball) {
  const std::size_t start = pos + (longForm ? 8 : 5);
  if (start >= end || text.at(start - 1) != ' ') return false;
  BallState read = ball;
  double* const fields[] = {&read.x, &read.y, &read.vx, &read.vy};
  if (!readFields(text, start, end, fields, 4)) return false;
  ball = read;
  return true;
}

// Team name and uniform number of a player object, and the blank before the number.
struct PlayerHeader {
  std::string_view name;
  int number = 0;
  std::size_t blank = 0;
};

// Reads the name and uniform number of the player object at pos (ending at
// end); false when damaged. In the global form the closing quote of the name is
// replaced by a zero byte.
bool parsePlayerHeader(const Text& text, std::size_t pos, std::size_t end, bool longForm,
                       PlayerHeader& header) {
  const std::size_t nameStart = pos + (longForm ? 9 : 5);
  const std::size_t blank = text.find(' ', longForm ? nameStart + 1 : nameStart, end);
  if (blank == kNone) return false;
  if (longForm) {
    header.name = std::string_view(text.chars + nameStart, blank - nameStart);
  } else {
    if (text.at(pos + 4) != '"' || text.at(blank - 1) != '"' || blank - 1 < nameStart) {
      return false;
    }
    text.chars[blank - 1] = '\0';
    header.name = std::string_view(text.chars + nameStart, blank - 1 - nameStart);
  }
  header.blank = blank;
  text.read(blank + 1, end, header.number);
  return header.number >= 1 && header.number <= 11;
}

// Reads the goalie marker, position, velocity and angles of the player object
// whose number blank is header.blank into record; false when damaged. A number
// that cannot be read keeps the record's previous value.
bool parsePlayerBody(const Text& text, std::size_t end, const PlayerHeader& header,
                     PlayerState& record) {
  // The goalie marker follows a one- or two-digit number within five characters.
  record.isGoalie = false;
  for (std::size_t i = header.blank + 1; i <= header.blank + 5 && i < end; ++i) {
    if (text.at(i) == 'g') record.isGoalie = true;
  }
  const std::size_t close = text.find(')', header.blank + 1, end);
  if (close == kNone || text.at(close + 1) != ' ' || close + 2 >= end) return false;
  double* const fields[] = {&record.x,  &record.y,         &record.vx,
                            &record.vy, &record.bodyAngle, &record.neckAngle};
  return readFields(text, close + 2, end, fields, 6);
}

// The left team's name in trainer mode without a team name: the first name seen
// in any view of this history (the server lists the left team first). Kept for
// the whole game, so a view in which the left team lists nobody still places
// the right team on the right.
std::optional<std::string>& trainerLeftTeam() {
  static std::optional<std::string> name;
  return name;
}

// Slot (0 to 21) and side of uniform number (1 to 11) of the team called name.
void choosePlace(std::string_view name, int number, int& slot, int& side) {
  if (trainerMode && teamName.empty()) {
    std::optional<std::string>& leftTeam = trainerLeftTeam();
    if (!leftTeam) leftTeam = std::string(name);
    slot = slotOf(name == *leftTeam ? 1 : -1, number);
    side = 0;
    return;
  }
  const bool ours = name == teamName;
  // The own team fills the left slots exactly when ownSide is 1.
  slot = slotOf((ownSide == 1) == ours ? 1 : -1, number);
  side = ours ? ownSide : -ownSide;
}

// Parses the player object at pos (ending at end) into its slot of players;
// false when damaged, leaving players as they were.
bool parsePlayer(const Text& text, std::size_t pos, std::size_t end, bool longForm,
                 PlayerRecords& players) {
  PlayerHeader header;
  if (!parsePlayerHeader(text, pos, end, longForm, header)) return false;
  int slot = 0;
  int side = 0;
  choosePlace(header.name, header.number, slot, side);
  PlayerState record = players[slot];
  if (!parsePlayerBody(text, end, header, record)) return false;
  record.side = side;
  record.listed = true;
  players[slot] = record;
  return true;
}

void countStatistics(const BallState& ball, const CycleState& newest) {
  if (ball.x > 0) {
    ++ballRightHalfCycles;
  } else {
    ++ballLeftHalfCycles;
  }
  if (newest.ownerIsGoalie(1)) {
    ++leftGoalieBallCycles;
  } else if (newest.ownerIsGoalie(-1)) {
    ++rightGoalieBallCycles;
  }
  if (newest.leftHasBall()) {
    ++leftPossessionCycles;
  } else if (newest.rightHasBall()) {
    ++rightPossessionCycles;
  }
  ballXTrace.push_back(ball.x);
}

}  // namespace

void parse_see_global(char* chars) {
  const Text text{chars, std::strlen(chars)};
  const std::string_view whole(chars, text.length);
  const bool longForm = whole.starts_with(kLongWord);
  if (!longForm && !whole.starts_with(kGlobalWord)) {
    std::cerr << "parse_see_global needs a (see_global ...) or (see ...) message and not" << '\n'
              << "  " << whole << std::endl;
    std::exit(1);
  }
  // The cycle number follows the opening word and its blank.
  const std::size_t timeStart = longForm ? kLongWord.size() : kGlobalWord.size() + 1;
  text.read(timeStart, text.length, currentTime);

  // A new game (or a reset history) learns the trainer's left team afresh.
  if (stateHistory().empty()) trainerLeftTeam().reset();
  BallState ball;
  PlayerRecords players{};

  std::size_t pos = text.find('(', timeStart, text.length);
  while (pos != kNone) {
    // An object runs up to the next opening parenthesis after its own two.
    std::size_t end = text.find('(', pos + 2, text.length);
    if (end == kNone) end = text.length;
    if (pos + 2 >= text.length) {
      warnDamaged();
      break;
    }
    const char kind = text.at(pos + 2);
    if (kind == 'b') {
      if (!parseBall(text, pos, end, longForm, ball)) warnDamaged();
    } else if (kind == 'p') {
      if (!parsePlayer(text, pos, end, longForm, players)) warnDamaged();
    } else if (kind != 'g') {
      std::cerr << "There was something wrong in the see_global-msg:" << whole.substr(pos + 2, 3)
                << std::endl;
      std::exit(1);
    }
    pos = end < text.length ? end : kNone;
  }

  if (trainerMode) players[0].isGoalie = true;
  appendState(players, ball, static_cast<int16_t>(currentTime), currentPlayMode);
  if (trainerMode) countStatistics(ball, *stateHistory().back());
}

void print_statistics() {
  std::cerr << "l," << leftGoals << "," << ballLeftHalfCycles << "," << leftGoalieBallCycles << ","
            << leftPossessionCycles << '\n';
  std::cerr << "r," << rightGoals << "," << ballRightHalfCycles << "," << rightGoalieBallCycles
            << "," << rightPossessionCycles << '\n';
  std::cerr << "x,";
  for (std::size_t i = 0; i < ballXTrace.size(); ++i) {
    if (i > 0) std::cerr << ",";
    std::cerr << ballXTrace[i];
  }
  std::cerr << std::endl;
}
