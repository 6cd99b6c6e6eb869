// The answer box under an input method: full-width digits and full stop count as ASCII, and
// whatever else is committed passes through the key filter.
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "tests/app/DrillHarness.h"

namespace {

struct WideKey {
  char16_t wide;
  char16_t ascii;
};

class FullWidthKey : public DrillHarness, public testing::WithParamInterface<WideKey> {};

TEST_P(FullWidthKey, CountsAsItsAsciiForm) {
  QChar key(GetParam().wide);
  form->Edit3KeyPress(key);
  EXPECT_EQ(key.unicode(), GetParam().ascii);
}

INSTANTIATE_TEST_SUITE_P(Keys, FullWidthKey,
                         testing::Values(WideKey{0xFF10, u'0'}, WideKey{0xFF11, u'1'}, WideKey{0xFF15, u'5'},
                                         WideKey{0xFF19, u'9'}, WideKey{0xFF0E, u'.'}));

struct CommitCase {
  const char* name;
  QString before;      // the box's text before the commit, cursor at its end
  bool selectAll;      // the whole text selected, as after the box takes the focus
  QString preedit;     // a composition shown before the commit
  QString commit;
  QString after;
};

class InputMethodCommit : public DrillHarness, public testing::WithParamInterface<CommitCase> {};

TEST_P(InputMethodCommit, InsertsTheAdmittedCharacters) {
  const auto& c = GetParam();
  form->Edit30->setFocus();
  form->Edit30->setText(c.before);
  if (c.selectAll) form->Edit30->selectAll();
  if (!c.preedit.isEmpty()) {
    QInputMethodEvent composing(c.preedit, {});
    QApplication::sendEvent(form->Edit30, &composing);
  }
  QInputMethodEvent commit;
  commit.setCommitString(c.commit);
  QApplication::sendEvent(form->Edit30, &commit);
  EXPECT_EQ(form->Edit30->text(), c.after);
  EXPECT_EQ(form->Edit30->Tag, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commits, InputMethodCommit,
    testing::Values(CommitCase{"FullWidthFirst", "", false, "", u"１"_qs, "1"},
                    CommitCase{"FullWidthNumber", "", false, "", u"１２．５"_qs, "12.5"},
                    CommitCase{"AppendsToTyped", "4", false, "", u"０"_qs, "40"},
                    CommitCase{"ReplacesSelection", "77", true, "", u"３"_qs, "3"},
                    CommitCase{"AfterComposition", "", false, u"よん"_qs, u"４"_qs, "4"},
                    CommitCase{"AsciiDigits", "", false, "", "98", "98"},
                    CommitCase{"KanaDropped", "", false, "", u"よん"_qs, ""},
                    CommitCase{"KanjiAndSignsDropped", "1", false, "", u"四－＋。 -"_qs, "1"},
                    CommitCase{"MixedKeepsDigitsOnly", "", false, "", u"１万２"_qs, "12"},
                    CommitCase{"FullWidthLettersDropped", "", false, "", u"ＡＢ"_qs, ""},
                    CommitCase{"HalfWidthLettersUpToI", "", false, "", "aiz", "ai"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputMethodCommit, AnswerCommittedByAnInputMethodIsJudged) {
  form->CheckBox1->setChecked(true);
  form->Label2->Tag = 12;
  form->Edit30->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(u"１２"_qs);
  QApplication::sendEvent(form->Edit30, &commit);
  Enter();
  EXPECT_EQ(form->Edit30->Tag, 99);
}

TEST_F(InputMethodCommit, TypedFullWidthCharactersEnterTheBoxAsAscii) {
  form->Edit30->setFocus();
  for (QChar c : u"３．１４"_qs) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(form->Edit30, &key);
  }
  EXPECT_EQ(form->Edit30->text(), QStringLiteral("3.14"));
  EXPECT_TRUE(form->Edit30->testAttribute(Qt::WA_InputMethodEnabled));
}

}  // namespace
