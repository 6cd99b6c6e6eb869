#include "drill/Fact.h"

namespace {
constexpr int kLargestOperand = 18;
}  // namespace

Fact FactOf(const Problem& problem) {
  const Operation op = problem.Operator == kPlus    ? Operation::Plus
                       : problem.Operator == kMinus ? Operation::Minus
                                                    : Operation::Times;
  return {op, problem.Left, problem.Right};
}

Problem ProblemOf(const Fact& fact) {
  Problem p;
  p.Left = fact.Left;
  p.Right = fact.Right;
  switch (fact.Op) {
    case Operation::Plus:
      p.Operator = kPlus;
      p.Answer = fact.Left + fact.Right;
      break;
    case Operation::Minus:
      p.Operator = kMinus;
      p.Answer = fact.Left - fact.Right;
      break;
    case Operation::Times:
      p.Operator = kTimes;
      p.Answer = fact.Left * fact.Right;
      break;
  }
  return p;
}

bool CanBeAsked(const Fact& fact) {
  if (fact.Left < 0 || fact.Left > kLargestOperand || fact.Right < 0 || fact.Right > kLargestOperand) return false;
  if (fact.Left > 9) return fact.Right <= 8;
  return fact.Right <= 9 ? fact.Op == Operation::Times : fact.Op == Operation::Plus;
}

std::vector<Fact> AskableFacts(Operation op) {
  std::vector<Fact> facts;
  for (int left = 0; left <= kLargestOperand; ++left)
    for (int right = 0; right <= kLargestOperand; ++right)
      if (CanBeAsked({op, left, right})) facts.push_back({op, left, right});
  return facts;
}
