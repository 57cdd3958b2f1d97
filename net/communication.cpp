// The UDP link to the server: opening, sending from sendBuffer, receiving into
// receiveBuffer and the handshake wait.
#include "net/communication.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "coach_language/cm_message.h"
#include "state/settings.h"

ServerLink serverLink;
char sendBuffer[SEND_BUFFER_SIZE];
char receiveBuffer[RECEIVE_BUFFER_SIZE];

namespace {

// The IPv4 address of host: resolved by name, else read as a dotted address;
// neither ends the process with status 255.
in_addr resolveHost(const char* host) {
  in_addr address{};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) == 0 && found != nullptr) {
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return address;
  }
  if (inet_aton(host, &address) == 0) std::exit(255);
  return address;
}

// Opens the socket; -1 when it cannot be created, owned, made asynchronous or bound.
int openSocket() {
  int s = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (s < 0) return -1;
  int flags = -1;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = 0;
  if (fcntl(s, F_SETOWN, getpid()) < 0 || (flags = fcntl(s, F_GETFL)) < 0 ||
      fcntl(s, F_SETFL, flags | O_NONBLOCK | O_ASYNC) < 0 ||
      ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) < 0) {
    ::close(s);
    return -1;
  }
  return s;
}

}  // namespace

ServerLink open_server_link(const char* host, int port) {
  ServerLink link;
  in_addr address = resolveHost(host);

  sigset_t ioSet;
  sigemptyset(&ioSet);
  sigaddset(&ioSet, SIGIO);
  sigprocmask(SIG_BLOCK, &ioSet, nullptr);

  link.socket = openSocket();
  if (link.socket < 0) return link;
  link.serverAddress.sin_family = AF_INET;
  link.serverAddress.sin_addr = address;
  link.serverAddress.sin_port = htons(static_cast<uint16_t>(port & 0xffff));
  return link;
}

int send_message() {
  size_t length = strnlen(sendBuffer, SEND_BUFFER_SIZE);
  if (length >= static_cast<size_t>(SEND_BUFFER_SIZE)) {
    std::cerr << "Warning, message of " << length << " characters does not fit the send buffer."
              << std::endl;
    return -1;
  }
  if (verbose) std::cout << "Sending: " << sendBuffer << std::endl;
  ssize_t sent =
      ::sendto(serverLink.socket, sendBuffer, length, 0,
               reinterpret_cast<const sockaddr*>(&serverLink.serverAddress), sizeof(sockaddr_in));
  return sent == static_cast<ssize_t>(length) ? 0 : -1;
}

int send_message(std::string_view text) {
  if (text.size() > static_cast<size_t>(SEND_BUFFER_SIZE - 1)) {
    std::cerr << "Warning, message of " << text.size()
              << " characters does not fit the send buffer." << std::endl;
    return -1;
  }
  std::memcpy(sendBuffer, text.data(), text.size());
  sendBuffer[text.size()] = '\0';
  return send_message();
}

int receive_message() {
  for (;;) {
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    // MSG_TRUNC makes the result the datagram's real length, so an oversized
    // one is recognised although only the buffer's size was copied.
    ssize_t n = ::recvfrom(serverLink.socket, receiveBuffer, RECEIVE_BUFFER_SIZE, MSG_TRUNC,
                           reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        receiveBuffer[0] = '\0';
        return 0;
      }
      return -1;
    }
    if (from.sin_addr.s_addr != serverLink.serverAddress.sin_addr.s_addr) {
      receiveBuffer[0] = '\0';
      char dotted[INET_ADDRSTRLEN] = "";
      inet_ntop(AF_INET, &from.sin_addr, dotted, sizeof dotted);
      std::cerr << "Warning, ignored a datagram from " << dotted << "." << std::endl;
      continue;
    }
    if (n >= RECEIVE_BUFFER_SIZE) {
      receiveBuffer[0] = '\0';
      std::cerr << "Warning, discarded an oversized datagram of " << n << " bytes." << std::endl;
      continue;
    }
    receiveBuffer[n] = '\0';
    serverLink.serverAddress.sin_port = from.sin_port;
    return n > 0 ? 1 : 0;
  }
}

bool datagram_waiting() {
  char probe;
  return ::recv(serverLink.socket, &probe, 1, MSG_PEEK | MSG_DONTWAIT) >= 0;
}

bool wait_for_message() {
  if (receive_message() == 1) return true;
  for (int attempt = 0; attempt < 40; ++attempt) {
    if (receive_message() == 1) return true;
    usleep(100000);
  }
  return false;
}

bool send_init(std::string_view team) {
  std::string text = "(init ";
  text.append(team);
  text.append(" (version 7.00))");
  return send_message(text) != -1;
}

int send_eye(bool on) {
  return send_message(on ? "(eye on)" : "(eye off)");
}

int send_ear(bool on) {
  return send_message(on ? "(ear on)" : "(ear off)");
}

bool send_cm_message(const CM_Message& message) {
  std::ostringstream text;
  message.print(text);
  if (send_message("(say " + text.str() + ")") == -1) {
    std::cerr << "CMMessage NOT sent." << std::flush;
    return false;
  }
  if (verbose) std::cout << "CMMessage sent." << std::flush;
  return true;
}

void close_server_link(int socket) {
  ::close(socket);
}
