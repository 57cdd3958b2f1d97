// The coach's UDP link to the simulation server: one socket, one send buffer
// and one receive buffer through which every message passes.
#pragma once

#include <netinet/in.h>

#include <string_view>

class CM_Message;

constexpr int SEND_BUFFER_SIZE = 5120;
constexpr int RECEIVE_BUFFER_SIZE = 5096;

// The socket and the server's address; socket -1 means there is no socket. The
// port of serverAddress follows the source port of every datagram received.
struct ServerLink {
  int socket = -1;
  sockaddr_in serverAddress{};
};

// The link all operations below use; start-up stores the opened link here.
extern ServerLink serverLink;
// Text of the next message to send, terminated by a zero byte.
extern char sendBuffer[SEND_BUFFER_SIZE];
// Text of the most recently received datagram, terminated by a zero byte.
extern char receiveBuffer[RECEIVE_BUFFER_SIZE];

// Resolves host (name or dotted IPv4 address; neither ends the process with
// status 255), blocks SIGIO, creates a non-blocking, signal-driven UDP socket
// bound to an ephemeral local port and returns it with the server's address
// and port. On failure the returned link's socket is -1.
ServerLink open_server_link(const char* host, int port);

// Sends the text in sendBuffer as one datagram to serverLink; writes
// "Sending: TEXT" in verbose mode. Returns 0 when all of it went out, else -1.
int send_message();

// Copies text into sendBuffer and sends it as above. A text longer than 5119
// characters is not sent: a warning goes to standard error and -1 is returned.
int send_message(std::string_view text);

// Reads one waiting datagram into receiveBuffer. Returns 1 for a datagram with
// text, 0 when nothing is waiting (buffer made empty) or for an empty datagram,
// -1 on a socket error (buffer unchanged). Datagrams from another address than
// the server's and datagrams too large for the buffer are dropped with a
// warning and reading goes on. Every accepted datagram's source port becomes
// the server port.
int receive_message();

// True when a datagram (possibly an empty one) is waiting in the socket.
bool datagram_waiting();

// Handshake wait: true as soon as one datagram is in receiveBuffer (read at
// once, else up to 40 more attempts 100 ms apart). Later datagrams stay queued.
bool wait_for_message();

// "(init NAME (version 7.00))"; true unless the send failed.
bool send_init(std::string_view team);
// "(eye on)" / "(eye off)"; the result of send_message.
int send_eye(bool on);
// "(ear on)" / "(ear off)"; the result of send_message.
int send_ear(bool on);
// Sends "(say TEXT)" with the message's protocol text. On failure writes
// "CMMessage NOT sent." (no line end) to standard error and returns false; on
// success writes "CMMessage sent." (no line end) in verbose mode.
bool send_cm_message(const CM_Message& message);

// Closes the socket descriptor.
void close_server_link(int socket);
