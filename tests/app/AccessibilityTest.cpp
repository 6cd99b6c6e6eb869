// What a screen reader reads of the main window: names, descriptions and the shown texts.
#include <QAccessible>

#include "tests/app/DrillHarness.h"

namespace {

struct Exposed {
  const char* name;
  QWidget* (*widget)(TForm1&);
  QString accessibleName;  // empty: the widget's shown text
  QString description;
};

class Accessibility : public DrillHarness, public testing::WithParamInterface<Exposed> {};

TEST_P(Accessibility, ExposesNameAndDescription) {
  QWidget* w = GetParam().widget(*form);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), GetParam().accessibleName);
  EXPECT_EQ(a->text(QAccessible::Description), GetParam().description);
}

#define MEMBER(m) [](TForm1& f) -> QWidget* { return f.m; }

INSTANTIATE_TEST_SUITE_P(
    Controls, Accessibility,
    testing::Values(Exposed{"Answer", MEMBER(Edit30), u"答え"_qs, u"計算式の答えを入力して[Enter]"_qs},
                    Exposed{"Start", MEMBER(Button1), u"開始"_qs, u"問題を開始する"_qs},
                    Exposed{"Quit", MEMBER(Button2), u"終了"_qs, u"ピクトラを終了する"_qs},
                    Exposed{"Graph", MEMBER(Button3), u"グラフ"_qs, u"結果グラフを表示する"_qs},
                    Exposed{"UntilCorrect", MEMBER(CheckBox1), u"正解する迄"_qs, u"[ﾚ]次の問題に進まない"_qs},
                    Exposed{"Log", MEMBER(ListBox1), u"結果"_qs, ""},
                    Exposed{"Equals", MEMBER(Label2), u"="_qs, ""},
                    Exposed{"Minutes", MEMBER(Label1), u"00:00."_qs, u"経過時間"_qs},
                    Exposed{"Millis", MEMBER(Label6), u"000"_qs, u"経過時間のミリ秒"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrillHarness, ProblemBoxesExposeTheProblemShown) {
  form->Edit1->setText(QStringLiteral("12"));
  form->Edit4->setText(QStringLiteral("×"));
  for (auto [box, text, role] : {std::tuple{static_cast<QWidget*>(form->Edit1), u"12"_qs, u"左の数"_qs},
                                 std::tuple{static_cast<QWidget*>(form->Edit4), u"×"_qs, u"演算子"_qs}}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(a->text(QAccessible::Name), text);
    EXPECT_EQ(a->text(QAccessible::Description), role);
  }
}

TEST_F(DrillHarness, ResultGraphWindowNamesItsControls) {
  TForm2 graph(*history);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(graph.Chart1)->text(QAccessible::Name), u"結果グラフ"_qs);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(graph.Chart1)->text(QAccessible::Description).isEmpty());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(graph.Button1)->text(QAccessible::Name), u"閉じる"_qs);
}

}  // namespace
