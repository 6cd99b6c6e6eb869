// The program as a user starts it, on an X display (run under xvfb-run, without a window manager):
// - start-up: from exec to the main window mapped and its first frame drawn, for the program with
//   a 10,000-line HIST.DAT in its working directory and for the floor program (one plain window);
//   the counter map_ms is the time to the map alone;
// - the drill's wait: the share of one core the program uses over 5 s of a drill waiting for an
//   answer (Start clicked with xdotool, nothing typed).
//   bench_window --floor=PATH [--program=PATH] [google benchmark flags]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench/ResultSamples.h"
#include "bench/X11Launcher.h"

namespace {

constexpr int kHistoryLines = 10000;
constexpr std::chrono::milliseconds kTimeout{10000};

void TimeStartUp(benchmark::State& state, const std::string& program, const std::string& directory) {
  try {
    X11Launcher launcher;
    double mapMs = 0;
    for (auto _ : state) {
      const std::chrono::nanoseconds took = launcher.StartAndWaitForWindow(program, directory, kTimeout);
      state.SetIterationTime(std::chrono::duration<double>(took).count());
      mapMs += std::chrono::duration<double, std::milli>(launcher.MapTime()).count();
      state.PauseTiming();
      launcher.Stop();
      state.ResumeTiming();
    }
    state.counters["map_ms"] = benchmark::Counter(mapMs, benchmark::Counter::kAvgIterations);
  } catch (const std::runtime_error& error) {
    state.SkipWithError(error.what());
  }
}

// The CPU time of a process so far, all its threads, ended ones too, in seconds. The process's
// CPU-time clock counts nanoseconds, where its user and system times in /proc count the kernel's
// 10 ms ticks: 0.2 % of a core over 5 s.
double ProcessCpuSeconds(pid_t pid) {
  clockid_t clock;
  timespec now;
  if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &now) != 0)
    throw std::runtime_error("cannot read the program's CPU time");
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The Start button's centre in the main window's client coordinates.
constexpr int kStartX = 432, kStartY = 42;
constexpr std::chrono::seconds kWaitSpan{5};

void TimeDrillWait(benchmark::State& state, const std::string& program, const std::string& directory) {
  try {
    X11Launcher launcher;
    double share = 0;
    for (auto _ : state) {
      launcher.StartAndWaitForWindow(program, directory, kTimeout);
      std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let start-up settle
      const std::string click = "xdotool mousemove --window " + std::to_string(launcher.Window()) + " " +
                                std::to_string(kStartX) + " " + std::to_string(kStartY) + " click 1";
      if (std::system(click.c_str()) != 0) throw std::runtime_error("xdotool failed");
      std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the first problem is up
      const double before = ProcessCpuSeconds(launcher.Pid());
      const auto start = std::chrono::steady_clock::now();
      std::this_thread::sleep_for(kWaitSpan);
      const double used = ProcessCpuSeconds(launcher.Pid()) - before;
      const double span = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      share = used / span * 100;
      state.SetIterationTime(span);
      launcher.Stop();
    }
    state.counters["cpu_percent"] = share;
  } catch (const std::runtime_error& error) {
    state.SkipWithError(error.what());
  }
}

// The value of a --name=PATH flag as an absolute path, as the programs are started in another
// directory; empty when arg is not that flag.
std::string PathFlag(const char* arg, const char* name) {
  const size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length) != 0 || arg[length] == 0) return std::string();
  return QFileInfo(QString::fromLocal8Bit(arg + length)).absoluteFilePath().toStdString();
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
    if (std::string v = PathFlag(argv[i], "--floor="); !v.empty())
      floor = v;
    else if (std::string w = PathFlag(argv[i], "--program="); !w.empty())
      program = w;
    else
      rest.push_back(argv[i]);
  }
  int restCount = int(rest.size());
  rest.push_back(nullptr);
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()) || floor.empty()) {
    std::fprintf(stderr, "usage: bench_window --floor=PATH [--program=PATH]\n");
    return 2;
  }

  QTemporaryDir directory;
  QFile history(QDir(directory.path()).filePath(QStringLiteral("HIST.DAT")));
  if (!directory.isValid() || !history.open(QIODevice::WriteOnly) ||
      history.write(MakeHistoryFile(kHistoryLines)) < 0) {
    std::fprintf(stderr, "bench_window: cannot write the history file\n");
    return 1;
  }
  history.close();
  const std::string where = directory.path().toStdString();

  Register("BM_StartUp_Floor", floor, where);
  if (!program.empty()) {
    Register("BM_StartUp_Pikutora_10000Lines", program, where);
    benchmark::RegisterBenchmark("BM_DrillWait_5s", TimeDrillWait, program, where)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
