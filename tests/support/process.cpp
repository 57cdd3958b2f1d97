// Process, port and file helpers of the end-to-end tests.
#include "tests/support/process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace test_support {

std::unique_ptr<ChildProcess> ChildProcess::start(const std::string& program,
                                                  const std::vector<std::string>& args,
                                                  const std::string& stdoutFile,
                                                  const std::string& stderrFile) {
  int out = ::open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  int err = ::open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (out < 0 || err < 0 || in < 0) {
    if (out >= 0) ::close(out);
    if (err >= 0) ::close(err);
    if (in >= 0) ::close(in);
    return nullptr;
  }
  std::vector<std::string> argStore;
  argStore.push_back(program);
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid == 0) {
    // Child: a clean signal state, the files as its streams.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out);
  ::close(err);
  ::close(in);
  if (pid < 0) return nullptr;
  return std::unique_ptr<ChildProcess>(new ChildProcess(pid));
}

ChildProcess::~ChildProcess() {
  if (!ended_) kill();
}

bool ChildProcess::waitFor(std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!ended_) {
    int status = 0;
    pid_t r = ::waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
      ended_ = true;
      status_ = status;
      break;
    }
    if (r < 0) {
      ended_ = true;
      status_ = -1;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool ChildProcess::running() {
  return !waitFor(std::chrono::milliseconds(0));
}

bool ChildProcess::signal(int sig) {
  if (!running()) return false;
  return ::kill(pid_, sig) == 0;
}

void ChildProcess::kill() {
  if (ended_) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  if (::waitpid(pid_, &status, 0) == pid_) status_ = status;
  ended_ = true;
}

int ChildProcess::exitStatus() const {
  if (!ended_ || status_ == -1 || !WIFEXITED(status_)) return -1;
  return WEXITSTATUS(status_);
}

int ChildProcess::termSignal() const {
  if (!ended_ || status_ == -1 || !WIFSIGNALED(status_)) return 0;
  return WTERMSIG(status_);
}

int freeUdpPort() {
  int s = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (s < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int port = -1;
  socklen_t length = sizeof address;
  if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(s);
  return port;
}

void freeUdpPortPair(int& first, int& second) {
  first = freeUdpPort();
  do second = freeUdpPort();
  while (first > 0 && second == first);
  if (first <= 0 || second <= 0) first = second = -1;
}

bool udpPortTaken(int port) {
  int s = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (s < 0) return true;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  bool taken = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0;
  ::close(s);
  return taken;
}

TempDir::TempDir() {
  char pattern[] = "/tmp/touchliner-test-XXXXXX";
  if (char* made = ::mkdtemp(pattern)) path_ = made;
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace test_support
