// The result graph window on the offscreen platform: what each showing plots and draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "ResultGraphProbe.h"
#include "graph/HistoryChartRenderer.h"
#include "graph/Unit2.h"
#include "platform/ErrorBox.h"

namespace {

class ResultGraphWindow : public testing::Test {
 protected:
  ResultGraphWindow() {
    previous_ = SetErrorPresenter([this](const QString&, const QString& text) { errors.push_back(text); });
  }
  ~ResultGraphWindow() override { SetErrorPresenter(previous_); }

  QString Path() const { return dir_.filePath(QStringLiteral("HIST.DAT")); }

  // Creates the window as the program does, over a history file with these lines.
  void Open(const QList<QByteArray>& lines) {
    WriteFile(Path(), HistoryText(lines));
    history = std::make_unique<HistoryList>(Path());
    form = std::make_unique<TForm2>(*history);
    RunHandler([this] { form->FormCreate(); });
  }

  // Shows the window (as ShowModal does, without waiting for it to close) and gives the chart
  // as it paints itself.
  QImage Show() {
    form->show();
    QApplication::processEvents();
    return form->Chart1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  void Hide() {
    form->hide();
    QApplication::processEvents();
  }
  QImage ShowAgain() {
    Hide();
    return Show();
  }

  std::unique_ptr<HistoryList> history;
  std::unique_ptr<TForm2> form;
  QStringList errors;

 private:
  QTemporaryDir dir_;
  ErrorPresenter previous_;
};

TEST_F(ResultGraphWindow, IsAFixedCentredDialogWithTheChartAndTheCloseButton) {
  Open({});
  EXPECT_EQ(form->windowTitle(), QStringLiteral("結果グラフ"));
  EXPECT_EQ(form->size(), QSize(688, 446));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->Chart1->geometry(), QRect(0, 0, 601, 449));
  EXPECT_EQ(form->Button1->geometry(), QRect(608, 8, 75, 25));
  EXPECT_EQ(form->Button1->text(), QStringLiteral("閉じる"));
  const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(form->pos(), desktop.topLeft() + QPoint((desktop.width() - 688) / 2, (desktop.height() - 446) / 2));
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(form->Chart1->SeriesCount(), 2);
  EXPECT_EQ(form->Chart1->Series(0), form->Series1);
  EXPECT_EQ(form->Series2->GetVertAxis(), form->Chart1->RightAxis());
}

TEST_F(ResultGraphWindow, CloseButtonEndsTheModalShowing) {
  Open({DrillLine(3, 27, 418, 95)});
  QTimer::singleShot(0, form.get(), [this] { form->Button1->click(); });
  form->ShowModal();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Series1->PointCount(), 1);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ResultGraphWindow, EmptyHistoryShowsFrameTitleAndFixedScales) {
  Open({});
  const QImage image = Show();
  EXPECT_EQ(form->Series1->PointCount(), 0);
  EXPECT_EQ(form->Series2->PointCount(), 0);
  const TChart& chart = *form->Chart1;
  EXPECT_EQ(chart.LeftAxis()->Minimum(), 0);
  EXPECT_EQ(chart.LeftAxis()->Maximum(), 100);
  EXPECT_EQ(chart.RightAxis()->Minimum(), 100);
  EXPECT_EQ(chart.RightAxis()->Maximum(), 300);
  // Labels at both ends of both fixed scales.
  for (const TChartAxis* axis : {chart.LeftAxis(), chart.RightAxis()}) {
    const auto& ticks = axis->TickPositions();
    EXPECT_NE(std::find(ticks.begin(), ticks.end(), axis->ValueToPixel(axis->Minimum())), ticks.end());
    EXPECT_NE(std::find(ticks.begin(), ticks.end(), axis->ValueToPixel(axis->Maximum())), ticks.end());
  }
  // The title's text is drawn in its band; the clear back wall lets the panel show through.
  const TRect& title = chart.Title().TitleBounds();
  const QRect titleArea(title.Left, title.Top, title.Width(), title.Height());
  EXPECT_GT(titleArea.width() * titleArea.height() - CountColor(image, titleArea, ColorToRGB(clBtnFace)), 20);
  EXPECT_EQ(PixelColor(image, BackWallSpot(*form)), ColorToRGB(clBtnFace));
  EXPECT_EQ(CountColor(image, image.rect(), clRed), 0);
}

TEST_F(ResultGraphWindow, OneDrillIsOneBarOfItsRateAndOneLinePointOfItsSeconds) {
  Open({DrillLine(3, 27, 418, 95)});
  const QImage image = Show();
  ASSERT_EQ(form->Series1->PointCount(), 1);
  ASSERT_EQ(form->Series2->PointCount(), 1);
  EXPECT_EQ(form->Series1->XValue(0), 0);
  EXPECT_EQ(form->Series1->YValue(0), 95);
  EXPECT_EQ(form->Series2->XValue(0), 0);
  EXPECT_EQ(form->Series2->YValue(0), 207);
  EXPECT_EQ(form->Series1->CalcYPos(0), form->Chart1->LeftAxis()->ValueToPixel(95));
  EXPECT_EQ(PixelColor(image, BarFront(*form, 0)), clRed);
  EXPECT_NE(PixelColor(image, AboveBarFront(*form, 0)), clRed);
  const QRect mark = MarkBox(*form, 0);
  ASSERT_FALSE(mark.isEmpty());
  // The box's fill shows beside the text.
  EXPECT_GT(CountColor(image, mark, form->Series1->Marks().BackColor()), mark.width() * mark.height() / 4);
  EXPECT_TRUE(errors.isEmpty());
}

// Times below 100 s and above 300 s lie off the fixed right scale: the line is cut at the box.
TEST_F(ResultGraphWindow, TimesOffTheRightScaleAreCutAtThePlotBox) {
  Open({DrillLine(3, 27, 418, 95), DrillLine(0, 45, 0, 80), DrillLine(7, 0, 0, 60), DrillLine(3, 0, 0, 70)});
  const QImage image = Show();
  const TChart& chart = *form->Chart1;
  const TRect& plot = chart.PlotRect();
  const QRect below(0, plot.Bottom + 1, image.width(), image.height() - plot.Bottom - 1);
  // Between the title (blue text of its own) and the top of the box's back.
  const int titleBottom = chart.Title().TitleBounds().Bottom;
  const QRect above(0, titleBottom, image.width(), plot.Top - chart.ChartDepth() - titleBottom);
  EXPECT_EQ(CountColor(image, below, clBlue), 0);
  EXPECT_EQ(CountColor(image, above, clBlue), 0);
  EXPECT_GT(CountColor(image, image.rect(), clBlue), 50);
}

TEST_F(ResultGraphWindow, ShowingTwiceGivesTheSameImage) {
  Open({DrillLine(3, 27, 418, 95), DrillLine(2, 5, 0, 40), DrillLine(4, 59, 999, 100)});
  const QImage first = Show();
  const QImage second = ShowAgain();
  EXPECT_EQ(form->Series1->PointCount(), 3);
  EXPECT_EQ(first, second);
}

TEST_F(ResultGraphWindow, EachShowingIncludesTheDrillsFinishedSince) {
  Open({DrillLine(3, 27, 418, 95)});
  Show();
  Hide();
  history->AppendAndSave(DrillLine(2, 0, 0, 70));
  const QImage image = Show();
  ASSERT_EQ(form->Series1->PointCount(), 2);
  EXPECT_EQ(form->Series1->YValue(1), 70);
  EXPECT_EQ(form->Series2->YValue(1), 120);
  EXPECT_EQ(PixelColor(image, BarFront(*form, 1)), clRed);
}

TEST_F(ResultGraphWindow, ScalesChangedByTheUserStayAcrossShowings) {
  Open({DrillLine(3, 27, 418, 95), DrillLine(2, 5, 0, 40)});
  Show();
  form->Chart1->LeftAxis()->SetRange(20, 60);
  form->Chart1->BottomAxis()->SetRange(0.5, 1.5);
  ShowAgain();
  EXPECT_EQ(form->Chart1->LeftAxis()->Minimum(), 20);
  EXPECT_EQ(form->Chart1->LeftAxis()->Maximum(), 60);
  EXPECT_EQ(form->Chart1->BottomAxis()->Minimum(), 0.5);
  EXPECT_FALSE(form->Chart1->BottomAxis()->Automatic());
}

struct UnreadableCase {
  const char* name;
  QList<QByteArray> lines;
  QList<double> plottedX;
  QList<double> plottedSeconds;
  QString error;  // of the first unreadable line; empty when every line is read
};

class UnreadableLines : public ResultGraphWindow, public testing::WithParamInterface<UnreadableCase> {};

// A line that cannot be read is left out, every other one is plotted at its own index, and the
// first bad field is reported once per showing.
TEST_P(UnreadableLines, AreSkippedAndReportedOncePerShowing) {
  const UnreadableCase& c = GetParam();
  Open(c.lines);
  Show();
  ShowAgain();
  QList<double> x, seconds;
  for (int i = 0; i < form->Series2->PointCount(); ++i) {
    x.push_back(form->Series2->XValue(i));
    seconds.push_back(form->Series2->YValue(i));
    EXPECT_EQ(form->Series1->XValue(i), form->Series2->XValue(i));
  }
  EXPECT_EQ(form->Series1->PointCount(), form->Series2->PointCount());
  EXPECT_EQ(x, c.plottedX);
  EXPECT_EQ(seconds, c.plottedSeconds);
  if (c.error.isEmpty()) {
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
  } else {
    EXPECT_EQ(errors, QStringList({ErrorBoxText(c.error), ErrorBoxText(c.error)}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Histories, UnreadableLines,
    testing::Values(
        UnreadableCase{"ThreeDigitMinutesAreRead",
                       {DrillLine(3, 27, 418, 95), DrillLine(100, 5, 0, 88), DrillLine(1234, 59, 1, 7)},
                       {0, 1, 2},
                       {207, 6005, 74099},
                       {}},
        UnreadableCase{"GarbageInTheMiddle",
                       {DrillLine(3, 27, 418, 95), "garbage", DrillLine(2, 0, 0, 50)},
                       {0, 2},
                       {207, 120},
                       QStringLiteral("'' は整数ではありません")},
        UnreadableCase{"FirstOfSeveralIsReported",
                       {DrillLine(1, 0, 0, 10), DrillLine(1, 0, 0, 10).replace(26, 3, " 9x"),
                        DrillLine(1, 0, 0, 10).replace(12, 2, "5?"), DrillLine(1, 1, 0, 10)},
                       {0, 3},
                       {60, 61},
                       QStringLiteral("' 9x' は整数ではありません")},
        UnreadableCase{"EveryLineUnreadable", {"x", QByteArray()}, {}, {}, QStringLiteral("'' は整数ではありません")}),
    [](const testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.name); });

TEST_F(ResultGraphWindow, RendererDrawsExactlyWhatTheWindowShows) {
  QList<QByteArray> lines;
  for (int i = 0; i < 7; ++i) lines.push_back(DrillLine(1 + i % 4, 7 * i, 0, 30 + 10 * i));
  lines.insert(3, "hand-edited");
  Open(lines);
  const QImage shown = Show();
  const RenderedHistory rendered = RenderHistoryFile(Path());
  EXPECT_EQ(rendered.Lines, 8);
  EXPECT_EQ(rendered.Skipped.Count, 1);
  EXPECT_EQ(rendered.Skipped.FirstLine, 3);
  EXPECT_EQ(rendered.Image.size(), QSize(601, 449));
  EXPECT_EQ(rendered.Image.convertToFormat(QImage::Format_RGB32), shown);
}

}  // namespace
