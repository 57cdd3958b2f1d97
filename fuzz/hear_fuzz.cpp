// Fuzz target of the referee handler: any zero-terminated text that begins
// like a hear message, placed at the end of a receive-sized buffer so that a
// read past the text is caught.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "coach/intake_records.h"
#include "coach/referee.h"
#include "net/communication.h"
#include "state/settings.h"

// The first byte switches verbose mode (bit 0); the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const char* chars = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = strnlen(chars, size - 1);
  if (length >= RECEIVE_BUFFER_SIZE) return 0;
  resetSettings();
  resetIntakeRecords();
  verbose = (data[0] & 1) != 0;

  auto buffer = std::make_unique<char[]>(RECEIVE_BUFFER_SIZE);
  char* start = buffer.get() + RECEIVE_BUFFER_SIZE - 1 - length;
  std::memcpy(start, chars, length);
  start[length] = '\0';
  parse_hear(start);
  if (currentPlayMode < 0 || currentPlayMode > 31) __builtin_trap();
  return 0;
}
