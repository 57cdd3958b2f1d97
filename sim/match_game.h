// A generated match: two teams with learnable habits, ball physics, kicks, a referee with the
// play modes of the real server, half time, the end of the game and extra time.
#pragma once

#include <string>
#include <vector>

#include "sim/game_source.h"
#include "sim/line_file.h"
#include "sim/match_world.h"
#include "sim/random_source.h"
#include "sim/sim_options.h"
#include "sim/team_habits.h"

class MatchGame : public GameSource {
 public:
  // Borrows options, which must outlive the game. The truth file (--truth) is written when the
  // game begins and completed as it goes.
  explicit MatchGame(const SimOptions& options);

  void begin(const std::string& leftName, const std::string& rightName) override;
  void step(GameOutput& out) override;
  bool finished() const override { return phase_ == Phase::Over; }
  int cycle() const override { return time_; }
  bool playOn() const override { return phase_ == Phase::PlayOn; }
  // A start only counts while the game waits before a kick-off.
  void trainerStart() override { startRequested_ = phase_ == Phase::BeforeKickOff; }

  int goals(int side) const { return score_[side]; }
  const TeamHabits& habits(int side) const { return habits_[side]; }
  const World& world() const { return world_; }

 private:
  enum class Phase { Waiting, BeforeKickOff, SetPlay, PlayOn, GoalPause, Over };

  void announce(const std::string& text);
  // Starts phase with its cycle counts at 0.
  void enterPhase(Phase phase);
  // Moves every player a step towards his target at speed; standCycles_ counts the cycles in
  // a row in which every one of them ends within 1 mm of it.
  void walkToTargets(double speed);
  void beginBeforeKickOff();
  void stepBeforeKickOff(GameOutput& out);
  // Draws every player's spot for set-play mode: his fixed spot plus noise below 0.8 m.
  void chooseTargets(int mode);
  // Starts set-play mode with the ball at ball, taken by the player in slot taker; the players
  // keep the spots chosen before unless newTargets.
  void beginSetPlay(int mode, Spot ball, int taker, bool newTargets = true);
  void stepSetPlay();
  void stepPlayOn();
  void stepGoalPause();
  void checkClock();
  // Referee decisions when the ball has left the field; true when it did.
  bool checkBallOut();
  void moveInPlay();
  void resolveKicks();
  // The player in slot decides on a kick: shot, pass or dribble.
  void kickBy(int slot);
  void passBy(int slot, bool longBall);
  bool insideOwnPenaltyArea(int side, double x, double y) const;
  int nearestFieldPlayer(int side, Spot spot) const;
  // Cycles until player slot can reach the moving ball, and where.
  int interceptTime(int slot, Spot& where) const;
  void writeTruth();

  const SimOptions& options_;
  RandomSource random_;
  World world_;
  TeamHabits habits_[2];
  std::string names_[2];
  LineFile truth_;
  std::vector<std::string> hears_;  // announcements of the current cycle
  Phase phase_ = Phase::Waiting;
  int time_ = 0;
  int phaseCycles_ = 0;  // cycles spent in the current phase
  int standCycles_ = 0;  // cycles all players have stood at their set-play spots
  int setPlayMode_ = 0;
  int taker_ = -1;
  Spot targets_[2 * TEAM_SIZE];
  int possession_ = 0;         // side (0, 1) of the team that touched the ball last
  bool lastKickFast_ = false;  // the last kick was a shot or a long ball: goalkeepers catch those
  int score_[2] = {0, 0};
  int kickOffSide_ = 0;  // side taking the next kick-off
  bool halfDone_ = false;
  bool extended_ = false;
  bool startRequested_ = false;
  bool secondStart_ = false;  // this before-kick-off waits for a restart after a pause
  int endTime_ = 0;
};
