// Condition: the game is in a given play mode (an index into playModeNames).
#pragma once

#include <ostream>
#include <string>

#include "coach_language/cm_condition.h"
#include "coach_language/wire_format.h"  // playModeNames, the names this condition prints

class CM_CondPlayMode : public CM_Condition {
 public:
  // `playMode` must be one of 0 to 17 (see playModeNames).
  explicit CM_CondPlayMode(int playMode);
  ~CM_CondPlayMode() override = default;

  // "(playm NAME)"
  std::ostream& print(std::ostream& out) const override;
  // header "is play mode 'NAME'" and a line end.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 5
  int getType() const override;
  // Always true.
  bool evaluate() const override;

  int getPlayMode() const { return playMode; }

 private:
  int playMode;
};
