// Loopback UDP socket of the stand-in server.
#include "sim/udp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

UdpSocket::~UdpSocket() {
  if (fd_ >= 0) close(fd_);
}

bool UdpSocket::open(int port) {
  fd_ = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd_ < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int flags = fcntl(fd_, F_GETFL, 0);
  // A larger send buffer keeps bursts of views from being dropped locally.
  int size = 1 << 20;
  setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
  if (flags < 0 || fcntl(fd_, F_SETFL, flags | O_NONBLOCK) < 0 ||
      bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0) {
    close(fd_);
    fd_ = -1;
    return false;
  }
  return true;
}

int UdpSocket::localPort() const {
  if (fd_ < 0) return 0;
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) < 0) return 0;
  return ntohs(address.sin_port);
}

bool UdpSocket::sendTo(const sockaddr_in& to, const std::string& text) const {
  for (;;) {
    ssize_t sent =
        sendto(fd_, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent < 0 && errno == EINTR) continue;
    return sent == static_cast<ssize_t>(text.size());
  }
}

int UdpSocket::receive(std::string& text, sockaddr_in& from) const {
  static std::vector<char> buffer(65536);
  for (;;) {
    socklen_t length = sizeof from;
    ssize_t got =
        recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    text.assign(buffer.data(), static_cast<size_t>(got));
    return 1;
  }
}

bool sameAddress(const sockaddr_in& a, const sockaddr_in& b) {
  return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}
