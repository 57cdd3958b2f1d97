// Signal-driven receive: the SIGIO handler reads and dispatches every waiting
// datagram, the SIGALRM handler counts alarms between two I/O signals. SIGIO
// stays blocked in the main flow and is let through only inside the wait, so
// message intake never interrupts the main flow's own work.
#pragma once

#include <signal.h>

// Called once for every datagram received, with its text in receiveBuffer.
using MessageDispatcher = void (*)();

// Alarms handled since the last I/O signal.
extern volatile sig_atomic_t alarmCount;

// Installs the SIGALRM and SIGIO handlers (the latter passing each datagram to
// dispatcher) and returns the wait mask: the current mask without SIGIO. SIGIO
// itself stays blocked; datagrams that arrived meanwhile are dispatched in the
// first wait_for_signal.
sigset_t install_signal_handlers(MessageDispatcher dispatcher);

// Sleeps with the wait mask until a signal has been handled; always true.
bool wait_for_signal(const sigset_t& mask);
