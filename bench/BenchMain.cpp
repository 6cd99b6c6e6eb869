#include "bench/BenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <vector>

namespace {
QString pngDirectory;
constexpr char kPngFlag[] = "--png-dir=";
}  // namespace

QString PngDirectory() { return pngDirectory; }

int RunQtBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], kPngFlag, sizeof kPngFlag - 1) == 0)
      pngDirectory = QString::fromLocal8Bit(argv[i] + sizeof kPngFlag - 1);
    else
      rest.push_back(argv[i]);
  }
  int restCount = int(rest.size());
  rest.push_back(nullptr);
  QApplication app(restCount, rest.data());
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
