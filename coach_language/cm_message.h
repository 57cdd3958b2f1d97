// Base of the messages: the outermost unit of the coach language, sent to the
// server inside "(say %s)".
#pragma once

#include <ostream>
#include <string>

class CM_Message {
 public:
  CM_Message() = default;
  CM_Message(const CM_Message&) = delete;
  CM_Message& operator=(const CM_Message&) = delete;
  virtual ~CM_Message() = default;

  // Writes the protocol form to `out` and returns `out`.
  virtual std::ostream& print(std::ostream& out) const = 0;
  // Writes the readable form, `lineHeader` at the start of every line.
  virtual void printPretty(std::ostream& out, std::string lineHeader) const = 0;
  // Kind code: 0 meta, 1 freeform, 2 advice, 3 info, 4 define.
  virtual int getType() const = 0;
};

// Writes the protocol form of `message` and yields the stream.
std::ostream& operator<<(std::ostream& out, const CM_Message& message);
