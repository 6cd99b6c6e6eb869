#include "drill/Problem.h"

Problem NextProblem(Random& random) {
  Problem p;
  p.Left = random.Below(19);
  if (p.Left > 9) {
    p.Right = random.Below(9);
    switch (random.Below(3)) {
      case 0: p.Operator = kPlus; break;
      case 1: p.Operator = kMinus; break;
      default: p.Operator = kTimes; break;
    }
  } else {
    p.Right = random.Below(19);
    p.Operator = p.Right <= 9 ? kTimes : kPlus;
  }
  // The answer follows from the operator text.
  if (p.Operator == kPlus) {
    p.Answer = p.Left + p.Right;
  } else if (p.Operator == kMinus) {
    p.Answer = p.Left - p.Right;
  } else {
    p.Answer = p.Left * p.Right;
  }
  return p;
}
