// Test doubles for every coach-language base class: each prints a fixed label
// and counts its destruction in a tally, so tests can check that owners
// destroy what they hold exactly once.
#pragma once

#include <ostream>
#include <string>
#include <utility>

#include "coach_language/cm_action.h"
#include "coach_language/cm_condition.h"
#include "coach_language/cm_define_token.h"
#include "coach_language/cm_directive.h"
#include "coach_language/cm_meta_token.h"
#include "coach_language/cm_token.h"
#include "coach_language/reg_point.h"

// How many doubles sharing this tally were destroyed.
struct Tally {
  int destroyed = 0;
};

// Shared behaviour: a label for both text forms and the destruction count.
template <class Base>
class Counted : public Base {
 public:
  Counted(Tally& tally, std::string label) : tally(tally), label(std::move(label)) {}
  ~Counted() override { ++tally.destroyed; }
  std::ostream& print(std::ostream& out) const override { return out << "<" << label << ">"; }
  void printPretty(std::ostream& out, std::string lineHeader) const override {
    out << lineHeader << label << std::endl;
  }

 protected:
  Tally& tally;
  std::string label;
};

class CountedPoint : public Counted<RegPoint> {
 public:
  using Counted::Counted;
  std::ostream& printInline(std::ostream& out) const override { return out << label; }
};

class CountedRegion : public Counted<Region> {
 public:
  using Counted::Counted;
};

class CountedAction : public Counted<CM_Action> {
 public:
  using Counted::Counted;
  int getType() const override { return 99; }
};

// A condition whose value is chosen by the test; counts how often it is evaluated.
class CountedCondition : public Counted<CM_Condition> {
 public:
  CountedCondition(Tally& tally, std::string label, bool value = true, int* evaluations = nullptr)
      : Counted(tally, std::move(label)), value(value), evaluations(evaluations) {}
  int getType() const override { return 99; }
  bool evaluate() const override {
    if (evaluations != nullptr) ++*evaluations;
    return value;
  }

 private:
  bool value;
  int* evaluations;
};

class CountedDirective : public Counted<CM_Directive> {
 public:
  using Counted::Counted;
  int getType() const override { return 99; }
};

class CountedToken : public Counted<CM_Token> {
 public:
  using Counted::Counted;
  int getType() const override { return 99; }
};

class CountedMetaToken : public Counted<CM_MetaToken> {
 public:
  using Counted::Counted;
};

class CountedDefineToken : public Counted<CM_DefineToken> {
 public:
  using Counted::Counted;
};
