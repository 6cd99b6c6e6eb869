#pragma once
// What is remembered of a finished drill or review: when it started and every answer given.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "drill/Fact.h"

enum class DrillKind { Drill, Review };

struct AnswerRecord {
  int Number = 0;     // the problem's number in its run, from 1
  Fact Asked;
  int Expected = 0;
  QString Typed;      // the answer box's text as it was judged
  bool Right = false;
  int32_t TimeMs = 0;  // the problem time
  bool UntilCorrect = false;  // the until-correct mode was on when the answer was taken
  int WrongTries = 0;         // wrong answers the until-correct mode turned back first
  // A wrong or empty answer, or a right one after wrong tries.
  bool Missed() const { return !Right || WrongTries > 0; }
};

struct DrillRecord {
  QDateTime Started;  // local time
  DrillKind Kind = DrillKind::Drill;
  int32_t TotalMs = 0;  // the stopwatch at the end
  std::vector<AnswerRecord> Answers;
};
