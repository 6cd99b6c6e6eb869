#include "drill/Problem.h"

#include "drill/Fact.h"

Problem NextProblem(Random& random) {
  Fact f;
  f.Left = random.Below(19);
  if (f.Left > 9) {
    f.Right = random.Below(9);
    switch (random.Below(3)) {
      case 0: f.Op = Operation::Plus; break;
      case 1: f.Op = Operation::Minus; break;
      default: f.Op = Operation::Times; break;
    }
  } else {
    f.Right = random.Below(19);
    f.Op = f.Right <= 9 ? Operation::Times : Operation::Plus;
  }
  // The operator text and the answer follow from the operation.
  return ProblemOf(f);
}
