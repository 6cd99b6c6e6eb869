#include "platform/ErrorBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/AppError.h"

namespace {

struct Title {
  QString path;
  QString title;
};

class ApplicationTitles : public testing::TestWithParam<Title> {};

TEST_P(ApplicationTitles, FollowTheExecutableName) { EXPECT_EQ(ApplicationTitle(GetParam().path), GetParam().title); }

INSTANTIATE_TEST_SUITE_P(Cases, ApplicationTitles,
                         testing::Values(Title{"/work/main/build/pikutora", "pikutora"},
                                         Title{"C:/Tools/PIKUTORA.EXE", "Pikutora"}, Title{"Drill.v2.exe", "Drill"},
                                         Title{"/opt/mYAPP", "myapp"}, Title{".hidden", ""}, Title{"", ""}));

struct BoxText {
  QString message;
  QString shown;
};

class ErrorBoxTexts : public testing::TestWithParam<BoxText> {};

TEST_P(ErrorBoxTexts, GetAFullStopAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorBoxTexts,
    testing::Values(BoxText{QStringLiteral("'x' は整数ではありません"), QStringLiteral("'x' は整数ではありません.")},
                    BoxText{"Disk full", "Disk full."}, BoxText{"done.", "done."}, BoxText{"Why?", "Why?."},
                    BoxText{"(1)", "(1)"}, BoxText{"code 5", "code 5."}, BoxText{"a/", "a/."},
                    BoxText{"a-", "a-"}, BoxText{"", ""}));

class Recorder {
 public:
  Recorder()
      : previous_(SetErrorPresenter([this](const QString& caption, const QString& text) {
          captions.push_back(caption);
          texts.push_back(text);
        })) {}
  ~Recorder() { SetErrorPresenter(previous_); }
  std::vector<QString> captions, texts;

 private:
  ErrorPresenter previous_;
};

TEST(RunHandler, ShowsAnEscapingErrorAndGoesOn) {
  Recorder rec;
  bool cleanedUp = false;
  RunHandler([&] {
    struct CleanUp {
      bool& flag;
      ~CleanUp() { flag = true; }
    } c{cleanedUp};
    throw AppError(QStringLiteral("ファイルを作成できません"));
  });
  EXPECT_TRUE(cleanedUp);
  RunHandler([] { throw std::runtime_error("plain"); });
  RunHandler([] {});
  ASSERT_EQ(rec.texts.size(), 2u);
  EXPECT_EQ(rec.texts[0], QStringLiteral("ファイルを作成できません."));
  EXPECT_EQ(rec.texts[1], QStringLiteral("plain."));
  EXPECT_EQ(rec.captions[0], ApplicationTitle(QCoreApplication::applicationFilePath()));
}

TEST(ErrorBox, IsAnApplicationModalStopBoxAndGivesTheFocusBack) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit;
  auto* other = new QPushButton(QStringLiteral("b"));
  layout->addWidget(other);
  layout->addWidget(edit);
  window.show();
  window.activateWindow();
  edit->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::WindowModality modality = Qt::NonModal;
  QString caption, text;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    modality = box->windowModality();
    caption = box->windowTitle();
    text = box->text();
    buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
  ShowErrorBox(QStringLiteral("'a' は整数ではありません"));
  for (int i = 0; i < 20 && QApplication::focusWidget() != edit; ++i) QApplication::processEvents();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(modality, Qt::ApplicationModal);
  EXPECT_EQ(caption, ApplicationTitle(QCoreApplication::applicationFilePath()));
  EXPECT_EQ(text, QStringLiteral("'a' は整数ではありません."));
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(QApplication::focusWidget(), edit);
}

}  // namespace
