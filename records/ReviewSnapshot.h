#pragma once
// What the review window shows of the answer records, read in one go.
#include <QDate>
#include <QDateTime>
#include <vector>

#include "drill/Fact.h"
#include "records/AnswerRecord.h"

// A fact's recent answers: the last few it was asked, newest first, in drills and reviews alike.
struct FactStats {
  static constexpr int kRecentAnswers = 5;

  Fact Asked;
  int Recent = 0;    // answers looked at, 1..kRecentAnswers
  int Missed = 0;    // of those, the missed ones
  int MedianMs = 0;  // median problem time of those
  friend bool operator==(const FactStats&, const FactStats&) = default;
};

// The drills of one day: how many, their share of right answers and their mean time.
struct DayTrend {
  QDate Day;
  int Drills = 0;
  double Rate = 0;     // percent
  double Seconds = 0;  // mean drill time
};

struct ReviewSnapshot {
  int Drills = 0;
  int Reviews = 0;
  int64_t Answers = 0;
  std::vector<FactStats> Facts;    // every fact ever asked, by operation, left, right
  std::vector<FactStats> Weakest;  // the weakest first (WeakestFacts)
  QDateTime LastDrillStarted;      // invalid when no drill is recorded
  std::vector<AnswerRecord> LastDrillMistakes;  // by problem number
  std::vector<DayTrend> Trend;     // drills (not reviews) by day, oldest first
};

// How many facts a review asks at most.
inline constexpr size_t kReviewFacts = 20;
