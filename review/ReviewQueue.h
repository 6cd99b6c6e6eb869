#pragma once
// The problems of a review: the chosen facts in turn; a fact missed comes back a few problems
// later, and again each time it is missed, until it is answered right. The review is complete
// when every fact has been answered right once.
#include <deque>
#include <vector>

#include "drill/Fact.h"
#include "drill/ProblemSequence.h"

class ReviewQueue : public ProblemSequence {
 public:
  // A missed fact is asked again after this many other problems, or last when fewer are left.
  static constexpr size_t kComeBackAfter = 3;

  explicit ReviewQueue(const std::vector<Fact>& facts);
  std::optional<Problem> Next() override;
  void Answered(bool missed) override;

  // How many facts the review was given, and how many problems it has asked again so far.
  size_t FactCount() const { return factCount_; }
  int AskedAgain() const { return askedAgain_; }

 private:
  std::deque<Fact> waiting_;
  std::optional<Fact> current_;
  size_t factCount_;
  int askedAgain_ = 0;
};
