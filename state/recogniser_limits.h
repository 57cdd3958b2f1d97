// Limits shared by the event recognisers: how far they look back and the play
// mode in which pass and shot marks are written.
#pragma once

// Every walk along previous links visits at most this many states (counts 0 to 39).
constexpr int LOOK_BACK = 40;
// Play mode number of play_on.
constexpr int PLAY_ON = 3;
