// Counting around the ball, and the text forms (rows and records) of the two
// feature records of a cycle state.
#include "state/feature_records.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "state/cycle_state.h"

namespace {

// Reads the numbers of one record line in order; after the first failure every
// later field is left alone.
class FieldReader {
 public:
  explicit FieldReader(const std::string& line) : position(line.c_str()) {}

  void real(double& field) {
    double value;
    if (next(value)) field = value;
  }

  template <typename Int>
  void integer(Int& field) {
    double value;
    if (!next(value) || !std::isfinite(value)) return;
    const double low = std::numeric_limits<Int>::min();
    const double high = std::numeric_limits<Int>::max();
    double rounded = std::nearbyint(value);  // default rounding: halves to even
    if (rounded < low) rounded = low;
    if (rounded > high) rounded = high;
    field = static_cast<Int>(rounded);
  }

  int count() const { return numbersRead; }

 private:
  bool next(double& value) {
    if (failed) return false;
    char* end = nullptr;
    value = std::strtod(position, &end);
    if (end == position) {
      failed = true;
      return false;
    }
    position = end;
    ++numbersRead;
    return true;
  }

  const char* position;
  bool failed = false;
  int numbersRead = 0;
};

// The next line of file that holds more than blanks, without its line end;
// false at the end of the file.
bool nextRecordLine(FILE* file, std::string& line) {
  for (;;) {
    line.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
    if (line.find_first_not_of(" \t\r\f\v") != std::string::npos) return true;
    if (c == EOF) return false;
  }
}

bool selectedForRow(const CycleState& state, bool forRight) {
  return state.possessionSide == (forRight ? -1 : 1);
}

void writeRowStart(const CycleState& state, FILE* file) {
  std::fprintf(file, "%g,%g,", state.ballPos.x, state.ballPos.y);
  std::fputs(state.possessionSide == -1 ? "right," : "left,", file);
}

void writeRowLabel(const CycleState& state, bool forRight, FILE* file) {
  bool yes = forRight ? state.cyclesToPass == 0 && state.passSide == -1 : state.passSide == 1;
  std::fputs(yes ? "yes\n" : "no\n", file);
}

}  // namespace

void countAroundBall(CycleState& state) {
  const double bx = state.ballPos.x;
  const double by = state.ballPos.y;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      auto& cell = state.regionCounts[i][j];
      cell = {0, 0};
      for (const PlayerState& player : state.players) {
        bool inX = player.x > bx - 15 + 10 * i && player.x <= bx - 15 + 10 * (i + 1);
        bool inY = player.y > by - 15 + 10 * j && player.y <= by - 15 + 10 * (j + 1);
        if (inX && inY) ++cell[player.side == 1 ? 0 : 1];
      }
    }
  }
}

void writeNearestCsv(const CycleState& state, bool forRight, FILE* file) {
  if (!selectedForRow(state, forRight)) return;
  writeRowStart(state, file);
  for (const PlayerState& entry : state.nearestToBall) {
    if (entry.side == 1) std::fputs("left,", file);
    if (entry.side == -1) std::fputs("right,", file);
    std::fprintf(file, "%g,%g,", entry.ballDirection, entry.ballDistance);
  }
  writeRowLabel(state, forRight, file);
}

void writeRegionCsv(const CycleState& state, bool forRight, FILE* file) {
  if (!selectedForRow(state, forRight)) return;
  writeRowStart(state, file);
  for (const auto& row : state.regionCounts) {
    for (const auto& cell : row) std::fprintf(file, "%d,%d,", cell[0], cell[1]);
  }
  writeRowLabel(state, forRight, file);
}

void writeNearestRecord(const CycleState& state, FILE* file) {
  std::fprintf(file, "%g %g ", state.ballPos.x, state.ballPos.y);
  std::fprintf(file, "%d ", state.possessionSide);
  for (const PlayerState& entry : state.nearestToBall) {
    std::fprintf(file, "%d %g %g ", entry.side, entry.ballDirection, entry.ballDistance);
  }
  std::fprintf(file, "%d %d %d\n", state.cyclesToPass, state.cyclesToShot, state.cyclesToLoss);
}

void writeRegionRecord(const CycleState& state, FILE* file, bool always) {
  bool empty = true;
  for (const auto& row : state.regionCounts) {
    for (const auto& cell : row) empty = empty && cell[0] == 0 && cell[1] == 0;
  }
  if (empty && !always) return;
  for (const auto& row : state.regionCounts) {
    for (const auto& cell : row) std::fprintf(file, "%d %d ", cell[0], cell[1]);
  }
  std::fprintf(file, "%g %g ", state.ballPos.x, state.ballPos.y);
  std::fprintf(file, "%d ", state.possessionSide);
  std::fprintf(file, "%d %d %d %d\n", state.cyclesToPass, state.cyclesToShot, state.cyclesToLoss,
               state.time);
}

int readNearestRecord(CycleState& state, FILE* file) {
  std::string line;
  if (!nextRecordLine(file, line)) return 0;
  FieldReader in(line);
  in.real(state.ballPos.x);
  in.real(state.ballPos.y);
  in.integer(state.possessionSide);
  for (PlayerState& entry : state.nearestToBall) {
    in.integer(entry.side);
    in.real(entry.ballDirection);
    in.real(entry.ballDistance);
  }
  in.integer(state.cyclesToPass);
  in.integer(state.cyclesToShot);
  in.integer(state.cyclesToLoss);
  return in.count();
}

int readRegionRecord(CycleState& state, FILE* file) {
  std::string line;
  if (!nextRecordLine(file, line)) return 0;
  FieldReader in(line);
  for (auto& row : state.regionCounts) {
    for (auto& cell : row) {
      in.integer(cell[0]);
      in.integer(cell[1]);
    }
  }
  in.real(state.ballPos.x);
  in.real(state.ballPos.y);
  in.integer(state.possessionSide);
  in.integer(state.cyclesToPass);
  in.integer(state.cyclesToShot);
  in.integer(state.cyclesToLoss);
  in.integer(state.time);
  return in.count();
}
