// The main window's layout: places, sizes, fonts, colours, texts, hints and focus order.
#include <QFontInfo>
#include <QScreen>
#include <QScrollBar>

#include "platform/Color.h"
#include "tests/app/DrillHarness.h"

namespace {

using FormLayout = DrillHarness;

struct Place {
  const char* name;
  QRect rect;
};

class ControlPlaces : public DrillHarness, public testing::WithParamInterface<Place> {};

TEST_P(ControlPlaces, SitWhereTheLayoutPutsThem) {
  std::map<std::string, QWidget*> controls{
      {"Edit1", form->Edit1},   {"Edit4", form->Edit4},         {"Edit2", form->Edit2},
      {"Label2", form->Label2}, {"Edit30", form->Edit30},       {"Label1", form->Label1},
      {"Label6", form->Label6}, {"Button1", form->Button1},     {"CheckBox1", form->CheckBox1},
      {"ListBox1", form->ListBox1}, {"Image1", form->Image1},   {"Button3", form->Button3},
      {"Button2", form->Button2}};
  EXPECT_EQ(controls.at(GetParam().name)->geometry(), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlPlaces,
    testing::Values(Place{"Edit1", {12, 12, 68, 69}}, Place{"Edit4", {88, 12, 68, 69}}, Place{"Edit2", {164, 12, 68, 69}},
                    Place{"Label2", {243, 16, 32, 64}}, Place{"Edit30", {286, 12, 97, 69}},
                    Place{"Label1", {397, 11, 48, 16}}, Place{"Label6", {445, 11, 24, 16}},
                    Place{"Button1", {395, 30, 75, 25}}, Place{"CheckBox1", {395, 62, 79, 17}},
                    Place{"ListBox1", {8, 88, 465, 148}}, Place{"Image1", {8, 241, 192, 27}},
                    Place{"Button3", {312, 241, 75, 25}}, Place{"Button2", {395, 241, 75, 25}}),
    [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

TEST_F(FormLayout, WindowIsFixedCentredWithCloseBoxOnly) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral(" (^-^)) ピクトラ"));
  EXPECT_EQ(form->size(), QSize(482, 272));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  Qt::WindowFlags flags = form->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(form->pos(), screen.topLeft() + QPoint((screen.width() - 482) / 2, (screen.height() - 272) / 2));
  EXPECT_TRUE(form->isVisible());
}

struct FontCase {
  const char* name;
  QString family;
  int pixels;
  QRgb text;
};

class ControlFonts : public DrillHarness, public testing::WithParamInterface<FontCase> {};

TEST_P(ControlFonts, UseTheMappedFontAndColour) {
  std::map<std::string, QWidget*> controls{{"Edit1", form->Edit1}, {"Edit4", form->Edit4}, {"Edit2", form->Edit2},
                                           {"Label2", form->Label2}, {"Edit30", form->Edit30}, {"Label1", form->Label1},
                                           {"Label6", form->Label6}, {"ListBox1", form->ListBox1},
                                           {"Button1", form->Button1}};
  QWidget* w = controls.at(GetParam().name);
  QFontInfo info(w->font());
  EXPECT_EQ(info.family(), GetParam().family);
  EXPECT_EQ(w->font().pixelSize(), GetParam().pixels);
  EXPECT_EQ(w->palette().color(w->foregroundRole()).rgb(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlFonts,
    testing::Values(FontCase{"Edit1", "IPAGothic", 64, qRgb(255, 255, 0)}, FontCase{"Edit4", "IPAGothic", 64, qRgb(255, 255, 0)},
                    FontCase{"Edit2", "IPAGothic", 64, qRgb(255, 255, 0)}, FontCase{"Label2", "IPAGothic", 64, qRgb(0, 0, 0)},
                    FontCase{"Edit30", "IPAGothic", 64, qRgb(0, 0, 0)}, FontCase{"Label1", "IPAGothic", 16, qRgb(0, 0, 255)},
                    FontCase{"Label6", "IPAGothic", 16, qRgb(0, 0, 255)}, FontCase{"ListBox1", "IPAGothic", 16, qRgb(0, 0, 0)},
                    FontCase{"Button1", "IPAPGothic", 12, qRgb(0, 0, 0)}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST_F(FormLayout, ProblemBoxesAreNavyWithCentredText) {
  for (QLabel* box : {form->Edit1, form->Edit4, form->Edit2}) {
    EXPECT_EQ(box->palette().color(QPalette::Window).rgb(), qRgb(0, 0, 0x80));
    EXPECT_TRUE(box->autoFillBackground());
    EXPECT_TRUE(box->alignment() & Qt::AlignHCenter);
  }
  EXPECT_EQ(form->palette().color(QPalette::Window).rgb(), QGuiApplication::palette().color(QPalette::Button).rgb());
}

TEST_F(FormLayout, TextsAndHints) {
  EXPECT_EQ(form->Label1->text(), QStringLiteral("00:00."));
  EXPECT_EQ(form->Label6->text(), QStringLiteral("000"));
  EXPECT_EQ(form->Label2->text(), QStringLiteral("="));
  EXPECT_EQ(form->Button1->text(), QStringLiteral("開始"));
  EXPECT_EQ(form->Button2->text(), QStringLiteral("終了"));
  EXPECT_EQ(form->Button3->text(), QStringLiteral("グラフ"));
  EXPECT_EQ(form->CheckBox1->text(), QStringLiteral("正解する迄"));
  EXPECT_FALSE(form->CheckBox1->isChecked());
  EXPECT_EQ(form->Button1->toolTip(), QStringLiteral("問題を開始する"));
  EXPECT_EQ(form->Button2->toolTip(), QStringLiteral("ピクトラを終了する"));
  EXPECT_EQ(form->Button3->toolTip(), QStringLiteral("結果グラフを表示する"));
  EXPECT_EQ(form->CheckBox1->toolTip(), QStringLiteral("[ﾚ]次の問題に進まない"));
  EXPECT_EQ(form->Edit30->toolTip(), QStringLiteral("計算式の答えを入力して[Enter]"));
  EXPECT_EQ(form->Timer1->interval(), 500);
  EXPECT_EQ(form->Timer2->interval(), 10);
  EXPECT_FALSE(form->Timer1->isActive() || form->Timer2->isActive());
  ASSERT_FALSE(form->Image1->pixmap().isNull());
  EXPECT_EQ(form->Image1->pixmap().size(), QSize(192, 27));
}

TEST_F(FormLayout, FocusGoesThroughTheSixControlsInOrder) {
  std::vector<QWidget*> order{form->Button1, form->Button2, form->ListBox1, form->Button3, form->CheckBox1, form->Edit30};
  EXPECT_EQ(form->focusWidget(), form->Button1);
  for (size_t i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << i;
  }
  for (QWidget* w : {static_cast<QWidget*>(form->Edit1), static_cast<QWidget*>(form->Label1),
                     static_cast<QWidget*>(form->Image1)})
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
}

// Two pixels of sunken border on each side, as the log has.
TEST_F(FormLayout, AnswerBoxHasTheSunkenBorderOfTheLog) {
  const QImage box = form->Edit30->grab().toImage();
  const QImage log = form->ListBox1->grab().toImage();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(box.pixel(i, 30), log.pixel(i, 30)) << i;
    EXPECT_EQ(box.pixel(40, i), log.pixel(40, i)) << i;
    EXPECT_EQ(box.pixel(box.width() - 1 - i, 30), log.pixel(log.width() - 1 - i, 30)) << i;
    EXPECT_EQ(box.pixel(40, box.height() - 1 - i), log.pixel(40, log.height() - 1 - i)) << i;
  }
  EXPECT_NE(box.pixel(0, 30), box.pixel(box.width() - 1, 30));  // shaded, not flat
}

// Where the program puts the focus on Start (at start-up, after the check box), the button shows
// it; Enter there starts no drill.
TEST_F(FormLayout, StartShowsTheFocusTheProgramGivesIt) {
  ASSERT_EQ(QApplication::focusWidget(), form->Button1);
  const QImage marked = form->Button1->grab().toImage();
  form->ListBox1->setFocus(Qt::MouseFocusReason);
  EXPECT_NE(form->Button1->grab().toImage(), marked);
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), form->Button1);
  EXPECT_EQ(form->Button1->grab().toImage(), marked.copy());

  bool started = false;
  QTimer watch;
  watch.setSingleShot(true);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    started = form->DrillRunning();
    if (started) form->Button2->click();
  });
  watch.start(0);
  QTest::keyClick(form->Button1, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(started);
}

TEST_F(FormLayout, LogShowsNineLinesOfSixteenPixels) {
  for (int i = 0; i < 20; ++i) form->ListBox1->InsertLine(0, "  1:  2 \x81\x7B 13 =  15  OK  \x81\x40   00:01.000");
  QApplication::processEvents();
  EXPECT_EQ(form->ListBox1->visualItemRect(form->ListBox1->item(1)).height(), 16);
  EXPECT_EQ(form->ListBox1->viewport()->height(), 9 * 16);
  EXPECT_TRUE(form->ListBox1->verticalScrollBar()->isVisible());
  EXPECT_EQ(form->ListBox1->item(0)->text(), QStringLiteral("  1:  2 ＋ 13 =  15  OK  　   00:01.000"));
}

}  // namespace
