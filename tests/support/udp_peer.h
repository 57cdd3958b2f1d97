// A plain UDP socket on a loopback address for tests that play the server's
// side themselves: receive with a bound, answer the last sender, send to any
// loopback port.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <string>

namespace test_support {

class UdpPeer {
 public:
  // Binds to address (dotted, default 127.0.0.1) and port (0 = any free one).
  explicit UdpPeer(int port = 0, const std::string& address = "127.0.0.1");
  ~UdpPeer();
  UdpPeer(const UdpPeer&) = delete;
  UdpPeer& operator=(const UdpPeer&) = delete;

  bool ok() const { return socket_ >= 0; }
  int port() const { return port_; }
  // Waits at most timeout for one datagram; true with its text in text and its
  // sender remembered as lastSenderPort().
  bool receive(std::string& text, std::chrono::milliseconds timeout);
  // Sends text to 127.0.0.1:port. True when all of it was sent.
  bool sendTo(int port, const std::string& text);
  // Sends text to the sender of the last datagram received.
  bool reply(const std::string& text);
  int lastSenderPort() const { return ntohs(lastSender_.sin_port); }

 private:
  int socket_ = -1;
  int port_ = 0;
  sockaddr_in lastSender_{};
};

}  // namespace test_support
