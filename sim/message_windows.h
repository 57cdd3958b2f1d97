// Per-kind quota of coach-language messages, the way the server limits a coach: during play_on
// at most one message of each kind info, advice, define and meta per window of N cycles.
#pragma once

#include <map>

#include "sim/clang_tree.h"

// Windows are fixed blocks of cycles: window k holds the cycles k*N to k*N+N-1. Messages sent
// outside play_on, and freeform messages, are always admitted and use no quota.
class MessageWindows {
 public:
  // `windowCycles` is N (values below 1 are taken as 1); `perWindow` the quota of each kind.
  explicit MessageWindows(int windowCycles = 300, int perWindow = 1);

  // Decides on a message of `kind` sent at `cycle` while the play mode is play_on
  // (`playOn`) or not. Returns true to admit it, false to refuse it; an admitted play_on message
  // of a limited kind uses up one of that kind's messages of the cycle's window. A refused
  // message uses nothing.
  bool admit(ClangMessageKind kind, int cycle, bool playOn);

  // Messages of `kind` admitted so far in the window that holds `cycle`.
  int usedInWindow(ClangMessageKind kind, int cycle) const;

  int windowCycles() const { return windowCycles_; }

 private:
  long windowOf(int cycle) const;

  int windowCycles_;
  int perWindow_;
  // Per kind: the window last counted and how many messages it admitted.
  struct Count {
    long window = -1;
    int used = 0;
  };
  std::map<ClangMessageKind, Count> counts_;
};
