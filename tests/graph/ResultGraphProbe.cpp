#include "ResultGraphProbe.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <algorithm>

#include "graph/Unit2.h"
#include "history/HistoryText.h"
#include "history/SummaryLine.h"
#include "tests/chart/canvas/PixelImage.h"

QByteArray DrillLine(int minutes, int seconds, int millis, int correct) {
  const QByteArray label1 = QByteArray::number(minutes).rightJustified(2, '0') + ':' +
                            QByteArray::number(seconds).rightJustified(2, '0') + '.';
  const QByteArray label6 = QByteArray::number(millis).rightJustified(3, '0');
  return BuildSummaryLine(label1, label6, correct, QDateTime(QDate(2006, 2, 13), QTime(9, 10, 32)), {});
}

QByteArray HistoryText(const QList<QByteArray>& lines) {
  return JoinHistoryText(lines);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
}

ProgramRun RunProgram(const QString& program, const QStringList& args, const QString& directory,
                      const std::function<void()>& childSetUp) {
  QProcess p;
  p.setWorkingDirectory(directory);
  if (childSetUp) p.setChildProcessModifier(childSetUp);
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

namespace {

QPoint ToQPoint(TPoint p) { return {p.X, p.Y}; }

}  // namespace

QPoint BarFront(const TForm2& form, int index) {
  const TBarSeries& bars = *form.Series1;
  const int x = bars.CalcXPos(index) + bars.BarPixelWidth / 2;
  const int top = bars.CalcYPos(index);
  const int origin = bars.GetVertAxis()->ValueToPixel(0);
  return ToQPoint(form.Chart1->Canvas().Project(x, (top + origin) / 2, bars.ZFront));
}

QPoint AboveBarFront(const TForm2& form, int index) {
  const TBarSeries& bars = *form.Series1;
  const int x = bars.CalcXPos(index) + bars.BarPixelWidth / 2;
  return ToQPoint(form.Chart1->Canvas().Project(x, bars.CalcYPos(index) - 2, bars.ZFront));
}

QRect BarFrontInside(const TForm2& form, int index) {
  const TBarSeries& bars = *form.Series1;
  const int left = bars.CalcXPos(index);
  const int top = std::min(bars.CalcYPos(index), bars.GetVertAxis()->ValueToPixel(0));
  const int bottom = std::max(bars.CalcYPos(index), bars.GetVertAxis()->ValueToPixel(0));
  const TPoint p = form.Chart1->Canvas().Project(left, top, bars.ZFront);
  return {p.X + 1, p.Y + 1, bars.BarPixelWidth - 2, bottom - top - 2};
}

QRect MarkBox(const TForm2& form, int index) {
  const TSeriesMarkPosition* mark = form.Series1->Marks().Positions().Stored(index);
  if (!mark) return {};
  // The box is drawn flat, placed by the projected end of its arrow.
  const TPoint end = form.Chart1->Canvas().Project(mark->ArrowEnd, form.Series1->Marks().MarkDepth);
  return {end.X - (mark->ArrowEnd.X - mark->BoxTopLeft.X), end.Y - (mark->ArrowEnd.Y - mark->BoxTopLeft.Y),
          mark->BoxWidth, mark->BoxHeight};
}

QPoint BackWallSpot(const TForm2& form) {
  const TChart& chart = *form.Chart1;
  const TRect& plot = chart.PlotRect();
  const int y = chart.LeftAxis()->ValueToPixel(2.5);
  return ToQPoint(chart.Canvas().Project(plot.Left + plot.Width() / 4, y, chart.ChartDepth()));
}

TColor PixelColor(const QImage& image, QPoint p) { return PixelAt(image, p.x(), p.y()); }

int CountColor(const QImage& image, const QRect& area, TColor color) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.rect().contains(x, y) && PixelColor(image, {x, y}) == color) ++count;
  return count;
}

int CountPixels(const QImage& image, const QRect& area, bool (*test)(TColor)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.rect().contains(x, y) && test(PixelColor(image, {x, y}))) ++count;
  return count;
}
