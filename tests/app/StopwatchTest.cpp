// The two stopwatch labels and their timers.
#include <QApplication>

#include "tests/app/DrillHarness.h"

namespace {

// Counts the layout requests an object receives.
class LayoutRequests : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::LayoutRequest) ++count;
    return false;
  }
};

struct Reading {
  int32_t start;
  uint32_t now;
  const char* minutes;
  const char* millis;
};

class StopwatchLabels : public DrillHarness, public testing::WithParamInterface<Reading> {};

TEST_P(StopwatchLabels, ShowTheTimeSinceTheDrillStart) {
  form->Timer1->Tag = GetParam().start;
  clock_.Set(GetParam().now);
  form->Timer1Timer();
  form->Timer2Timer();
  EXPECT_EQ(form->Label1->text(), QString::fromLatin1(GetParam().minutes));
  EXPECT_EQ(form->Label6->text(), QString::fromLatin1(GetParam().millis));
}

INSTANTIATE_TEST_SUITE_P(Cases, StopwatchLabels,
                         testing::Values(Reading{1000, 1000 + 754321, "12:34.", "321"},
                                         Reading{0, 59999, "00:59.", "999"}, Reading{0, 60000, "01:00.", "000"},
                                         // across the wrap of the tick count
                                         Reading{-16, 5, "00:00.", "021"},
                                         Reading{0, 6000000, "100:00.", "000"}));

using Stopwatch = DrillHarness;

TEST_F(Stopwatch, MinutesLabelFitsItsTextAndGrowsPastNinetyNineMinutes) {
  EXPECT_EQ(form->Label1->width(), 48);
  form->Timer1->Tag = 0;
  clock_.Set(6000000);
  form->Timer1Timer();
  EXPECT_EQ(form->Label1->width(), 56);
}

TEST_F(Stopwatch, MillisecondTicksAskTheWindowForNoLayoutWhileTheMinutesLabelStillGrows) {
  LayoutRequests requests;
  QApplication::processEvents();  // what the window's creation left queued
  form->installEventFilter(&requests);
  form->Timer1->Tag = 0;
  for (uint32_t now : {7u, 18u, 29u}) {
    clock_.Set(now);
    form->Timer2Timer();
    QApplication::processEvents();
  }
  EXPECT_EQ(form->Label6->text(), QStringLiteral("029"));
  EXPECT_EQ(form->Label6->geometry(), QRect(445, 11, 24, 16));
  EXPECT_EQ(requests.count, 0);
  // the minutes label changes its width with its text, so its new text asks for one
  clock_.Set(6000000);
  form->Timer1Timer();
  QApplication::processEvents();
  EXPECT_EQ(form->Label1->width(), 56);
  EXPECT_GE(requests.count, 1);
}

// The millisecond label draws its texts of digits from glyphs it keeps; the window looks the same
// as with a plain label laying each text out, for every text the stopwatch shows, for texts it
// leaves to the label, and after a change of font.
TEST_F(Stopwatch, MillisecondLabelShowsThePixelsOfAPlainLabel) {
  QWidget plainWindow;
  plainWindow.setFixedSize(form->size());
  plainWindow.setFont(form->font());
  plainWindow.setPalette(form->palette());
  auto* plain = new TLabel(&plainWindow);
  plain->setGeometry(form->Label6->geometry());
  plain->setFont(form->Label6->font());
  plain->setPalette(form->Label6->palette());
  plain->setAlignment(form->Label6->alignment());
  const QRect area = form->Label6->geometry();
  QStringList texts;
  for (int ms = 0; ms < 1000; ++ms) texts << QStringLiteral("%1").arg(ms, 3, 10, QLatin1Char('0'));
  texts << QStringLiteral("4\n5") << QStringLiteral("12a") << QString() << QStringLiteral("7");
  const auto expectSamePixels = [&] {
    for (const QString& text : texts) {
      form->Label6->setText(text);
      plain->setText(text);
      ASSERT_EQ(form->grab(area).toImage(), plainWindow.grab(area).toImage()) << text.toStdString();
    }
  };
  expectSamePixels();
  QFont other = form->Label6->font();
  other.setPixelSize(13);
  form->Label6->setFont(other);
  plain->setFont(other);
  texts.resize(12);
  expectSamePixels();
}

TEST_F(Stopwatch, DrillStartsBothTimersWithoutResettingTheLabels) {
  clock_.Set(5000);
  form->Label1->setText(QStringLiteral("03:27."));
  Then([this] {
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_EQ(form->Timer1->Tag, 5000);
    EXPECT_EQ(form->Button1->Tag, 5000);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("03:27."));
    form->Button2->click();
  });
  RunDrill();
  EXPECT_EQ(form->ListBox1->Count(), 0);
}

}  // namespace
