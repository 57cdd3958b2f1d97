// A set of player numbers 1 to maxNumber; number 0 stands for all players.
#pragma once

#include <cstdint>
#include <ostream>

class PlayerSet {
 public:
  // An empty set of the numbers 1 to maxNumber; maxNumber is kept within 1 to 31.
  explicit PlayerSet(int maxNumber = 11);

  // Adds player n; n = 0 makes the set hold every player; n outside 0 to maxNumber is ignored.
  void add(int n);
  // Removes player n; n = 0 empties the set; n outside 0 to maxNumber is ignored.
  void remove(int n);
  // Whether player n is in the set; for n = 0 whether every player 1 to maxNumber
  // is; false for n outside 0 to maxNumber.
  bool contains(int n) const;
  // Empties the set.
  void clear() { mask = 0; }

  int getMaxNumber() const { return maxNumber; }
  // Bit n-1 is set when player n is in the set.
  std::uint32_t getMask() const { return mask; }

 private:
  int maxNumber;
  std::uint32_t mask = 0;
};

// Writes "{0}" when the set holds every player, otherwise the numbers in
// ascending order separated by blanks, in braces ("{3 7}", "{}").
std::ostream& operator<<(std::ostream& out, const PlayerSet& players);
