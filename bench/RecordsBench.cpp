// The answer records: recording a finished drill's 100 answers, flushed to disk, into a database
// that already holds 1,000,000; and opening the review window on that database until its first
// frame shows the records.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "bench/BenchMain.h"
#include "drill/Problem.h"
#include "records/AnswerRecords.h"
#include "records/RecordsWriter.h"
#include "review/ReviewWindow.h"

namespace {

constexpr int kDrills = 10000;  // of 100 answers each
constexpr int kProblems = 100;

// A drill as a learner leaves it: problems from the generator, one in twenty missed, times of
// one to six seconds.
DrillRecord SampleDrill(Random& random, int index) {
  DrillRecord drill;
  drill.Started = QDateTime(QDate(2020, 1, 1), QTime(17, 0)).addSecs(qint64(index) * 6 * 3600);
  for (int n = 1; n <= kProblems; ++n) {
    const Problem p = NextProblem(random);
    AnswerRecord a;
    a.Number = n;
    a.Asked = FactOf(p);
    a.Expected = p.Answer;
    a.Right = random.Below(20) != 0;
    a.Typed = QString::number(a.Right ? p.Answer : p.Answer + 1);
    a.TimeMs = 1000 + random.Below(5000);
    drill.TotalMs += a.TimeMs;
    drill.Answers.push_back(a);
  }
  return drill;
}

// A database of 1,000,000 recorded answers in a directory of its own, made once.
class RecordsFixture {
 public:
  RecordsFixture() {
    Random random;
    std::vector<DrillRecord> drills;
    drills.reserve(kDrills);
    for (int i = 0; i < kDrills; ++i) drills.push_back(SampleDrill(random, i));
    WriteDrillRecords(Path(), drills);
  }
  QString Path() const { return QDir(directory_.path()).filePath(QStringLiteral("ANSWERS.DB")); }

 private:
  QTemporaryDir directory_;
};

const RecordsFixture& Fixture() {
  static const RecordsFixture fixture;
  return fixture;
}

void BM_Records_RecordDrill_100Answers(benchmark::State& state) {
  const QString path = Fixture().Path();
  Random random;
  random.Seed = 12345;
  int index = kDrills;
  for (auto _ : state) {
    state.PauseTiming();
    const DrillRecord drill = SampleDrill(random, index++);
    state.ResumeTiming();
    WriteDrillRecord(path, drill);
  }
}
BENCHMARK(BM_Records_RecordDrill_100Answers)->Unit(benchmark::kMillisecond)->MinTime(2);

// From making the window to its first frame with the records in it: the window reads them on the
// records' thread and fills in when they arrive.
void BM_Records_ReviewWindow_1000000Answers_FirstFrame(benchmark::State& state) {
  AnswerRecords records(Fixture().Path());
  for (auto _ : state) {
    ReviewWindow window(records, true);
    window.show();
    while (window.WeakList->topLevelItemCount() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    benchmark::DoNotOptimize(window.grab());
    state.PauseTiming();
    window.close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Records_ReviewWindow_1000000Answers_FirstFrame)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
