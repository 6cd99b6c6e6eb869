#pragma once
// Drills and answers for the records' tests, and reading a database back.
#include <QTimeZone>
#include <optional>

#include "records/AnswerRecord.h"

// An answer to fact: typed is the number given (none: an empty box); right when it is the fact's
// answer.
inline AnswerRecord AnswerTo(int number, const Fact& fact, std::optional<int> typed, int32_t ms, int wrongTries = 0) {
  AnswerRecord a;
  a.Number = number;
  a.Asked = fact;
  a.Expected = ProblemOf(fact).Answer;
  a.Typed = typed ? QString::number(*typed) : QString();
  a.Right = typed == a.Expected;
  a.TimeMs = ms;
  a.UntilCorrect = wrongTries > 0;
  a.WrongTries = wrongTries;
  return a;
}

// A drill that started on 2024-05-01 at 09:10:32.123 in Japan, plus the given minutes.
inline DrillRecord DrillOf(std::vector<AnswerRecord> answers, DrillKind kind = DrillKind::Drill, int minutes = 0) {
  DrillRecord d;
  d.Started = QDateTime(QDate(2024, 5, 1), QTime(9, 10, 32, 123), QTimeZone(9 * 3600)).addSecs(minutes * 60);
  d.Kind = kind;
  for (const AnswerRecord& a : answers) d.TotalMs += a.TimeMs;
  d.Answers = std::move(answers);
  return d;
}
