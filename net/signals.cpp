// SIGIO and SIGALRM handling of the coach.
#include "net/signals.h"

#include <unistd.h>

#include "net/communication.h"

volatile sig_atomic_t alarmCount = 0;

namespace {

MessageDispatcher messageDispatcher = nullptr;

// Reads and dispatches every waiting datagram in arrival order. An empty
// datagram does not end the reading when more are queued behind it: their
// signals were merged into this one, so they would otherwise wait for the next.
void ioHandler(int) {
  for (;;) {
    int received = receive_message();
    if (received == 1) {
      if (messageDispatcher != nullptr) messageDispatcher();
    } else if (received != 0 || !datagram_waiting()) {
      break;
    }
  }
  alarmCount = 0;
}

void alarmHandler(int) {
  alarmCount = alarmCount + 1;
  if (alarmCount > 10) {
    static const char warning[] = "Too many alarms between ios from server. Should I Shut down?\n";
    ssize_t ignored = ::write(2, warning, sizeof warning - 1);
    (void)ignored;
  }
}

}  // namespace

sigset_t install_signal_handlers(MessageDispatcher dispatcher) {
  messageDispatcher = dispatcher;
  sigset_t ioSet;
  sigemptyset(&ioSet);
  sigaddset(&ioSet, SIGIO);

  struct sigaction alarmAction {};
  alarmAction.sa_handler = alarmHandler;
  alarmAction.sa_mask = ioSet;
  alarmAction.sa_flags = 0;
  sigaction(SIGALRM, &alarmAction, nullptr);

  struct sigaction ioAction {};
  ioAction.sa_handler = ioHandler;
  sigemptyset(&ioAction.sa_mask);
  ioAction.sa_flags = 0;
  sigaction(SIGIO, &ioAction, nullptr);

  // SIGIO stays blocked in the main flow; only the wait lets it through.
  sigset_t current;
  sigprocmask(SIG_BLOCK, &ioSet, &current);
  sigset_t waitMask = current;
  sigdelset(&waitMask, SIGIO);
  return waitMask;
}

bool wait_for_signal(const sigset_t& mask) {
  sigsuspend(&mask);
  return true;
}
