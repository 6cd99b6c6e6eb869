#pragma once
// Which facts a learner is weakest at.
#include <vector>

#include "records/ReviewSnapshot.h"

// The median of problem times (not empty): the middle one, or for an even count the mean of
// the two middle ones, rounded down.
int MedianMs(std::vector<int> times);

// Up to limit facts, weakest first: most missed among their recent answers, then slowest by
// median time; equal ones by operation, left and right operand.
std::vector<FactStats> WeakestFacts(std::vector<FactStats> facts, size_t limit);
