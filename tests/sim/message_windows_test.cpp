// Tests of the per-kind message quota: one message of each limited kind per window during
// play_on, window boundaries, kinds apart, play modes other than play_on free.
#include "sim/message_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Send {
  ClangMessageKind kind;
  int cycle;
  bool playOn;
  bool admitted;
};

void expectSends(MessageWindows& windows, const std::vector<Send>& sends) {
  int step = 0;
  for (const Send& s : sends) {
    EXPECT_EQ(windows.admit(s.kind, s.cycle, s.playOn), s.admitted)
        << "step " << step << ": " << messageKindName(s.kind) << " at " << s.cycle;
    ++step;
  }
}

TEST(MessageWindows, OnePerKindAndWindowDuringPlayOn) {
  for (ClangMessageKind kind : {ClangMessageKind::Info, ClangMessageKind::Advice,
                                ClangMessageKind::Define, ClangMessageKind::Meta}) {
    SCOPED_TRACE(messageKindName(kind));
    MessageWindows windows(300);
    expectSends(windows, {{kind, 0, true, true},
                          {kind, 1, true, false},
                          {kind, 299, true, false},
                          {kind, 300, true, true},
                          {kind, 599, true, false},
                          {kind, 600, true, true},
                          {kind, 1500, true, true}});
    EXPECT_EQ(windows.usedInWindow(kind, 1500), 1);
    EXPECT_EQ(windows.usedInWindow(kind, 1800), 0);
  }
}

TEST(MessageWindows, KindsHaveTheirOwnQuota) {
  MessageWindows windows(300);
  expectSends(windows, {{ClangMessageKind::Info, 316, true, true},
                        {ClangMessageKind::Advice, 316, true, true},
                        {ClangMessageKind::Define, 317, true, true},
                        {ClangMessageKind::Meta, 318, true, true},
                        {ClangMessageKind::Info, 400, true, false},
                        {ClangMessageKind::Advice, 599, true, false},
                        {ClangMessageKind::Advice, 617, true, true},
                        {ClangMessageKind::Info, 617, true, true}});
}

TEST(MessageWindows, OutsidePlayOnNothingCounts) {
  MessageWindows windows(300);
  expectSends(windows, {{ClangMessageKind::Info, 10, false, true},
                        {ClangMessageKind::Info, 11, false, true},
                        {ClangMessageKind::Info, 12, false, true},
                        {ClangMessageKind::Info, 20, true, true},
                        {ClangMessageKind::Info, 30, false, true},
                        {ClangMessageKind::Info, 40, true, false}});
  EXPECT_EQ(windows.usedInWindow(ClangMessageKind::Info, 40), 1);
}

TEST(MessageWindows, FreeformAndRefusalsUseNoQuota) {
  MessageWindows windows(100);
  expectSends(windows, {{ClangMessageKind::Freeform, 5, true, true},
                        {ClangMessageKind::Freeform, 6, true, true},
                        {ClangMessageKind::Advice, 7, true, true},
                        {ClangMessageKind::Advice, 8, true, false},
                        {ClangMessageKind::Advice, 9, true, false}});
  EXPECT_EQ(windows.usedInWindow(ClangMessageKind::Advice, 50), 1);
  EXPECT_EQ(windows.usedInWindow(ClangMessageKind::Freeform, 50), 0);
}

TEST(MessageWindows, WindowSizeAndQuotaSettings) {
  MessageWindows small(1);
  expectSends(small, {{ClangMessageKind::Info, 7, true, true},
                      {ClangMessageKind::Info, 7, true, false},
                      {ClangMessageKind::Info, 8, true, true}});
  MessageWindows zero(0);  // taken as 1
  EXPECT_EQ(zero.windowCycles(), 1);
  MessageWindows two(50, 2);
  expectSends(two, {{ClangMessageKind::Meta, 50, true, true},
                    {ClangMessageKind::Meta, 60, true, true},
                    {ClangMessageKind::Meta, 99, true, false},
                    {ClangMessageKind::Meta, 100, true, true}});
}

}  // namespace
