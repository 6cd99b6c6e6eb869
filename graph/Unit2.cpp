#include "graph/Unit2.h"

#include <QShowEvent>

#include "graph/ResultGraphChart.h"
#include "graph/ResultGraphSeries.h"
#include "graph/DrillResult.h"
#include "platform/Color.h"
#include "platform/Cp932.h"
#include "platform/DesktopCentre.h"
#include "platform/ErrorBox.h"
#include "platform/FontMap.h"
#include "platform/IntegerText.h"

TForm2::TForm2(HistoryList& history, QWidget* parent)
    : QDialog(parent), Series1(&series1_), Series2(&series2_), ListBox1(history) {
  setWindowTitle(QStringLiteral("結果グラフ"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(688, 446);
  setFont(LayoutFont(kFontPGothic, 12));
  QPalette pal = palette();
  const TColor face = ColorToRGB(clBtnFace);
  pal.setColor(QPalette::Window, QColor(RedOf(face), GreenOf(face), BlueOf(face)));
  setPalette(pal);
  setAutoFillBackground(true);

  Chart1 = new TChart(this);
  ApplyResultGraphLayout(*Chart1);
  ApplyResultGraphSeriesLayout(series1_, series2_);
  series1_.SetParentChart(Chart1);
  series2_.SetParentChart(Chart1);
  Chart1->setAccessibleName(QStringLiteral("結果グラフ"));
  Chart1->setAccessibleDescription(QStringLiteral("正解率と所要時間の推移"));

  Button1 = new QPushButton(QStringLiteral("閉じる"), this);
  Button1->setGeometry(608, 8, 75, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { RunHandler([this] { Button1Click(); }); });
  Button2 = new QPushButton(QStringLiteral("振り返り"), this);
  Button2->setGeometry(608, 40, 75, 25);
  Button2->setToolTip(QStringLiteral("答えの記録を振り返る [F2]"));
  Button2->setAccessibleDescription(Button2->toolTip());
  connect(Button2, &QPushButton::clicked, this, [this] { RunHandler([this] { Button2Click(); }); });

  move(DesktopCentre(size()));
}

void TForm2::FormCreate() { ListBox1.Load(); }

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

void TForm2::FormShow() {
  const Unreadable skipped = Replot();
  if (skipped.Count > 0) throw ConvertError(DecodeCp932(skipped.FirstField));
}

TForm2::Unreadable TForm2::Replot() {
  Series1->ClearPoints();
  Series2->ClearPoints();
  Unreadable skipped;
  for (qsizetype i = 0; i < ListBox1.Count(); ++i) {
    const DrillResultRead read = ReadDrillResult(ListBox1.At(i));
    if (!read.Result) {
      if (skipped.Count++ == 0) {
        skipped.FirstLine = i;
        skipped.FirstField = read.BadField;
      }
      continue;
    }
    const double x = static_cast<double>(i);
    Series1->AddPoint(x, read.Result->Rate, QString(), clAutoColor);
    Series2->AddPoint(x, static_cast<double>(read.Result->Seconds), QString(), clAutoColor);
  }
  return skipped;
}

void TForm2::Button1Click() { close(); }

void TForm2::Button2Click() {
  if (OnReview) OnReview();
}
