// Tests of the feature records of a cycle state: counts around the ball, CSV
// rows and their labels, text records written and read back, scaling, distances,
// rebuilt positions and the snapshot file.
#include "state/feature_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "state/cycle_state.h"
#include "state/feature_scaling.h"
#include "state/feature_snapshot.h"
#include "tests/support/process.h"

namespace {

const std::string kTeam = "us";
const std::string kOpponent = "opponent";

// A state with the ball at (bx, by) and every player zeroed on the centre spot.
std::unique_ptr<CycleState> emptyState(double bx = 0, double by = 0) {
  PlayerRecords players{};
  BallState ball{bx, by, 0, 0};
  return std::make_unique<CycleState>(players, ball, 0, nullptr, kTeam, kOpponent, 3);
}

// A state with a fixed, non-trivial value in every field of both records.
std::unique_ptr<CycleState> filledState() {
  auto s = emptyState();
  s->ballPos = Point{12.5, -3.25};
  s->possessionSide = -1;
  for (int k = 0; k < 8; ++k) {
    s->nearestToBall[k].side = k % 3 == 0 ? 1 : (k % 3 == 1 ? -1 : 0);
    s->nearestToBall[k].ballDirection = 10.5 + 40 * k;
    s->nearestToBall[k].ballDistance = 0.75 + 3 * k;
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) s->regionCounts[i][j] = {int16_t(i + j), int16_t(3 - j)};
  }
  s->cyclesToPass = 0;
  s->cyclesToShot = 17;
  s->cyclesToLoss = NO_EVENT;
  s->time = 1234;
  return s;
}

// Whatever a writer puts into a temporary stream.
template <typename Write>
std::string written(Write write) {
  FILE* file = std::tmpfile();
  write(file);
  std::rewind(file);
  std::string text;
  int c;
  while ((c = std::fgetc(file)) != EOF) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

// A temporary stream holding text, positioned at its start.
FILE* streamOf(const std::string& text) {
  FILE* file = std::tmpfile();
  std::fputs(text.c_str(), file);
  std::rewind(file);
  return file;
}

void expectSameNearest(const CycleState& a, const CycleState& b) {
  EXPECT_EQ(a.ballPos, b.ballPos);
  EXPECT_EQ(a.possessionSide, b.possessionSide);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(a.nearestToBall[k].side, b.nearestToBall[k].side) << "entry " << k;
    EXPECT_DOUBLE_EQ(a.nearestToBall[k].ballDirection, b.nearestToBall[k].ballDirection)
        << "entry " << k;
    EXPECT_DOUBLE_EQ(a.nearestToBall[k].ballDistance, b.nearestToBall[k].ballDistance)
        << "entry " << k;
  }
  EXPECT_EQ(a.cyclesToPass, b.cyclesToPass);
  EXPECT_EQ(a.cyclesToShot, b.cyclesToShot);
  EXPECT_EQ(a.cyclesToLoss, b.cyclesToLoss);
}

void expectSameRegion(const CycleState& a, const CycleState& b) {
  EXPECT_EQ(a.regionCounts, b.regionCounts);
  EXPECT_EQ(a.ballPos, b.ballPos);
  EXPECT_EQ(a.possessionSide, b.possessionSide);
  EXPECT_EQ(a.cyclesToPass, b.cyclesToPass);
  EXPECT_EQ(a.cyclesToShot, b.cyclesToShot);
  EXPECT_EQ(a.cyclesToLoss, b.cyclesToLoss);
  EXPECT_EQ(a.time, b.time);
}

TEST(CountAroundBall, CellEdgesExcludeLowerAndIncludeUpperBounds) {
  struct Case {
    double bx, by, x, y;
    int i, j;  // expected cell, -1 for none
  } cases[] = {
      {0, 0, 5, 0, 1, 1},     {0, 0, -5, 0, 0, 1},       {0, 0, 15, 0, 2, 1},
      {0, 0, -15, 0, -1, -1}, {0, 0, 15.01, 0, -1, -1},  {0, 0, 0, 5, 1, 1},
      {0, 0, 0, -5, 1, 0},    {0, 0, 0, 15, 1, 2},       {0, 0, 0, -15, -1, -1},
      {10, 20, 25, 35, 2, 2}, {10, 20, -4.9, 5.1, 0, 0}, {10, 20, -5, 20, -1, -1},
  };
  for (const Case& c : cases) {
    for (int slot : {2, 13}) {
      auto s = emptyState(c.bx, c.by);
      for (PlayerState& other : s->players) other.x = other.y = 1000;  // far from every cell
      s->players[slot].x = c.x;
      s->players[slot].y = c.y;
      s->players[slot].side = slot <= 10 ? 1 : -1;
      countAroundBall(*s);
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
          bool here = i == c.i && j == c.j;
          int left = here && slot <= 10 ? 1 : 0;
          int right = here && slot > 10 ? 1 : 0;
          EXPECT_EQ(s->regionCounts[i][j][0], left)
              << "ball (" << c.bx << "," << c.by << ") player (" << c.x << "," << c.y << ") slot "
              << slot << " cell " << i << j;
          EXPECT_EQ(s->regionCounts[i][j][1], right)
              << "ball (" << c.bx << "," << c.by << ") player (" << c.x << "," << c.y << ") slot "
              << slot << " cell " << i << j;
        }
      }
    }
  }
}

TEST(CountAroundBall, ClearsOldCountsAndCountsEverySlot) {
  auto s = emptyState();  // every slot on the centre spot with side 0
  s->regionCounts[0][0] = {5, 5};
  for (int slot = 0; slot < 3; ++slot) {
    s->players[slot].x = 1;
    s->players[slot].side = 1;
    s->players[slot].listed = slot != 0;  // listed or not, every slot counts
  }
  s->players[20].side = -1;
  countAroundBall(*s);
  EXPECT_EQ(s->regionCounts[0][0][0], 0) << "old counts cleared";
  EXPECT_EQ(s->regionCounts[0][0][1], 0) << "old counts cleared";
  EXPECT_EQ(s->regionCounts[1][1][0], 3) << "side 1";
  EXPECT_EQ(s->regionCounts[1][1][1], 19) << "side -1 and side 0 count right";
}

TEST(FeatureCsv, RowsCarryTheExactFields) {
  auto s = filledState();
  std::string nearest = written([&](FILE* f) { writeNearestCsv(*s, true, f); });
  EXPECT_EQ(nearest,
            "12.5,-3.25,right,left,10.5,0.75,right,50.5,3.75,90.5,6.75,left,130.5,9.75,"
            "right,170.5,12.75,210.5,15.75,left,250.5,18.75,right,290.5,21.75,no\n");
  std::string region = written([&](FILE* f) { writeRegionCsv(*s, true, f); });
  EXPECT_EQ(region, "12.5,-3.25,right,0,3,1,2,2,1,1,3,2,2,3,1,2,3,3,2,4,1,no\n");
  s->possessionSide = 1;
  std::string left = written([&](FILE* f) { writeRegionCsv(*s, false, f); });
  EXPECT_EQ(left.substr(0, 16), "12.5,-3.25,left,");
}

TEST(FeatureCsv, LabelAndSelectionCases) {
  struct Case {
    const char* name;
    int possessionSide;
    bool forRight;
    int cyclesToPass;
    int passSide;
    const char* label;  // nullptr: no row at all
  } cases[] = {
      {"right, pass now", -1, true, 0, -1, "yes\n"},
      {"right, pass later", -1, true, 3, -1, "no\n"},
      {"right, left's pass", -1, true, 0, 1, "no\n"},
      {"right, no pass", -1, true, 0, 0, "no\n"},
      {"left, pass now", 1, false, 0, 1, "yes\n"},
      {"left, countdown not tested", 1, false, 7, 1, "yes\n"},
      {"left, right's pass", 1, false, 0, -1, "no\n"},
      {"left row for right side", 1, true, 0, -1, nullptr},
      {"right row for left side", -1, false, 0, 1, nullptr},
      {"nobody, right", 0, true, 0, -1, nullptr},
      {"nobody, left", 0, false, 0, 1, nullptr},
  };
  for (const Case& c : cases) {
    auto s = filledState();
    s->possessionSide = static_cast<int16_t>(c.possessionSide);
    s->cyclesToPass = static_cast<int16_t>(c.cyclesToPass);
    s->passSide = static_cast<int16_t>(c.passSide);
    std::string nearest = written([&](FILE* f) { writeNearestCsv(*s, c.forRight, f); });
    std::string region = written([&](FILE* f) { writeRegionCsv(*s, c.forRight, f); });
    for (const std::string& row : {nearest, region}) {
      if (c.label == nullptr) {
        EXPECT_EQ(row, "") << c.name;
      } else {
        std::string label = c.label;
        ASSERT_GE(row.size(), label.size()) << c.name;
        EXPECT_EQ(row.substr(row.size() - label.size()), label) << c.name;
        EXPECT_EQ(row[row.size() - label.size() - 1], ',') << c.name;
      }
    }
  }
}

TEST(FeatureRecords, WrittenTextIsExact) {
  auto s = filledState();
  EXPECT_EQ(written([&](FILE* f) { writeNearestRecord(*s, f); }),
            "12.5 -3.25 -1 1 10.5 0.75 -1 50.5 3.75 0 90.5 6.75 1 130.5 9.75 -1 170.5 12.75 "
            "0 210.5 15.75 1 250.5 18.75 -1 290.5 21.75 0 17 41\n");
  EXPECT_EQ(written([&](FILE* f) { writeRegionRecord(*s, f, false); }),
            "0 3 1 2 2 1 1 3 2 2 3 1 2 3 3 2 4 1 12.5 -3.25 -1 0 17 41 1234\n");
}

TEST(FeatureRecords, EmptyRegionRecordOnlyWhenAlways) {
  auto s = filledState();
  s->regionCounts = {};
  EXPECT_EQ(written([&](FILE* f) { writeRegionRecord(*s, f, false); }), "");
  EXPECT_EQ(written([&](FILE* f) { writeRegionRecord(*s, f, true); }),
            "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 12.5 -3.25 -1 0 17 41 1234\n");
}

TEST(FeatureRecords, RoundTripsThroughText) {
  auto s = filledState();
  std::string text = written([&](FILE* f) {
    writeNearestRecord(*s, f);
    writeRegionRecord(*s, f, true);
  });
  FILE* in = streamOf("\n" + text);  // a blank line before a record is passed over
  auto back = emptyState(99, 99);
  EXPECT_EQ(readNearestRecord(*back, in), 30);
  EXPECT_EQ(readRegionRecord(*back, in), 25);
  EXPECT_EQ(readNearestRecord(*back, in), 0) << "end of file";
  std::fclose(in);
  expectSameNearest(*s, *back);
  expectSameRegion(*s, *back);
  EXPECT_EQ(back->ball.x, 99) << "readers write ballPos only";
}

TEST(FeatureRecords, IntegerFieldsRoundHalvesToEven) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {{"0.5", 0},   {"1.5", 2},  {"2.5", 2},   {"-0.5", 0},
               {"-1.5", -2}, {"0.51", 1}, {"40.4", 40}, {"1e9", 32767}};
  for (const Case& c : cases) {
    auto s = emptyState();
    std::string line = std::string("1 2 ") + c.text + "\n";
    FILE* in = streamOf(line);
    EXPECT_EQ(readNearestRecord(*s, in), 3) << c.text;
    std::fclose(in);
    EXPECT_EQ(s->possessionSide, c.expected) << c.text;
  }
}

TEST(FeatureRecords, ShortOrDamagedRecordKeepsTheFieldsNotRead) {
  struct Case {
    const char* name;
    const char* text;
    int count;
  } cases[] = {
      {"ends after the ball", "7 8\n1 2 1 ", 2},
      {"text instead of a number", "7 8 x 1 2 3\n", 2},
      {"number glued to text", "7 8y 1 2 3\n", 2},
      {"not finite integer", "7 8 nan\n", 3},
  };
  for (const Case& c : cases) {
    auto s = filledState();
    auto before = filledState();
    FILE* in = streamOf(c.text);
    EXPECT_EQ(readNearestRecord(*s, in), c.count) << c.name;
    EXPECT_EQ(s->ballPos, (Point{7, 8})) << c.name;
    s->ballPos = before->ballPos;
    expectSameNearest(*before, *s);
    std::fclose(in);
  }
  // The record after a damaged line is read in full.
  auto s = emptyState();
  FILE* in = streamOf("1 2 x\n" + written([&](FILE* f) { writeNearestRecord(*filledState(), f); }));
  EXPECT_EQ(readNearestRecord(*s, in), 2);
  EXPECT_EQ(readNearestRecord(*s, in), 30);
  std::fclose(in);
  expectSameNearest(*filledState(), *s);

  auto r = filledState();
  FILE* region = streamOf("1 1 1 1 1 1 1 1 1 1\n");
  EXPECT_EQ(readRegionRecord(*r, region), 10);
  std::fclose(region);
  EXPECT_EQ(r->regionCounts[1][1], (std::array<int16_t, 2>{1, 1}));
  EXPECT_EQ(r->regionCounts[2][0], (std::array<int16_t, 2>{2, 3})) << "cell not read";
  EXPECT_EQ(r->time, 1234);
}

TEST(FeatureScaling, KnownValuesAndNoEvent) {
  auto s = filledState();
  s->possessionSide = 1;
  s->regionCounts[0][0] = {1, 3};
  s->cyclesToShot = 20;
  scaleRegionRecord(*s);
  EXPECT_NEAR(s->ballPos.x, (12.5 + 52.5) / 105 * 1000, 1e-9);
  EXPECT_NEAR(s->ballPos.y, (-3.25 + 52.5) / 105 * 1000, 1e-9);
  EXPECT_EQ(s->possessionSide, 1000);
  EXPECT_EQ(s->regionCounts[0][0][0], 333) << "cut towards zero";
  EXPECT_EQ(s->regionCounts[0][0][1], 1000);
  EXPECT_EQ(s->cyclesToPass, 0);
  EXPECT_EQ(s->cyclesToShot, 500);
  EXPECT_EQ(s->cyclesToLoss, 1025) << "NO_EVENT";
  EXPECT_EQ(s->time, 1234) << "time is never scaled";
  unscaleRegionRecord(*s);
  EXPECT_EQ(s->possessionSide, 1);
  EXPECT_EQ(s->regionCounts[0][0][0], 1) << "333 rounds back to 1";
  EXPECT_EQ(s->cyclesToLoss, NO_EVENT);

  auto n = filledState();
  n->possessionSide = 0;
  scaleNearestRecord(*n);
  EXPECT_EQ(n->possessionSide, 500);
  EXPECT_EQ(n->nearestToBall[0].side, 1000);
  EXPECT_EQ(n->nearestToBall[1].side, 0);
  EXPECT_EQ(n->nearestToBall[2].side, 500);
  EXPECT_NEAR(n->nearestToBall[1].ballDirection, 50.5 / 360 * 1000, 1e-9);
  EXPECT_NEAR(n->nearestToBall[1].ballDistance, 3.75 / 30 * 1000, 1e-9);
  EXPECT_EQ(n->cyclesToShot, 425) << "17 of 40 is 425";
}

TEST(FeatureScaling, UnscaleRestoresBothRecords) {
  auto original = filledState();
  auto s = filledState();
  scaleNearestRecord(*s);
  unscaleNearestRecord(*s);
  EXPECT_NEAR(s->ballPos.x, original->ballPos.x, 1e-9);
  EXPECT_NEAR(s->ballPos.y, original->ballPos.y, 1e-9);
  EXPECT_EQ(s->possessionSide, original->possessionSide);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(s->nearestToBall[k].side, original->nearestToBall[k].side) << "entry " << k;
    EXPECT_NEAR(s->nearestToBall[k].ballDirection, original->nearestToBall[k].ballDirection, 1e-9)
        << "entry " << k;
    EXPECT_NEAR(s->nearestToBall[k].ballDistance, original->nearestToBall[k].ballDistance, 1e-9)
        << "entry " << k;
  }
  EXPECT_EQ(s->cyclesToPass, original->cyclesToPass);
  EXPECT_EQ(s->cyclesToShot, original->cyclesToShot);
  EXPECT_EQ(s->cyclesToLoss, original->cyclesToLoss);

  auto r = filledState();
  scaleRegionRecord(*r);
  unscaleRegionRecord(*r);
  EXPECT_EQ(r->regionCounts, original->regionCounts);
  EXPECT_EQ(r->cyclesToShot, original->cyclesToShot);
}

TEST(FeatureDistance, SumsAbsoluteDifferences) {
  auto a = filledState();
  auto b = filledState();
  EXPECT_EQ(nearestDistance(*a, nullptr), 0);
  EXPECT_EQ(regionDistance(*a, nullptr), 0);
  EXPECT_EQ(nearestDistance(*a, b.get()), 0);
  b->ballPos.x += 1.5;
  b->possessionSide = 1;                  // 2
  b->nearestToBall[3].side = -1;          // 2
  b->nearestToBall[3].ballDistance -= 2;  // 2
  b->nearestToBall[7].ballDirection += 0.25;
  b->regionCounts[2][1][1] += 4;
  b->cyclesToLoss = 1;  // 40
  b->time = 0;          // never counts
  EXPECT_NEAR(nearestDistance(*a, b.get()), 1.5 + 2 + 2 + 2 + 0.25 + 40, 1e-12);
  EXPECT_NEAR(regionDistance(*a, b.get()), 1.5 + 2 + 4 + 40, 1e-12);
}

TEST(FeatureRebuild, PositionsStandAtDistanceLookingAtTheBall) {
  auto s = emptyState();
  s->ballPos = Point{1, 1};
  s->nearestToBall[0].ballDirection = 90;
  s->nearestToBall[0].ballDistance = 2;
  s->nearestToBall[1].ballDirection = 180;
  s->nearestToBall[1].ballDistance = 3;
  s->nearestToBall[2].ballDirection = 45;
  s->nearestToBall[2].ballDistance = std::sqrt(2.0);
  rebuildNearestPositions(*s);
  EXPECT_NEAR(s->nearestToBall[0].x, 1, 1e-15);
  EXPECT_NEAR(s->nearestToBall[0].y, -1, 1e-15);
  EXPECT_NEAR(s->nearestToBall[1].x, 4, 1e-15);
  EXPECT_NEAR(s->nearestToBall[1].y, 1, 1e-15);
  EXPECT_NEAR(s->nearestToBall[2].x, 0, 1e-15);
  EXPECT_NEAR(s->nearestToBall[2].y, 0, 1e-15);
  EXPECT_EQ(s->nearestToBall[3].x, 1) << "distance 0 stands on the ball";
}

TEST(FeatureSnapshot, WritesBallAndAllSlots) {
  test_support::TempDir dir;
  auto s = emptyState(1.5, -2);
  s->ballPos = Point{9, 9};  // the snapshot shows the ball record, not ballPos
  s->players[0].x = -50;
  s->players[0].y = 0.25;
  s->playerTags[0] = 3;
  s->playerTags[21] = -1;
  std::string name = dir.file("snap.txt");
  ASSERT_TRUE(writeSnapshot(*s, name));
  std::string expected = "b 1.500000 -2.000000\np 0 -50.000000 0.250000 3\n";
  for (int slot = 1; slot < 21; ++slot) {
    expected += "p " + std::to_string(slot) + " 0.000000 0.000000 0\n";
  }
  expected += "p 21 0.000000 0.000000 -1\n";
  EXPECT_EQ(test_support::readFile(name), expected);
}

TEST(FeatureSnapshot, UncreatableFileWarnsAndWritesNothing) {
  auto s = emptyState();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(writeSnapshot(*s, "/nonexistent-dir/snap.txt"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning, cannot write snapshot /nonexistent-dir/snap.txt.\n");
}

}  // namespace
