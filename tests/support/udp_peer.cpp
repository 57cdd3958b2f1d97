// Loopback UDP socket of the tests.
#include "tests/support/udp_peer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace test_support {

UdpPeer::UdpPeer(int port, const std::string& address) {
  socket_ = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (socket_ < 0) return;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(static_cast<uint16_t>(port));
  socklen_t length = sizeof local;
  if (::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1 ||
      ::bind(socket_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
      ::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    ::close(socket_);
    socket_ = -1;
    return;
  }
  port_ = ntohs(local.sin_port);
}

UdpPeer::~UdpPeer() {
  if (socket_ >= 0) ::close(socket_);
}

bool UdpPeer::receive(std::string& text, std::chrono::milliseconds timeout) {
  if (socket_ < 0) return false;
  pollfd waiting{socket_, POLLIN, 0};
  if (::poll(&waiting, 1, static_cast<int>(timeout.count())) <= 0) return false;
  std::vector<char> buffer(65536);
  socklen_t length = sizeof lastSender_;
  ssize_t n = ::recvfrom(socket_, buffer.data(), buffer.size(), 0,
                         reinterpret_cast<sockaddr*>(&lastSender_), &length);
  if (n < 0) return false;
  text.assign(buffer.data(), static_cast<size_t>(n));
  return true;
}

bool UdpPeer::sendTo(int port, const std::string& text) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ssize_t n =
      ::sendto(socket_, text.data(), text.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
  return n == static_cast<ssize_t>(text.size());
}

bool UdpPeer::reply(const std::string& text) {
  ssize_t n = ::sendto(socket_, text.data(), text.size(), 0,
                       reinterpret_cast<sockaddr*>(&lastSender_), sizeof lastSender_);
  return n == static_cast<ssize_t>(text.size());
}

}  // namespace test_support
