// The result graph picture in QCustomPlot, drawn with toPainter into the image.
#include <qcustomplot.h>

#include "bench/PeerResultGraph.h"

namespace {

class CustomPlotGraph : public PeerResultGraph {
 public:
  CustomPlotGraph(const std::vector<ResultSample>& samples, CustomPlotLook look) {
    const QFont labelFont("IPAPMincho", 9);
    plot_.resize(kGraphWidth, kGraphHeight);
    plot_.plotLayout()->insertRow(0);
    plot_.plotLayout()->addElement(0, 0, new QCPTextElement(&plot_, QStringLiteral("結果グラフ")));

    QVector<double> keys, rates, seconds;
    for (size_t i = 0; i < samples.size(); ++i) {
      keys.append(double(i));
      rates.append(samples[i].Rate);
      seconds.append(samples[i].Seconds);
    }
    auto* bars = new QCPBars(plot_.xAxis, plot_.yAxis);
    bars->setData(keys, rates, true);
    bars->setWidth(0.7);
    QCPGraph* line = plot_.addGraph(plot_.xAxis, plot_.yAxis2);
    line->setData(keys, seconds, true);
    line->setPen(QPen(Qt::blue));
    if (look == CustomPlotLook::Fastest) {
      bars->setPen(Qt::NoPen);
      bars->setBrush(Qt::red);
      plot_.setNotAntialiasedElements(QCP::aeAll);
      plot_.setPlottingHint(QCP::phFastPolylines, true);
    } else {
      bars->setPen(QPen(Qt::red));
      bars->setBrush(QColor(255, 0, 0, 50));
    }

    plot_.xAxis->setRange(-0.5, qMax(0.5, double(samples.size()) - 0.5));
    plot_.yAxis->setRange(0, 100);
    plot_.yAxis->setLabel(QStringLiteral("正答率（％）"));
    plot_.yAxis2->setVisible(true);
    plot_.yAxis2->setRange(100, 300);
    plot_.yAxis2->setLabel(QStringLiteral("所要時間（秒）"));
    for (QCPAxis* axis : {plot_.xAxis, plot_.yAxis, plot_.yAxis2}) {
      axis->setTickLabelFont(labelFont);
      axis->setLabelFont(labelFont);
    }
  }

  void Render(QImage& image) override {
    image.fill(Qt::white);
    QCPPainter painter(&image);
    plot_.toPainter(&painter, kGraphWidth, kGraphHeight);
  }

 private:
  QCustomPlot plot_;
};

}  // namespace

std::unique_ptr<PeerResultGraph> MakeCustomPlotGraph(const std::vector<ResultSample>& samples,
                                                     CustomPlotLook look) {
  return std::make_unique<CustomPlotGraph>(samples, look);
}
