#pragma once
// The problems of one run of the main window's drill loop, one after another.
#include <optional>

#include "drill/Problem.h"

class ProblemSequence {
 public:
  virtual ~ProblemSequence() = default;
  // The next problem to ask, or nothing when the run is complete.
  virtual std::optional<Problem> Next() = 0;
  // How the problem Next gave last was answered: missed is true for a wrong or empty answer,
  // and for a right one that took wrong tries first.
  virtual void Answered(bool missed) = 0;
};
