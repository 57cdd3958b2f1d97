// Readable form of a parsed coach-language message for the demo and traces: indented, one line
// per node.
#pragma once

#include <ostream>
#include <string>

#include "sim/clang_tree.h"

// Writes `message` to `out`, one node per line, every line beginning with `indent` and nested
// nodes indented by two more blanks per level. Example for one rule:
//   info, 1 rule
//     rule, ttl 100
//       if ball owner opp {0}
//       do our {3}
//         mark {7}
void printClangTree(std::ostream& out, const ClangMessage& message, const std::string& indent = "");

// The same readable form as a string.
std::string clangTreeText(const ClangMessage& message, const std::string& indent = "");

// Writes a region alone in the same form (used by the message form and by tests).
void printClangRegion(std::ostream& out, const ClangRegion& region, const std::string& indent);
