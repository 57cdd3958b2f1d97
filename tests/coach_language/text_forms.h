// Test helpers: capture the protocol form and the readable form of any
// coach-language object as a string.
#pragma once

#include <sstream>
#include <string>

// The protocol form written by `object.print`.
template <class T>
std::string protocolOf(const T& object) {
  std::ostringstream out;
  object.print(out);
  return out.str();
}

// The protocol form written by the stream output operator.
template <class T>
std::string streamedOf(const T& object) {
  std::ostringstream out;
  out << object;
  return out.str();
}

// The readable form written by `object.printPretty` under `header`.
template <class T>
std::string prettyOf(const T& object, const std::string& header = "") {
  std::ostringstream out;
  object.printPretty(out, header);
  return out.str();
}
