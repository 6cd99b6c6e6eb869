// HIST.DAT: loading a file of 1,000,000 lines, saving a list of 10,000 lines (with the flush to
// disk), and the memory a load needs beyond what the process already held.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <malloc.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/ResultSamples.h"
#include "history/HistoryList.h"

namespace {

constexpr int kLoadLines = 1000000;
constexpr int kSaveLines = 10000;

// A history file of the given number of lines in a directory of its own (the save benchmark
// writes its temporary files beside it). Made once per size.
class HistoryFixtureFile {
 public:
  explicit HistoryFixtureFile(int lines) : content_(MakeHistoryFile(lines)) {
    Rewrite();
  }
  QString Path() const { return QDir(directory_.path()).filePath(QStringLiteral("HIST.DAT")); }
  qint64 Size() const { return content_.size(); }
  void Rewrite() const {
    QFile file(Path());
    if (!file.open(QIODevice::WriteOnly) || file.write(content_) != content_.size())
      throw std::runtime_error("cannot write the history file");
  }

 private:
  QTemporaryDir directory_;
  QByteArray content_;
};

const HistoryFixtureFile& BigFile() {
  static const HistoryFixtureFile file(kLoadLines);
  return file;
}

void BM_History_Load_1000000Lines(benchmark::State& state) {
  const HistoryFixtureFile& file = BigFile();
  for (auto _ : state) {
    HistoryList list(file.Path());
    list.Load();
    benchmark::DoNotOptimize(list.Count());
    state.PauseTiming();
    if (list.Count() != kLoadLines) state.SkipWithError("wrong line count");
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * file.Size());
}
BENCHMARK(BM_History_Load_1000000Lines)->Unit(benchmark::kMillisecond)->MinTime(2);

// Appending the 10,000th line: re-reading under the lock, writing the whole list, flushing the
// file and its directory.
void BM_History_Save_10000Lines(benchmark::State& state) {
  const HistoryFixtureFile file(kSaveLines - 1);
  const QByteArray line = MakeHistoryLine({95, 207}, kSaveLines);
  for (auto _ : state) {
    state.PauseTiming();
    file.Rewrite();
    HistoryList list(file.Path());
    list.Load();
    state.ResumeTiming();
    list.AppendAndSave(line);
  }
}
BENCHMARK(BM_History_Save_10000Lines)->Unit(benchmark::kMillisecond)->MinTime(2);

long StatusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string name;
  long value = -1;
  while (status >> name) {
    if (name == field) {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

struct LoadMemory {
  long Peak = -1;  // bytes the load added at its highest
  long Held = -1;  // bytes the loaded list still holds
};

// Resident memory added by one load, measured in a fresh child process: its high-water mark is
// reset to the current size just before the load and read after it. The heap's free pages are
// handed back first, so that memory left over from the benchmarks before cannot hide the load's.
LoadMemory LoadBytes(const QString& path) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKilobytes("VmRSS:");
    LoadMemory memory;
    {
      HistoryList list(path);
      list.Load();
      memory.Peak = (StatusKilobytes("VmHWM:") - before) * 1024;
      memory.Held = (StatusKilobytes("VmRSS:") - before) * 1024;
    }
    const ssize_t written = write(pipeEnds[1], &memory, sizeof memory);
    _exit(written == sizeof memory ? 0 : 1);
  }
  close(pipeEnds[1]);
  LoadMemory memory;
  if (read(pipeEnds[0], &memory, sizeof memory) != sizeof memory) memory = {};
  close(pipeEnds[0]);
  waitpid(child, nullptr, 0);
  return memory;
}

void BM_History_LoadPeakMemory_1000000Lines(benchmark::State& state) {
  const HistoryFixtureFile& file = BigFile();
  LoadMemory memory;
  for (auto _ : state) memory = LoadBytes(file.Path());
  if (memory.Peak < 0) state.SkipWithError("could not measure the child's peak memory");
  state.counters["peak_MB"] = double(memory.Peak) / 1e6;
  state.counters["held_MB"] = double(memory.Held) / 1e6;
  state.counters["file_MB"] = double(file.Size()) / 1e6;
  state.counters["peak_per_file_byte"] = double(memory.Peak) / double(file.Size());
}
BENCHMARK(BM_History_LoadPeakMemory_1000000Lines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
