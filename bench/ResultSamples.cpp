#include "bench/ResultSamples.h"

#include <cstdio>
#include <random>

namespace {
// "所要時間", the ideographic space and "正答率" in CP932.
constexpr char kTotalTime[] = "\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4";
constexpr char kIdeographicSpace[] = "\x81\x40";
constexpr char kRateWord[] = "\x90\xb3\x93\x9a\x97\xa6";
constexpr unsigned kSeed = 20060213;
}  // namespace

std::vector<ResultSample> MakeResultSamples(int count) {
  std::mt19937 random(kSeed);
  std::uniform_int_distribution<int> rate(0, 100);
  std::uniform_int_distribution<int> seconds(100, 300);
  std::vector<ResultSample> samples;
  samples.reserve(count);
  for (int i = 0; i < count; ++i) {
    const int r = rate(random);
    samples.push_back({r, seconds(random)});
  }
  return samples;
}

QByteArray MakeHistoryLine(const ResultSample& sample, int index) {
  char fields[64];
  const int day = index % 28 + 1;
  std::snprintf(fields, sizeof fields, " %02d:%02d.%03d", sample.Seconds / 60, sample.Seconds % 60,
                index % 1000);
  QByteArray line(kTotalTime);
  line += fields;
  line += kIdeographicSpace;
  line += kRateWord;
  std::snprintf(fields, sizeof fields, "%3d%%  2006/02/%02d %02d:%02d:%02d", sample.Rate, day,
                index % 24, index % 60, (index * 7) % 60);
  line += fields;
  return line;
}

QByteArray MakeHistoryFile(int lines) {
  const std::vector<ResultSample> samples = MakeResultSamples(lines);
  QByteArray file;
  file.reserve(qsizetype(lines) * 53);
  for (int i = 0; i < lines; ++i) {
    file += MakeHistoryLine(samples[i], i);
    file += "\r\n";
  }
  return file;
}
