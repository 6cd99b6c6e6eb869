// Repaint of the result graph, 601 × 449 into a QImage, for N history lines: the program's own
// chart (the result graph window plotted from a history list, repainted into its bitmap) and the
// same picture by each peer. N = 0 is the empty chart, the floor. Building and plotting are outside
// the timing; one iteration is one full repaint.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "bench/BenchMain.h"
#include "bench/PeerResultGraph.h"
#include "graph/Unit2.h"

namespace {

using GraphFactory = std::function<std::unique_ptr<PeerResultGraph>(const std::vector<ResultSample>&)>;

void SavePicture(const QImage& image, const char* peer, int count) {
  if (PngDirectory().isEmpty()) return;
  image.save(QDir(PngDirectory()).filePath(QStringLiteral("%1-%2.png").arg(peer).arg(count)));
}

void TimeRepaint(benchmark::State& state, const char* peer, const GraphFactory& make) {
  const int count = int(state.range(0));
  const std::unique_ptr<PeerResultGraph> graph = make(MakeResultSamples(count));
  QImage image(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
  graph->Render(image);  // the first paint settles caches and layout
  for (auto _ : state) {
    graph->Render(image);
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  SavePicture(image, peer, count);
  state.counters["points"] = count;
}

void BM_Repaint_Pikutora(benchmark::State& state) {
  const int count = int(state.range(0));
  QTemporaryDir directory;
  const QString path = QDir(directory.path()).filePath(QStringLiteral("HIST.DAT"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(MakeHistoryFile(count)) < 0) {
    state.SkipWithError("cannot write the history file");
    return;
  }
  file.close();
  HistoryList history(path);
  TForm2 form(history);
  form.FormCreate();
  if (form.Replot().Count != 0) state.SkipWithError("history lines not plotted");
  form.Chart1->RenderToImage();
  for (auto _ : state) {
    const QImage& image = form.Chart1->RenderToImage();
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  SavePicture(form.Chart1->RenderToImage(), "pikutora", count);
  state.counters["points"] = count;
}

void BM_Repaint_QtCharts(benchmark::State& state) {
  TimeRepaint(state, "qtcharts", MakeQtChartsGraph);
}

void BM_Repaint_QCustomPlot(benchmark::State& state) {
  TimeRepaint(state, "qcustomplot", [](const std::vector<ResultSample>& samples) {
    return MakeCustomPlotGraph(samples, CustomPlotLook::Default);
  });
}

void BM_Repaint_QCustomPlotFastest(benchmark::State& state) {
  TimeRepaint(state, "qcustomplot-fastest", [](const std::vector<ResultSample>& samples) {
    return MakeCustomPlotGraph(samples, CustomPlotLook::Fastest);
  });
}

void PointCounts(benchmark::internal::Benchmark* b) {
  for (int n : {0, 100, 1000, 10000, 100000}) b->Arg(n);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Repaint_Pikutora)->Apply(PointCounts);
BENCHMARK(BM_Repaint_QtCharts)->Apply(PointCounts);
BENCHMARK(BM_Repaint_QCustomPlot)->Apply(PointCounts);
BENCHMARK(BM_Repaint_QCustomPlotFastest)->Apply(PointCounts);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
