// Tests of the role classification: role names, zones, the gap rule and the rearmost player.
#include "state/roles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(RoleName, TableOfCodes) {
  const struct {
    std::int16_t code;
    const char* name;
  } cases[] = {{0, "unknown"}, {1, "attacker"}, {2, "defender"}, {3, "middlefield"},
               {4, "goalie"},  {5, "unknown"},  {-1, "unknown"}};
  for (const auto& c : cases) EXPECT_EQ(roleName(c.code), c.name) << "code " << c.code;
}

TEST(ZoneRole, TableOfZones) {
  const struct {
    double x;
    int side;
    std::int16_t expected;
  } cases[] = {{-17, 1, 3},   {17, -1, 3},   {-17.5, 1, 2}, {-17.5, -1, 1}, {17.5, 1, 1},
               {17.5, -1, 2}, {-17.5, 0, 1}, {17.5, 0, 1},  {0, 1, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(zoneRole(c.x, c.side), c.expected) << "x " << c.x << ", side " << c.side;
  }
}

// Puts the team's players, given in x order, into the input in a scrambled order, so that the
// mapping from sorted positions back to uniform-number indices is exercised.
class ClassifyRolesTest : public testing::Test {
 protected:
  static constexpr int kOrder[11] = {6, 2, 9, 0, 4, 10, 1, 8, 3, 7, 5};  // input index per position

  // xs in ascending order; ys (all 0 when empty) across the field for the same positions.
  std::vector<std::int16_t> rolesBySortedPosition(const std::vector<double>& xs,
                                                  const std::vector<double>& ys = {}) {
    Point team[11];
    for (int k = 0; k < 11; ++k) team[kOrder[k]] = Point{xs[k], ys.empty() ? 0 : ys[k]};
    auto roles = classifyRoles(team);
    std::vector<std::int16_t> result;
    for (int k = 0; k < 11; ++k) result.push_back(roles[kOrder[k]]);
    return result;
  }
};

TEST_F(ClassifyRolesTest, EqualGaps) {
  // p1 = 1 and p2 = 2; the wide gap behind the goalie is not considered.
  auto roles = rolesBySortedPosition({-50, -40, -35, -30, -25, -20, -15, -10, -5, 0, 5});
  EXPECT_EQ(roles, (std::vector<std::int16_t>{4, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(ClassifyRolesTest, GrowingGaps) {
  // Every gap replaces the largest, p2 stays -1; after the swap p1 = -1 and p2 = 9.
  auto roles = rolesBySortedPosition({-50, -40, -39, -37, -34, -30, -25, -19, -12, -4, 5});
  EXPECT_EQ(roles, (std::vector<std::int16_t>{4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}));
}

TEST_F(ClassifyRolesTest, ReplacedLargestGapIsDroppedNotDemoted) {
  // Gaps 1, 1, 1, 21, 1, 1, 1, 23, 1: the 21 is dropped when 23 arrives, so the second gap kept is
  // the early 1 at position 2 and only two players count as defenders.
  auto roles = rolesBySortedPosition({-50, -36, -35, -34, -33, -12, -11, -10, -9, 14, 15});
  EXPECT_EQ(roles, (std::vector<std::int16_t>{4, 2, 2, 3, 3, 3, 3, 3, 3, 1, 1}));
}

TEST_F(ClassifyRolesTest, GapsAreDistancesNotXDifferences) {
  // Equal steps in x, but position 5 stands 20 m aside: the gaps on both sides of it (about 20.6
  // each) are the wide ones, p1 = 4 and p2 = 5.
  auto roles = rolesBySortedPosition({-50, -40, -35, -30, -25, -20, -15, -10, -5, 0, 5},
                                     {0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0});
  EXPECT_EQ(roles, (std::vector<std::int16_t>{4, 2, 2, 2, 2, 3, 1, 1, 1, 1, 1}));
}

TEST(ClassifyRoles, CoincidingPointLeavesLaterIndexUnknown) {
  Point team[11];
  for (int i = 0; i < 11; ++i) team[i] = Point{-50.0 + 5 * i, 0};
  team[7] = team[3];  // numbers 4 and 8 stand on the same spot
  auto roles = classifyRoles(team);
  EXPECT_EQ(roles[7], ROLE_UNKNOWN);
  EXPECT_EQ(roleName(roles[7]), "unknown");
  EXPECT_NE(roles[3], ROLE_UNKNOWN);
  EXPECT_EQ(roles[0], ROLE_GOALIE);
}

TEST(RearmostPlayer, TableOfTeams) {
  const struct {
    const char* name;
    std::vector<double> xs;
    int side;
    int expected;
  } cases[] = {
      {"left team", {-10, -48, 5, -30, -48, 0, 20, -1, -2, -3, -4}, 1, 1},
      {"right team", {10, 48, -5, 30, 49, 0, -20, 1, 2, 3, 4}, -1, 4},
      {"left team, none in own half", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, -1},
      {"right team, none in own half", {0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10}, -1, -1},
  };
  for (const auto& c : cases) {
    Point team[11];
    for (int i = 0; i < 11; ++i) team[i] = Point{c.xs[i], 3};
    EXPECT_EQ(rearmostPlayer(team, c.side), c.expected) << c.name;
  }
}

}  // namespace
