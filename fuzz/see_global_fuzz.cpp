// Fuzz target of the global-view parser: any text the receive buffer can hold,
// zero-terminated as the link delivers it, under the coach's and the trainer's
// settings. The text ends at the end of its buffer, so a read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "coach/intake_records.h"
#include "coach/see_global.h"
#include "net/communication.h"
#include "state/history.h"
#include "state/settings.h"

namespace {

// The parser ends the process for a text that is no view and for an object of
// unknown kind; such texts are not fed. Walks the objects as the parser does:
// each begins at a '(' and the next one at the first '(' after its two.
bool endsProcess(std::string_view text) {
  const bool longForm = text.starts_with("(see ");
  if (!longForm && !text.starts_with("(see_global")) return true;
  std::size_t pos = text.find('(', longForm ? 5 : 12);
  while (pos != std::string_view::npos && pos + 2 < text.size()) {
    const char kind = text[pos + 2];
    if (kind != 'g' && kind != 'b' && kind != 'p') return true;
    pos = text.find('(', pos + 2);
  }
  return false;
}

}  // namespace

// The first byte chooses the settings (bit 0: trainer, bit 1: own team on the
// right, bit 2: no team name); the rest is the view text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t mode = data[0];
  const char* chars = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = strnlen(chars, size - 1);
  if (length >= RECEIVE_BUFFER_SIZE) return 0;
  const std::string_view text(chars, length);
  if (endsProcess(text)) return 0;

  resetSettings();
  trainerMode = (mode & 1) != 0;
  ownSide = trainerMode ? 0 : (mode & 2) != 0 ? -1 : 1;
  if ((mode & 4) == 0) teamName = "Touchliner";
  // States keep linking to earlier ones; keep the history short.
  if (stateHistory().size() > 64) {
    resetStateHistory();
    resetIntakeRecords();
  }

  auto buffer = std::make_unique<char[]>(RECEIVE_BUFFER_SIZE);
  char* start = buffer.get() + RECEIVE_BUFFER_SIZE - 1 - length;
  std::memcpy(start, text.data(), length);
  start[length] = '\0';
  parse_see_global(start);
  return 0;
}
