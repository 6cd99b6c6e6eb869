#include "review/ReviewQueue.h"

#include <algorithm>

ReviewQueue::ReviewQueue(const std::vector<Fact>& facts) : waiting_(facts.begin(), facts.end()), factCount_(facts.size()) {}

std::optional<Problem> ReviewQueue::Next() {
  if (waiting_.empty()) return std::nullopt;
  current_ = waiting_.front();
  waiting_.pop_front();
  return ProblemOf(*current_);
}

void ReviewQueue::Answered(bool missed) {
  if (current_ && missed) {
    waiting_.insert(waiting_.begin() + ptrdiff_t(std::min(kComeBackAfter, waiting_.size())), *current_);
    ++askedAgain_;
  }
  current_.reset();
}
