// Start-up: from exec to the main window mapped, for the program with a 10,000-line HIST.DAT in
// its working directory and for the floor program (one plain window). Needs an X display.
//   bench_startup --floor=PATH [--program=PATH] [google benchmark flags]
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/ResultSamples.h"
#include "bench/X11Launcher.h"

namespace {

constexpr int kHistoryLines = 10000;
constexpr std::chrono::milliseconds kTimeout{10000};

void TimeStartUp(benchmark::State& state, const std::string& program, const std::string& directory) {
  try {
    X11Launcher launcher;
    for (auto _ : state) {
      const std::chrono::nanoseconds took = launcher.StartAndWaitForWindow(program, directory, kTimeout);
      state.SetIterationTime(std::chrono::duration<double>(took).count());
      state.PauseTiming();
      launcher.Stop();
      state.ResumeTiming();
    }
  } catch (const std::runtime_error& error) {
    state.SkipWithError(error.what());
  }
}

std::string FlagValue(const char* arg, const char* name) {
  const size_t length = std::strlen(name);
  return std::strncmp(arg, name, length) == 0 ? std::string(arg + length) : std::string();
}

void Register(const char* name, const std::string& program, const std::string& directory) {
  benchmark::RegisterBenchmark(name, TimeStartUp, program, directory)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(20);
}

}  // namespace

int main(int argc, char** argv) {
  std::string floor, program;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::string v = FlagValue(argv[i], "--floor="); !v.empty())
      floor = v;
    else if (std::string w = FlagValue(argv[i], "--program="); !w.empty())
      program = w;
    else
      rest.push_back(argv[i]);
  }
  int restCount = int(rest.size());
  rest.push_back(nullptr);
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()) || floor.empty()) {
    std::fprintf(stderr, "usage: bench_startup --floor=PATH [--program=PATH]\n");
    return 2;
  }

  QTemporaryDir directory;
  QFile history(QDir(directory.path()).filePath(QStringLiteral("HIST.DAT")));
  if (!directory.isValid() || !history.open(QIODevice::WriteOnly) ||
      history.write(MakeHistoryFile(kHistoryLines)) < 0) {
    std::fprintf(stderr, "bench_startup: cannot write the history file\n");
    return 1;
  }
  history.close();
  const std::string where = directory.path().toStdString();

  Register("BM_StartUp_Floor", floor, where);
  if (!program.empty()) Register("BM_StartUp_Pikutora_10000Lines", program, where);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
