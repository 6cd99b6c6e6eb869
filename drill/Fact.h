#pragma once
// A fact: one operation on two operands, as a problem asks it, and which facts the problem
// generator can draw.
#include <compare>
#include <vector>

#include "drill/Problem.h"

enum class Operation { Plus, Minus, Times };

inline constexpr Operation kOperations[] = {Operation::Plus, Operation::Minus, Operation::Times};

struct Fact {
  Operation Op = Operation::Plus;
  int Left = 0;
  int Right = 0;
  friend auto operator<=>(const Fact&, const Fact&) = default;
};

// The fact a problem asks; its operator is read as the generator's answer reads it.
Fact FactOf(const Problem& problem);

// The problem that asks a fact, with its answer.
Problem ProblemOf(const Fact& fact);

// Whether NextProblem can draw the fact: a left operand 10..18 with a right one 0..8 and any
// operation; a left operand 0..9 with a right one 10..18 added, or 0..9 multiplied.
bool CanBeAsked(const Fact& fact);

// The facts of one operation that the generator can draw, by left and then right operand.
std::vector<Fact> AskableFacts(Operation op);
