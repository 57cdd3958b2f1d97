// Fuzz target of the message dispatch with the parameter parsers, the referee
// handler and the other rows behind it: any text in the receive buffer except
// views (their parser has a fuzz target of its own and ends the process on
// some texts).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "coach/dispatch.h"
#include "coach/intake_records.h"
#include "coach/server_params.h"
#include "net/communication.h"
#include "state/settings.h"

// The first byte switches verbose mode (bit 0); the rest is the message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const char* chars = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = strnlen(chars, size - 1);
  if (length >= RECEIVE_BUFFER_SIZE) return 0;
  const std::string_view text(chars, length);
  if (text.starts_with("(see_global") || text.starts_with("(see ")) return 0;
  resetSettings();
  resetIntakeRecords();
  verbose = (data[0] & 1) != 0;

  std::memset(receiveBuffer, 0, RECEIVE_BUFFER_SIZE);
  std::memcpy(receiveBuffer, chars, length);
  dispatch_message();
  for (const auto& [id, type] : playerTypes) {
    if (type == nullptr || type->id != id || id < 0) __builtin_trap();
  }
  return 0;
}
