// Parsed form of a coach-language message as the stand-in server reads it: plain records
// that tests and the demo walk (message -> rules -> condition, directives -> action -> region).
#pragma once

#include <memory>
#include <string>
#include <vector>

// Kind of a coach-language message; Unknown when the text did not get as far as a kind.
enum class ClangMessageKind { Info, Advice, Define, Meta, Freeform, Unknown };

// Lower-case name of a message kind: "info", "advice", "define", "meta", "freeform", "unknown".
const char* messageKindName(ClangMessageKind kind);

// A set of player numbers as written between braces; {0} stands for the whole team.
struct ClangPlayerSet {
  std::vector<int> numbers;  // as written: ascending, or the single number 0

  // True when the set names the whole team ({0}).
  bool wholeTeam() const;
  // True when player `number` (1 to 11) is in the set, also through {0}.
  bool contains(int number) const;
};

enum class ClangRegionKind { Point, RelativePoint, Quad, Arc, Union };

// A region: "(pt x y)", "(pt dx dy origin)", "(quad p p p p)", "(arc center r0 r1 a0 span)",
// "(reg r ...)".
struct ClangRegion {
  ClangRegionKind kind = ClangRegionKind::Point;
  double x = 0;  // Point: coordinate; RelativePoint: offset dx
  double y = 0;  // Point: coordinate; RelativePoint: offset dy
  // RelativePoint: the origin (one); Quad: the four corners in order; Arc: the centre (one);
  // Union: the members in order. Empty for a simple point.
  std::vector<std::unique_ptr<ClangRegion>> parts;
  double startRadius = 0, endRadius = 0, startAngle = 0, spanAngle = 0;  // Arc only
};

enum class ClangActionKind { Position, Mark, OffsidesLine };

// An action: "(pos region)", "(mark players)", "(oline region)".
struct ClangAction {
  ClangActionKind kind = ClangActionKind::Position;
  std::unique_ptr<ClangRegion> region;  // Position and OffsidesLine
  ClangPlayerSet players;               // Mark: the opponents to mark
};

enum class ClangConditionKind { PlayerPosition, BallOwner, PlayMode, And, Or };

// A condition: "(ppos our|opp players min max region)", "(bowner our|opp players)",
// "(playm name)", "(and c ...)", "(or c ...)".
struct ClangCondition {
  ClangConditionKind kind = ClangConditionKind::PlayMode;
  bool ourSide = false;                 // PlayerPosition, BallOwner
  ClangPlayerSet players;               // PlayerPosition, BallOwner
  int minMatch = 0, maxMatch = 0;       // PlayerPosition
  std::unique_ptr<ClangRegion> region;  // PlayerPosition
  int playMode = 0;                     // PlayMode: index 0 to 17 of the play-mode names
  std::string playModeName;             // PlayMode: the name as written ("" for index 0)
  std::vector<std::unique_ptr<ClangCondition>> conditions;  // And, Or
};

// A directive: "(do|dont our|opp players action)".
struct ClangDirective {
  bool positive = true;  // "do"
  bool ourSide = true;   // "our"
  ClangPlayerSet players;
  std::unique_ptr<ClangAction> action;
};

// A rule: "(ttl condition directive ...)".
struct ClangRule {
  int ttl = 0;
  std::unique_ptr<ClangCondition> condition;
  std::vector<std::unique_ptr<ClangDirective>> directives;
};

// A whole message. Info and advice messages hold rules; meta and define messages are empty in
// this language; a freeform message holds its text.
struct ClangMessage {
  ClangMessageKind kind = ClangMessageKind::Unknown;
  std::vector<std::unique_ptr<ClangRule>> rules;
  std::string freeformText;
};

// Name of play mode index 0 to 17 ("" for 0, "bko", ..., "ag_opp"); empty pointer outside.
const char* clangPlayModeName(int index);
// Index of a coach-language play-mode name, -1 for a name not in the table.
int clangPlayModeIndex(const std::string& name);
