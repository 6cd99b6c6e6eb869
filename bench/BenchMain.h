#pragma once
// The main of the Qt benchmarks: a QApplication on the offscreen platform, then Google Benchmark.
// "--png-dir=DIR" (taken out before Google Benchmark sees the arguments) asks the chart
// benchmarks to save each picture they time, to look at.
#include <QString>

// The directory given with --png-dir, or an empty string.
QString PngDirectory();

int RunQtBenchmarks(int argc, char** argv);
