// Per-kind message quota per window of cycles during play_on (see message_windows.h).
#include "sim/message_windows.h"

namespace {

bool limitedKind(ClangMessageKind kind) {
  return kind == ClangMessageKind::Info || kind == ClangMessageKind::Advice ||
         kind == ClangMessageKind::Define || kind == ClangMessageKind::Meta;
}

}  // namespace

MessageWindows::MessageWindows(int windowCycles, int perWindow)
    : windowCycles_(windowCycles < 1 ? 1 : windowCycles), perWindow_(perWindow) {}

long MessageWindows::windowOf(int cycle) const {
  // Floor division, so a negative cycle still falls into a window of its own.
  long c = cycle;
  return c >= 0 ? c / windowCycles_ : -((-c + windowCycles_ - 1) / windowCycles_);
}

bool MessageWindows::admit(ClangMessageKind kind, int cycle, bool playOn) {
  if (!playOn || !limitedKind(kind)) return true;
  Count& count = counts_[kind];
  long window = windowOf(cycle);
  if (count.window != window) {
    count.window = window;
    count.used = 0;
  }
  if (count.used >= perWindow_) return false;
  ++count.used;
  return true;
}

int MessageWindows::usedInWindow(ClangMessageKind kind, int cycle) const {
  auto found = counts_.find(kind);
  if (found == counts_.end() || found->second.window != windowOf(cycle)) return 0;
  return found->second.used;
}
