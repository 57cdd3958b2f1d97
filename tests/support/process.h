// Helpers for end-to-end tests: start a program with its output captured to
// files, wait for it with a bound, signal it; free loopback UDP ports;
// temporary directories and file reading.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test_support {

// A program started by the test. The destructor kills it (SIGKILL) and reaps
// it if it is still running, so no test leaves a process behind.
class ChildProcess {
 public:
  // Starts program with args (argv[0] is program itself); its standard output
  // and standard error go to the two files (created or truncated), standard
  // input is /dev/null. Returns nullptr when the program cannot be started.
  static std::unique_ptr<ChildProcess> start(const std::string& program,
                                             const std::vector<std::string>& args,
                                             const std::string& stdoutFile,
                                             const std::string& stderrFile);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // Waits at most timeout for the program to end. True when it ended; then
  // exitStatus() or termSignal() tell how.
  bool waitFor(std::chrono::milliseconds timeout);
  // True while the program has not been seen to end.
  bool running();
  // Sends sig to the program (only while it runs). True when sent.
  bool signal(int sig);
  // SIGKILL and reap.
  void kill();
  // Exit status (0 to 255) if it exited normally, else -1.
  int exitStatus() const;
  // Signal that ended it, else 0.
  int termSignal() const;

 private:
  explicit ChildProcess(pid_t pid) : pid_(pid) {}
  pid_t pid_;
  bool ended_ = false;
  int status_ = 0;
};

// A UDP port on 127.0.0.1 that was free a moment ago (the system picked it).
int freeUdpPort();

// Two different free UDP ports on 127.0.0.1 (a coach and a trainer port); both
// are -1 when none could be had.
void freeUdpPortPair(int& first, int& second);

// Whether UDP port on 127.0.0.1 is bound by someone (binding to it fails); also
// true when no socket can be made.
bool udpPortTaken(int port);

// A fresh directory under /tmp, removed with its contents by the destructor.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // path()/name.
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Whole contents of a file; empty when it cannot be read.
std::string readFile(const std::string& path);
// Writes text to path (replacing it). True on success.
bool writeFile(const std::string& path, const std::string& text);
// The file's lines without their line ends.
std::vector<std::string> readLines(const std::string& path);

// Polls condition every 10 ms until it holds or timeout passes; its last result.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace test_support
