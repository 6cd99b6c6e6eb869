// The ranking of weak facts, from answers recorded in the database: most missed among each
// fact's last five answers first, then the slowest by median time, then by fact.
#include <gtest/gtest.h>

#include "records/RecordsWriter.h"
#include "records/ReviewSnapshotReader.h"
#include "tests/history/ScratchDir.h"
#include "tests/records/RecordSamples.h"

namespace {

// One answer of a fact's history: right or missed, its time, wrong tries before a right one.
struct Given {
  bool missed;
  int ms;
  int wrongTries = 0;
};

struct History {
  Fact fact;
  std::vector<Given> answers;  // oldest first
};

struct Ranking {
  const char* name;
  std::vector<History> histories;
  std::vector<Fact> weakest;
};

class WeakFacts : public testing::TestWithParam<Ranking> {};

TEST_P(WeakFacts, RankMissedRecentlyThenSlowest) {
  ScratchDir dir;
  const QString path = dir.File(QStringLiteral("ANSWERS.DB"));
  // The histories' answers in rounds: the i-th answer of every fact, then the next ones.
  std::vector<DrillRecord> drills;
  for (size_t round = 0;; ++round) {
    std::vector<AnswerRecord> answers;
    for (const History& h : GetParam().histories) {
      if (round >= h.answers.size()) continue;
      const Given& g = h.answers[round];
      const int answer = ProblemOf(h.fact).Answer;
      answers.push_back(AnswerTo(int(answers.size()) + 1, h.fact, g.missed && g.wrongTries == 0 ? answer + 1 : answer,
                                 g.ms, g.wrongTries));
    }
    if (answers.empty()) break;
    drills.push_back(DrillOf(std::move(answers)));
  }
  WriteDrillRecords(path, drills);
  std::vector<Fact> weakest;
  for (const FactStats& s : ReadReviewSnapshot(path).Weakest) weakest.push_back(s.Asked);
  EXPECT_EQ(weakest, GetParam().weakest);
}

const Fact a{Operation::Times, 7, 8};
const Fact b{Operation::Minus, 13, 7};
const Fact c{Operation::Plus, 4, 15};

const Given x{true, 1000};
const Given o{false, 1000};

std::vector<History> ManyMissedOnce(int count) {
  std::vector<History> histories;
  for (int i = 0; i < count; ++i) histories.push_back({{Operation::Times, i % 10, i / 10}, {{true, 1000 + i}}});
  return histories;
}

std::vector<Fact> SlowestOf(int count, int kept) {
  std::vector<Fact> facts;
  for (int i = count - 1; i >= count - kept; --i) facts.push_back({Operation::Times, i % 10, i / 10});
  return facts;
}

INSTANTIATE_TEST_SUITE_P(
    Histories, WeakFacts,
    testing::Values(
        Ranking{"MostMissedFirst", {{c, {o, o, o}}, {b, {x, o, o}}, {a, {x, x, o}}}, {a, b, c}},
        Ranking{"ThenSlowestByMedian", {{a, {{false, 1000}, {false, 1200}, {false, 900}}}, {b, {{false, 3000}, {false, 500}, {false, 2900}}}, {c, {{true, 400}}}}, {c, b, a}},
        Ranking{"MedianOfAnEvenCountIsTheMeanOfTheMiddleTwo", {{a, {{false, 1000}, {false, 4000}}}, {b, {{false, 2400}, {false, 2400}}}}, {a, b}},
        Ranking{"OnlyTheLastFiveAnswersCount", {{a, {x, x, x, o, o, o, o, o}}, {b, {o, o, o, o, x}}}, {b, a}},
        Ranking{"RightAfterWrongTriesIsMissed", {{a, {o}}, {b, {{true, 1000, 2}}}}, {b, a}},
        Ranking{"EqualOnesByOperationThenOperands", {{a, {x}}, {b, {x}}, {c, {x}}, {{Operation::Plus, 3, 15}, {x}}}, {{Operation::Plus, 3, 15}, c, b, a}},
        Ranking{"NeverAskedIsNotRanked", {}, {}},
        Ranking{"AtMostTwenty", ManyMissedOnce(25), SlowestOf(25, 20)}),
    [](const testing::TestParamInfo<Ranking>& info) { return std::string(info.param.name); });

}  // namespace
