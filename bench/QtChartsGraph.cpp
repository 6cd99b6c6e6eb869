// The result graph picture in Qt Charts: a QChart in a QGraphicsScene, rendered into the image.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include "bench/PeerResultGraph.h"

namespace {

class QtChartsGraph : public PeerResultGraph {
 public:
  explicit QtChartsGraph(const std::vector<ResultSample>& samples) {
    const QFont labelFont("IPAPMincho", 9);
    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->hide();
    chart_->setTitle(QStringLiteral("結果グラフ"));

    auto* rates = new QBarSet(QStringLiteral("正答率"));
    rates->setColor(Qt::red);
    rates->setBorderColor(Qt::black);
    QList<qreal> rateValues;
    QList<QPointF> timePoints;
    rateValues.reserve(qsizetype(samples.size()));
    timePoints.reserve(qsizetype(samples.size()));
    for (size_t i = 0; i < samples.size(); ++i) {
      rateValues.append(samples[i].Rate);
      timePoints.append(QPointF(qreal(i), samples[i].Seconds));
    }
    rates->append(rateValues);
    auto* bars = new QBarSeries;
    bars->append(rates);
    bars->setBarWidth(0.7);
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("所要時間"));
    line->setColor(Qt::blue);
    line->replace(timePoints);
    chart_->addSeries(bars);
    chart_->addSeries(line);

    auto* bottom = new QValueAxis;
    bottom->setRange(-0.5, qMax<qreal>(0.5, qreal(samples.size()) - 0.5));
    auto* left = new QValueAxis;
    left->setRange(0, 100);
    left->setTitleText(QStringLiteral("正答率（％）"));
    auto* right = new QValueAxis;
    right->setRange(100, 300);
    right->setTitleText(QStringLiteral("所要時間（秒）"));
    for (QValueAxis* axis : {bottom, left, right}) {
      axis->setLabelsFont(labelFont);
      axis->setTitleFont(labelFont);
    }
    chart_->addAxis(bottom, Qt::AlignBottom);
    chart_->addAxis(left, Qt::AlignLeft);
    chart_->addAxis(right, Qt::AlignRight);
    bars->attachAxis(bottom);
    bars->attachAxis(left);
    line->attachAxis(bottom);
    line->attachAxis(right);

    scene_.addItem(chart_);
    chart_->setGeometry(0, 0, kGraphWidth, kGraphHeight);
    // The layout is settled by posted events; let them run before the first repaint.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
  }

  void Render(QImage& image) override {
    image.fill(Qt::white);
    QPainter painter(&image);
    scene_.render(&painter, QRectF(image.rect()), QRectF(0, 0, kGraphWidth, kGraphHeight));
  }

 private:
  QGraphicsScene scene_;
  QChart* chart_;  // owned by the scene
};

}  // namespace

std::unique_ptr<PeerResultGraph> MakeQtChartsGraph(const std::vector<ResultSample>& samples) {
  return std::make_unique<QtChartsGraph>(samples);
}
