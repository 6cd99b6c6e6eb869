// The answer box: the key filter, Enter in both modes, the until-correct drill, the focus.
#include "tests/app/DrillHarness.h"
#include "drill/DrillText.h"

#include <QKeyEvent>

namespace {

using AnswerEntry = DrillHarness;

struct KeyCase {
  char16_t key;
  bool passes;
};

class KeyFilter : public DrillHarness, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, PassesDigitsFullStopBackspaceAndTheLettersUpToI) {
  QChar key(GetParam().key);
  form->Edit3KeyPress(key);
  EXPECT_EQ(key.isNull(), !GetParam().passes);
  EXPECT_EQ(form->Edit30->Tag, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilter,
                         testing::Values(KeyCase{u'0', true}, KeyCase{u'9', true}, KeyCase{u'.', true},
                                         KeyCase{0x08, true}, KeyCase{u'`', true}, KeyCase{u'a', true},
                                         KeyCase{u'i', true}, KeyCase{u'j', false}, KeyCase{u'z', false},
                                         KeyCase{u' ', false}, KeyCase{u'-', false}, KeyCase{u'+', false},
                                         KeyCase{u'A', false}, KeyCase{u'/', false}, KeyCase{u':', false},
                                         KeyCase{0x16, false}, KeyCase{0x1B, false}, KeyCase{0xFF21, false},
                                         KeyCase{0xFF0D, false}, KeyCase{0x3002, false}));

TEST_F(AnswerEntry, TypedTextKeepsOnlyTheAdmittedCharacters) {
  form->Edit30->setFocus();
  Type(QStringLiteral("1 -2j.a3Z"));
  EXPECT_EQ(form->Edit30->text(), QStringLiteral("12.a3"));
  QTest::keyClick(form->Edit30, Qt::Key_Backspace);
  EXPECT_EQ(form->Edit30->text(), QStringLiteral("12.a"));
  form->Edit30->setCursorPosition(0);
  QTest::keyClick(form->Edit30, Qt::Key_Delete);
  EXPECT_EQ(form->Edit30->text(), QStringLiteral("2.a"));
  EXPECT_TRUE(form->Edit30->alignment() & Qt::AlignRight);
}

// Keys whose text is more than one UTF-16 unit: a character outside the basic plane, several
// characters at once.
TEST_F(AnswerEntry, EveryCharacterOfAKeysTextIsFiltered) {
  form->Edit30->setFocus();
  for (const QString& text : {u"1𝟐"_qs, u"x-"_qs, u"２a"_qs}) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(form->Edit30, &key);
  }
  EXPECT_EQ(form->Edit30->text(), QStringLiteral("12a"));
}

struct EnterCase {
  const char* name;
  bool untilCorrect;
  QString text;
  int answered;    // the flag after Enter
  QString left;    // the box after Enter
  bool error;
};

class EnterKey : public DrillHarness, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, SetsTheFlagOrKeepsWaiting) {
  const auto& c = GetParam();
  form->CheckBox1->setChecked(c.untilCorrect);
  form->Label2->Tag = 7;
  form->Edit30->setText(c.text);
  Enter();
  EXPECT_EQ(form->Edit30->Tag, c.answered);
  EXPECT_EQ(form->Edit30->text(), c.left);
  EXPECT_EQ(errors.size(), c.error ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnterKey,
    testing::Values(EnterCase{"OffEmpty", false, "", 99, "", false}, EnterCase{"OffWrong", false, "8", 99, "8", false},
                    EnterCase{"OffText", false, "1.5", 99, "1.5", false}, EnterCase{"OnEmpty", true, "", 0, "", false},
                    EnterCase{"OnBlank", true, "  ", 0, "  ", false}, EnterCase{"OnRight", true, "007", 99, "007", false},
                    EnterCase{"OnWrong", true, "8", 0, "", false},
                    EnterCase{"OnText", true, "1.5", 0, "1.5", true}),
    [](const testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

TEST_F(AnswerEntry, UntilCorrectKeepsTheProblemUntilTheRightAnswer) {
  form->CheckBox1->setChecked(true);
  Problem first;
  Then([this, &first] {
    first = Shown();
    clock_.Advance(1000);
    Enter();  // empty: nothing happens
  });
  Then([this] {
    EXPECT_EQ(form->ListBox1->Count(), 0);
    clock_.Advance(2000);
    Type(QString::number(Shown().Answer + 3));
    Enter();
    EXPECT_TRUE(form->Edit30->text().isEmpty());  // emptied for another try
  });
  Then([this] {
    EXPECT_EQ(form->ListBox1->Count(), 0);
    clock_.Advance(500);
    Type(QStringLiteral("a"));
    Enter();  // not a number: the error, the text stays
    EXPECT_EQ(form->Edit30->text(), QStringLiteral("a"));
    form->Edit30->clear();
    clock_.Advance(3000);
    Type(QString::number(Shown().Answer));
    Enter();
  });
  Then([this] { form->Button2->click(); });
  RunDrill();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], QStringLiteral("'a' は整数ではありません."));
  ASSERT_EQ(form->ListBox1->Count(), 1);
  // every try belongs to the problem's time
  EXPECT_EQ(Line(0), ProblemLine(1, first, first.Answer, "00:06.500"));
}

TEST_F(AnswerEntry, AnswerTypedAheadIsJudgedAgainstTheNextProblem) {
  form->CheckBox1->setChecked(true);
  Problem next;
  Then([this, &next] {
    // The keys for problem 2 are queued before it is shown; the generator's copy tells its answer.
    Random copy = ProgramRandom();
    next = NextProblem(copy);
    Type(QString::number(Shown().Answer));
    Enter();
    for (QChar c : QString::number(next.Answer) + QChar(u'\r')) {
      int key = c == u'\r' ? Qt::Key_Return : Qt::Key_0 + (c.unicode() - u'0');
      QCoreApplication::postEvent(form->Edit30, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(c)));
    }
  });
  Then([this] { form->Button2->click(); });
  RunDrill();
  ASSERT_EQ(form->ListBox1->Count(), 2);
  EXPECT_EQ(Line(0).left(4), "  2:");
  EXPECT_EQ(Line(0).mid(16, 7), QByteArray::number(next.Answer).rightJustified(3) + "  OK");
}

TEST_F(AnswerEntry, CheckBoxClickMovesTheFocusToStart) {
  form->Edit30->setFocus();
  QApplication::processEvents();
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
  EXPECT_TRUE(form->CheckBox1->isChecked());
  EXPECT_EQ(form->focusWidget(), form->Button1);
}

TEST_F(AnswerEntry, FocusOtherThanByLeftClickSelectsTheWholeText) {
  form->Edit30->setText(QStringLiteral("123"));
  form->CheckBox1->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  QTest::keyClick(form->CheckBox1, Qt::Key_Tab);  // Edit30 follows CheckBox1
  ASSERT_EQ(form->focusWidget(), form->Edit30);
  EXPECT_EQ(form->Edit30->selectedText(), QStringLiteral("123"));

  form->Button1->setFocus(Qt::OtherFocusReason);
  form->Edit30->deselect();
  QTest::mouseClick(form->Edit30, Qt::LeftButton, {}, QPoint(90, 30));
  EXPECT_EQ(form->focusWidget(), form->Edit30);
  EXPECT_TRUE(form->Edit30->selectedText().isEmpty());
}

}  // namespace
