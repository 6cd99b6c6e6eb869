#include "drill/RandomDrill.h"

std::optional<Problem> RandomDrill::Next() {
  if (drawn_ == kProblemCount) return std::nullopt;
  ++drawn_;
  return NextProblem(random_);
}
