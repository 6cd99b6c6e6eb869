#pragma once
// The problems of a drill: 100 drawn by the generator, whatever the answers.
#include "drill/ProblemSequence.h"
#include "drill/Random.h"

class RandomDrill : public ProblemSequence {
 public:
  static constexpr int kProblemCount = 100;

  explicit RandomDrill(Random& random) : random_(random) {}
  std::optional<Problem> Next() override;
  void Answered(bool) override {}

 private:
  Random& random_;
  int drawn_ = 0;
};
