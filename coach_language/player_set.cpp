// Membership operations and text of a player set.
#include "coach_language/player_set.h"

#include <algorithm>

namespace {

// Every bit a player 1 to maxNumber can occupy.
std::uint32_t allPlayersMask(int maxNumber) {
  return (std::uint32_t{1} << maxNumber) - 1;
}

}  // namespace

// Kept within 1 to 31 so that every shift below stays inside 32 bits.
PlayerSet::PlayerSet(int maxNumber) : maxNumber(std::clamp(maxNumber, 1, 31)) {}

void PlayerSet::add(int n) {
  if (n < 0 || n > maxNumber) return;
  if (n == 0) {
    mask = ~std::uint32_t{0};
  } else {
    mask |= std::uint32_t{1} << (n - 1);
  }
}

void PlayerSet::remove(int n) {
  if (n < 0 || n > maxNumber) return;
  if (n == 0) {
    mask = 0;
  } else {
    mask &= ~(std::uint32_t{1} << (n - 1));
  }
}

bool PlayerSet::contains(int n) const {
  if (n < 0 || n > maxNumber) return false;
  if (n == 0) return (mask & allPlayersMask(maxNumber)) == allPlayersMask(maxNumber);
  return (mask & (std::uint32_t{1} << (n - 1))) != 0;
}

std::ostream& operator<<(std::ostream& out, const PlayerSet& players) {
  out << "{";
  if (players.contains(0)) {
    out << "0";
  } else {
    const char* separator = "";
    for (int n = 1; n <= players.getMaxNumber(); ++n) {
      if (!players.contains(n)) continue;
      out << separator << n;
      separator = " ";
    }
  }
  return out << "}";
}
