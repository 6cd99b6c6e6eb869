#pragma once
// One arithmetic problem and the generator that draws it.
#include <QByteArray>

#include "drill/Random.h"

// The operator symbols as CP932 bytes (full-width plus, full-width minus, multiplication sign).
inline const QByteArray kPlus = QByteArrayLiteral("\x81\x7B");
inline const QByteArray kMinus = QByteArrayLiteral("\x81\x7C");
inline const QByteArray kTimes = QByteArrayLiteral("\x81\x7E");

struct Problem {
  int Left = 0;
  QByteArray Operator;
  int Right = 0;
  int Answer = 0;
};

// Draws the next problem: a left operand 0..18; above 9 it is followed by a right operand 0..8
// and one of the three operators; otherwise by a right operand 0..18 that gives "×" up to 9
// and "＋" above. Takes three draws or two, in that order.
Problem NextProblem(Random& random);
