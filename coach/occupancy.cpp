// Occupancy grids, player regions, their quadrangles and the opponent-positions
// rule.
#include "coach/occupancy.h"

#include <iostream>
#include <utility>
#include <vector>

#include "coach/advice_records.h"
#include "coach/intake_records.h"
#include "coach/referee.h"
#include "coach/server_params.h"
#include "coach_language/cm_act_position.h"
#include "coach_language/cm_cond_ball_owner.h"
#include "coach_language/cm_dir_command.h"
#include "coach_language/cm_tok_rule.h"
#include "coach_language/player_set.h"
#include "coach_language/reg_point_simple.h"
#include "coach_language/reg_quad.h"
#include "geometry/field_sections.h"
#include "state/cycle_state.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

bool admits(const CycleState& state, int side, int slot, int filter) {
  switch (filter) {
    case ANY:
      return true;
    case OWN_BALL:
      return state.possessionSide == side;
    case OTHER_BALL:
      return state.possessionSide != side && state.possessionSide != 0;
    case HAS_BALL:
      return state.owner == slot;
    default:
      return false;
  }
}

// Rectangle of the sections xStart..xEnd by yStart..yEnd with its grid sum.
std::unique_ptr<regionOfSections> windowOf(int xStart, int yStart, int xEnd, int yEnd,
                                           const RectGrid& grid) {
  return boundingRegion({xStart, yStart, xEnd, yEnd}, grid);
}

}  // namespace

std::unique_ptr<RectGrid> occupancyGrid(const CycleState* state, int number, int side,
                                        std::int16_t window, int filter) {
  auto grid = std::make_unique<RectGrid>();
  int samples = 0;
  const int slot = slotOf(side, number);
  if (slot < 0 || slot > 21) return grid;
  int walked = 0;
  for (const CycleState* s = state; s != nullptr && walked < window; s = s->previous, ++walked) {
    if (s->playMode == GOAL_L || s->playMode == GOAL_R) continue;
    const PlayerState& p = s->players[slot];
    if (!onField(p.x, p.y)) continue;
    int xIndex = -1;
    int yIndex = -1;
    if (!findSection(p.x, p.y, xIndex, yIndex)) continue;
    if (!admits(*s, side, slot, filter)) continue;
    grid->incSection(xIndex, yIndex);
    ++samples;
  }
  if (samples > 0) {
    for (int i = 0; i < NUM_SECTIONS_X; ++i) {
      for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
        const double share = static_cast<double>(grid->getSection(i, j)) / samples * 100 + 0.5;
        grid->setSection(i, j, static_cast<int>(share));
      }
    }
  }
  return grid;
}

std::unique_ptr<regionOfSections> playerRegion(const CycleState* state, int number, int side,
                                               std::int16_t window, int filter) {
  const std::unique_ptr<RectGrid> grid = occupancyGrid(state, number, side, window, filter);
  std::vector<int> frequent;
  for (int i = 0; i < NUM_SECTIONS_X; ++i) {
    for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
      const int value = grid->getSection(i, j);
      if (value > 70) {
        return std::make_unique<regionOfSections>(regionOfSections{j, i, j, i, value});
      }
      if (value > 30) {
        frequent.push_back(i);
        frequent.push_back(j);
      }
    }
  }
  if (frequent.size() >= 4) return boundingRegion(frequent, *grid);

  // Too few frequent sections: search the densest small window inside the box
  // of every visited section.
  for (int i = 0; i < NUM_SECTIONS_X; ++i) {
    for (int j = 0; j < NUM_SECTIONS_Y; ++j) {
      if (grid->getSection(i, j) > 0) {
        frequent.push_back(i);
        frequent.push_back(j);
      }
    }
  }
  const std::unique_ptr<regionOfSections> box = boundingRegion(frequent, *grid);
  std::unique_ptr<regionOfSections> best;
  int bestSum = 0;
  for (int k = 0; k <= 1; ++k) {
    for (int l = 0; l <= 1; ++l) {
      for (int xs = box->xMin; xs + k <= box->xMax; ++xs) {
        for (int ys = box->yMin; ys + l <= box->yMax; ++ys) {
          std::unique_ptr<regionOfSections> w = windowOf(xs, ys, xs + k, ys + l, *grid);
          if (w->sum >= bestSum) {
            bestSum = w->sum;
            best = std::move(w);
          }
        }
      }
    }
  }
  if (!best) return std::make_unique<regionOfSections>(regionOfSections{7, 11, 0, 0, 0});
  return best;
}

std::unique_ptr<RegQuad> regionToQuad(const regionOfSections* region) {
  if (region == nullptr) return nullptr;
  const double s = ownSide == -1 ? -1 : 1;
  std::unique_ptr<RegPoint> corners[4];
  for (std::int16_t k = 0; k < 4; ++k) {
    const Point p = getXY(*region, k);
    corners[k] =
        std::make_unique<RegPointSimple>(static_cast<float>(s * p.x), static_cast<float>(s * p.y));
  }
  return std::make_unique<RegQuad>(std::move(corners[0]), std::move(corners[1]),
                                   std::move(corners[2]), std::move(corners[3]));
}

std::unique_ptr<CM_TokRule> buildCopsRule(bool opponentHasBall) {
  copsToggle = !copsToggle;
  if (!copsToggle) return nullptr;
  const StateHistory& history = stateHistory();
  if (history.empty() || !serverParams) return nullptr;
  const int filter = opponentHasBall ? OWN_BALL : OTHER_BALL;
  const CycleState* latest = history.back().get();

  DirectiveList directives;
  for (int n = 1; n <= 11; ++n) {
    const std::unique_ptr<regionOfSections> region = playerRegion(latest, n, -ownSide, 500, filter);
    std::unique_ptr<RegQuad> quad = regionToQuad(region.get());
    if (!quad) continue;
    PlayerSet players(11);
    players.add(n);
    directives.push_back(std::make_unique<CM_DirCommand>(
        true, false, players, std::make_unique<CM_ActPosition>(std::move(quad))));
  }
  if (directives.empty()) return nullptr;
  PlayerSet all(11);
  all.add(0);
  auto rule = std::make_unique<CM_TokRule>(
      serverParams->adviceInterval, std::make_unique<CM_CondBallOwner>(!opponentHasBall, all),
      std::move(directives));
  if (verbose) rule->printPretty(std::cout, "COPS: ");
  return rule;
}
