#pragma once
// The drills that the benchmarks plot and store: N (rate, seconds) pairs drawn from a fixed seed,
// so every run and every peer sees the same picture.
#include <QByteArray>
#include <vector>

struct ResultSample {
  int Rate;     // share of correct answers, 0 to 100
  int Seconds;  // total time of the drill in whole seconds
};

// N samples from a fixed seed: rates 0..100, times 100..300 seconds.
std::vector<ResultSample> MakeResultSamples(int count);

// One history line in the stored layout (51 bytes, CP932, no line end) for a sample; the
// milliseconds and the date are derived from the index.
QByteArray MakeHistoryLine(const ResultSample& sample, int index);

// The content of a history file of the given number of lines, each ended by CR LF.
QByteArray MakeHistoryFile(int lines);
