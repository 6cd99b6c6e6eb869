#pragma once
// The result graph picture drawn by other charting libraries, for comparison only: red bars of the
// rate on a fixed 0–100 left scale, a blue line of the time on a fixed 100–300 right scale, title
// "結果グラフ", no legend, 601 × 449 pixels.
#include <QImage>
#include <memory>
#include <vector>

#include "bench/ResultSamples.h"

class PeerResultGraph {
 public:
  virtual ~PeerResultGraph() = default;
  // Draws the whole chart into the image (which is 601 × 449).
  virtual void Render(QImage& image) = 0;
};

constexpr int kGraphWidth = 601;
constexpr int kGraphHeight = 449;

std::unique_ptr<PeerResultGraph> MakeQtChartsGraph(const std::vector<ResultSample>& samples);

// QCustomPlot in its default look (outlined translucent bars, antialiased lines), or in its
// fastest set-up (opaque bars without outline, antialiasing off everywhere).
enum class CustomPlotLook { Default, Fastest };
std::unique_ptr<PeerResultGraph> MakeCustomPlotGraph(const std::vector<ResultSample>& samples,
                                                     CustomPlotLook look);
