// Fuzz target of the stand-in server's coach-language checker: any text as a
// message and as a whole say command, with the verdict's promises checked and,
// for a valid message, its readable tree and region queries exercised.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/clang_check.h"
#include "sim/clang_pretty.h"
#include "sim/clang_regions.h"

namespace {

// Valid: no error and a tree; invalid: an error within the text and no tree.
void checkVerdict(const ClangVerdict& verdict, std::size_t size) {
  if (verdict.valid) {
    if (!verdict.error.empty() || !verdict.message || verdict.errorPosition != 0) __builtin_trap();
    if (verdict.ruleCount != static_cast<int>(verdict.message->rules.size())) __builtin_trap();
  } else {
    if (verdict.error.empty() || verdict.message || verdict.errorPosition > size) __builtin_trap();
  }
}

void visitRegions(const ClangRegion& region) {
  double x = 0;
  double y = 0;
  clangPointPosition(region, x, y);
  clangRegionContains(region, 0, 0);
  for (const auto& part : region.parts) visitRegions(*part);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ClangVerdict verdict = checkSayMessage(text);
  checkVerdict(verdict, size);
  if (verdict.valid) {
    clangTreeText(*verdict.message);
    for (const auto& rule : verdict.message->rules) {
      for (const auto& directive : rule->directives) {
        if (directive->action && directive->action->region) {
          visitRegions(*directive->action->region);
        }
      }
    }
  }
  const ClangVerdict command = checkSayCommand(text);
  checkVerdict(command, size);
  return 0;
}
