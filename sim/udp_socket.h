// A non-blocking IPv4 UDP socket bound to 127.0.0.1, the only transport of the stand-in server.
#pragma once

#include <netinet/in.h>

#include <string>

// Owns one socket descriptor and closes it on destruction.
class UdpSocket {
 public:
  UdpSocket() = default;
  ~UdpSocket();
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  // Binds a new socket to 127.0.0.1 at port (0 lets the system choose). False on failure,
  // with the socket closed again.
  bool open(int port);
  int descriptor() const { return fd_; }
  // The port the socket is bound to, 0 when it is not open.
  int localPort() const;
  // Sends text as one datagram. False when it could not be sent whole.
  bool sendTo(const sockaddr_in& to, const std::string& text) const;
  // Reads one waiting datagram into text and its sender into from: 1 when one was read, 0
  // when none was waiting, -1 on a socket error. Datagrams up to 64 KiB are read whole.
  int receive(std::string& text, sockaddr_in& from) const;

 private:
  int fd_ = -1;
};

// True when both addresses name the same host and port.
bool sameAddress(const sockaddr_in& a, const sockaddr_in& b);
