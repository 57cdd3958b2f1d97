// Wire-format facts shared by the coach-language printers: the play-mode
// names of the "(playm ...)" condition and the words for a team side. The
// server and the players parse these texts, so they must not change.
#pragma once

// Number of coach-language play modes; valid indices are 0 to 17.
inline constexpr int PLAY_MODE_NAME_COUNT = 18;

// Coach-language play-mode names, indexed by the `playMode` of a play-mode
// condition. Index 0 is the empty name (no play mode).
inline constexpr const char* playModeNames[PLAY_MODE_NAME_COUNT] = {
    "",           // 0: no play mode
    "bko",        // 1: before kick-off
    "time_over",  // 2: time over
    "play_on",    // 3: play on
    "ko_our",     // 4: kick-off, own team
    "ko_opp",     // 5: kick-off, opponent
    "ki_our",     // 6: kick-in, own team
    "ki_opp",     // 7: kick-in, opponent
    "fk_our",     // 8: free kick, own team
    "fk_opp",     // 9: free kick, opponent
    "ck_our",     // 10: corner kick, own team
    "ck_opp",     // 11: corner kick, opponent
    "gk_our",     // 12: goal kick, own team
    "gk_opp",     // 13: goal kick, opponent
    "gc_our",     // 14: goalie catch, own team
    "gc_opp",     // 15: goalie catch, opponent
    "ag_our",     // 16: after goal, own team
    "ag_opp",     // 17: after goal, opponent
};

// Side word of the protocol form: "our" for the own team, "opp" for the opponent.
inline constexpr const char* sideKeyword(bool ourSide) {
  return ourSide ? "our" : "opp";
}

// Side words of the readable form: "our team" or "opponent".
inline constexpr const char* sideTitle(bool ourSide) {
  return ourSide ? "our team" : "opponent";
}

// Written by the readable forms in place of a held object that is missing.
inline constexpr const char* MISSING_OBJECT_TEXT = "NULL";

// The name of play mode `playMode`, or the empty name when it lies outside 0 to 17.
inline constexpr const char* playModeName(int playMode) {
  return playMode >= 0 && playMode < PLAY_MODE_NAME_COUNT ? playModeNames[playMode] : "";
}
