// Readable, indented form of a parsed coach-language message (see clang_pretty.h).
#include "sim/clang_pretty.h"

#include <sstream>

namespace {

const std::string STEP = "  ";

const char* sideName(bool ourSide) {
  return ourSide ? "our" : "opp";
}

std::ostream& operator<<(std::ostream& out, const ClangPlayerSet& set) {
  out << '{';
  for (std::size_t i = 0; i < set.numbers.size(); ++i) out << (i ? " " : "") << set.numbers[i];
  return out << '}';
}

void printCondition(std::ostream& out, const ClangCondition& condition, const std::string& indent,
                    const char* lead) {
  out << indent << lead;
  switch (condition.kind) {
    case ClangConditionKind::PlayerPosition:
      out << "players " << sideName(condition.ourSide) << ' ' << condition.players << ", "
          << condition.minMatch << " to " << condition.maxMatch << " of them in\n";
      if (condition.region) printClangRegion(out, *condition.region, indent + STEP);
      return;
    case ClangConditionKind::BallOwner:
      out << "ball owner " << sideName(condition.ourSide) << ' ' << condition.players << '\n';
      return;
    case ClangConditionKind::PlayMode:
      out << "play mode '" << condition.playModeName << "'\n";
      return;
    case ClangConditionKind::And:
    case ClangConditionKind::Or:
      out << (condition.kind == ClangConditionKind::And ? "and" : "or") << '\n';
      for (const auto& sub : condition.conditions) {
        if (sub) printCondition(out, *sub, indent + STEP, "");
      }
      return;
  }
}

void printAction(std::ostream& out, const ClangAction& action, const std::string& indent) {
  switch (action.kind) {
    case ClangActionKind::Position:
      out << indent << "position at\n";
      break;
    case ClangActionKind::OffsidesLine:
      out << indent << "offside line at\n";
      break;
    case ClangActionKind::Mark:
      out << indent << "mark " << action.players << '\n';
      return;
  }
  if (action.region) printClangRegion(out, *action.region, indent + STEP);
}

void printRule(std::ostream& out, const ClangRule& rule, const std::string& indent) {
  out << indent << "rule, ttl " << rule.ttl << '\n';
  std::string inner = indent + STEP;
  if (rule.condition) printCondition(out, *rule.condition, inner, "if ");
  for (const auto& directive : rule.directives) {
    if (!directive) continue;
    out << inner << (directive->positive ? "do " : "dont ") << sideName(directive->ourSide) << ' '
        << directive->players << '\n';
    if (directive->action) printAction(out, *directive->action, inner + STEP);
  }
}

}  // namespace

void printClangRegion(std::ostream& out, const ClangRegion& region, const std::string& indent) {
  switch (region.kind) {
    case ClangRegionKind::Point:
      out << indent << "point (" << region.x << ", " << region.y << ")\n";
      return;
    case ClangRegionKind::RelativePoint:
      out << indent << "point (" << region.x << ", " << region.y << ") from\n";
      break;
    case ClangRegionKind::Quad:
      out << indent << "quad\n";
      break;
    case ClangRegionKind::Arc:
      out << indent << "arc, radius " << region.startRadius << " to " << region.endRadius
          << ", angle " << region.startAngle << " for " << region.spanAngle << ", around\n";
      break;
    case ClangRegionKind::Union:
      out << indent << "union\n";
      break;
  }
  for (const auto& part : region.parts) {
    if (part) printClangRegion(out, *part, indent + STEP);
  }
}

void printClangTree(std::ostream& out, const ClangMessage& message, const std::string& indent) {
  out << indent << messageKindName(message.kind);
  if (message.kind == ClangMessageKind::Info || message.kind == ClangMessageKind::Advice) {
    out << ", " << message.rules.size() << (message.rules.size() == 1 ? " rule" : " rules");
  }
  out << '\n';
  if (message.kind == ClangMessageKind::Freeform) {
    out << indent << STEP << '"' << message.freeformText << "\"\n";
  }
  for (const auto& rule : message.rules) {
    if (rule) printRule(out, *rule, indent + STEP);
  }
}

std::string clangTreeText(const ClangMessage& message, const std::string& indent) {
  std::ostringstream out;
  printClangTree(out, message, indent);
  return out.str();
}
