#include "app/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

#include "drill/DrillText.h"
#include "drill/Problem.h"
#include "drill/RandomDrill.h"
#include "history/SummaryLine.h"
#include "platform/Color.h"
#include "platform/Cp932.h"
#include "platform/DesktopCentre.h"
#include "platform/ErrorBox.h"
#include "platform/FontMap.h"
#include "platform/Format.h"
#include "platform/IntegerText.h"
#include "platform/JpegImage.h"
#include "platform/TickClock.h"
#include "review/ReviewQueue.h"
#include "review/ReviewText.h"
#include "review/ReviewWindow.h"

namespace {

constexpr int kFlagSet = 99;

QColor ToQColor(TColor c) {
  TColor rgb = ColorToRGB(c);
  return {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)};
}

void SetColors(QWidget* w, TColor background, TColor text) {
  QPalette pal = w->palette();
  if (background != clNone) {
    pal.setColor(QPalette::Window, ToQColor(background));
    w->setAutoFillBackground(true);
  }
  pal.setColor(QPalette::WindowText, ToQColor(text));
  pal.setColor(QPalette::Text, ToQColor(text));
  w->setPalette(pal);
}

void ProcessMessages() { QCoreApplication::processEvents(); }

template <class W>
W* Place(W* w, int left, int top, int width, int height) {
  w->setGeometry(left, top, width, height);
  return w;
}

TStaticText* ProblemBox(QWidget* parent, int left) {
  auto* box = Place(new TStaticText(parent), left, 12, 68, 69);
  box->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  box->setFont(LayoutFont(kFontGothic, 64));
  SetColors(box, clNavy, clYellow);
  return box;
}

TButton* Button(QWidget* parent, const QString& caption, const QString& hint, int left, int top) {
  auto* b = Place(new TButton(caption, parent), left, top, 75, 25);
  b->setToolTip(hint);
  return b;
}

template <class Label>
Label* StopwatchLabel(QWidget* parent, const QString& text, int left, int width) {
  auto* l = Place(new Label(text, parent), left, 11, width, 16);
  l->setFont(LayoutFont(kFontGothic, 16));
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetColors(l, clNone, clBlue);
  return l;
}

}  // namespace

TForm1::TForm1(HistoryList& history) : history_(history), separators_(LocaleDateTimeSeparators()) {
  setWindowTitle(QStringLiteral(" (^-^)) ピクトラ"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(482, 272);
  setFont(LayoutFont(kFontPGothic, 12));
  SetColors(this, clBtnFace, clWindowText);
  CreateControls();
  FormCreate();
}

void TForm1::CreateControls() {
  Edit1 = ProblemBox(this, 12);
  Edit4 = ProblemBox(this, 88);
  Edit2 = ProblemBox(this, 164);

  Label2 = Place(new TLabel(QStringLiteral("="), this), 243, 16, 32, 64);
  Label2->setFont(LayoutFont(kFontGothic, 64));
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetColors(Label2, clNone, clBlack);

  Edit30 = Place(new TAlignedEdit(this), 286, 12, 97, 69);
  Edit30->setFont(LayoutFont(kFontGothic, 64));
  Edit30->setTextMargins(0, 0, 0, 0);
  SetColors(Edit30, clNone, clBlack);
  Edit30->setToolTip(QStringLiteral("計算式の答えを入力して[Enter]"));
  Edit30->OnKeyPress = [this](QChar& key) { Edit3KeyPress(key); };

  Label1 = StopwatchLabel<TLabel>(this, QStringLiteral("00:00."), 397, 48);
  Label6 = StopwatchLabel<TStopwatchLabel>(this, QStringLiteral("000"), 445, 24);
  // Its size never changes, and a fixed size spares the window the layout request that each new
  // text would otherwise post, a hundred times a second while a drill runs.
  Label6->setFixedSize(Label6->size());
  // It fills itself with the window's colour, which is all that shows under it, so that each new
  // text repaints the label alone and not the window under it first.
  Label6->setAutoFillBackground(true);

  Button1 = Button(this, QStringLiteral("開始"), QStringLiteral("問題を開始する"), 395, 30);
  CheckBox1 = Place(new TCheckBox(QStringLiteral("正解する迄"), this), 395, 62, 79, 17);
  CheckBox1->setToolTip(QStringLiteral("[ﾚ]次の問題に進まない"));

  ListBox1 = Place(new TListBox(this, 16), 8, 88, 465, 148);
  ListBox1->setFont(LayoutFont(kFontGothic, 16));

  Image1 = Place(new QLabel(this), 8, 241, 192, 27);
  Q_INIT_RESOURCE(logo);  // the picture is compiled into this library
  QFile logo(QStringLiteral(":/logo.jpg"));
  if (logo.open(QIODevice::ReadOnly)) {
    QImage picture = DecodeJpeg(logo.readAll());
    Image1->setPixmap(QPixmap::fromImage(
        picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }

  Button3 = Button(this, QStringLiteral("グラフ"), QStringLiteral("結果グラフを表示する"), 312, 241);
  Button2 = Button(this, QStringLiteral("終了"), QStringLiteral("ピクトラを終了する"), 395, 241);

  for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit4), static_cast<QWidget*>(Edit2),
                     static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label6),
                     static_cast<QWidget*>(Image1)})
    w->setFocusPolicy(Qt::NoFocus);
  for (QWidget* w : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2), static_cast<QWidget*>(ListBox1),
                     static_cast<QWidget*>(Button3), static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(Edit30)})
    w->setFocusPolicy(Qt::StrongFocus);
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, ListBox1);
  setTabOrder(ListBox1, Button3);
  setTabOrder(Button3, CheckBox1);
  setTabOrder(CheckBox1, Edit30);

  // Controls carry a name and their hint as description; the displays keep their text as their
  // name, so a screen reader reads the problem, the time and the log as they change.
  auto describe = [](QWidget* w, const QString& name) {
    if (!name.isEmpty()) w->setAccessibleName(name);
    w->setAccessibleDescription(w->toolTip());
  };
  describe(Edit30, QStringLiteral("答え"));
  describe(Button1, QString());
  describe(Button2, QString());
  describe(Button3, QString());
  describe(CheckBox1, QString());
  describe(ListBox1, QStringLiteral("結果"));
  describe(Image1, QStringLiteral("ピクトラ"));
  Edit1->setAccessibleDescription(QStringLiteral("左の数"));
  Edit4->setAccessibleDescription(QStringLiteral("演算子"));
  Edit2->setAccessibleDescription(QStringLiteral("右の数"));
  Label1->setAccessibleDescription(QStringLiteral("経過時間"));
  Label6->setAccessibleDescription(QStringLiteral("経過時間のミリ秒"));

  Timer1 = new TTimer(this);
  Timer1->setInterval(500);
  Timer2 = new TTimer(this);
  Timer2->setInterval(10);
  Timer2->setTimerType(Qt::PreciseTimer);

  connect(Button1, &QPushButton::clicked, this, [this] { RunHandler([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, [this] { RunHandler([this] { Button2Click(); }); });
  connect(Button3, &QPushButton::clicked, this, [this] { RunHandler([this] { Button3Click(); }); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { RunHandler([this] { CheckBox1Click(); }); });
  connect(Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });
  connect(Timer2, &QTimer::timeout, this, [this] { RunHandler([this] { Timer2Timer(); }); });
  auto* reviewKey = new QShortcut(QKeySequence(Qt::Key_F2), this);
  connect(reviewKey, &QShortcut::activated, this, [this] {
    RunHandler([this] {
      OpenReview();
      RunRequestedReview();
    });
  });
}

void TForm1::FormCreate() {
  SetLabel1("00:00.");
  Label6->setText(QStringLiteral("000"));
  move(DesktopCentre(size()));
  show();
  FocusStart();
}

void TForm1::FocusStart() {
  Button1->setFocus(Qt::OtherFocusReason);
  // The focused control shows its focus mark, which the style otherwise keeps for focus moved by
  // the keyboard.
  setAttribute(Qt::WA_KeyboardFocusChange);
  Button1->update();
}

void TForm1::RunOnceDrawn(std::function<void()> work) {
  startupWork_ = std::move(work);
  update();  // a window that has drawn already draws once more
}

void TForm1::RunStartupWork() {
  if (!startupWork_) return;
  // Taken out first, so that events the work processes cannot run it a second time.
  std::function<void()> work = std::move(startupWork_);
  startupWork_ = nullptr;
  work();
}

void TForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The window is painted before its controls and the frame is put on screen after them; a
  // zero timer fires once that is done.
  if (startupWork_) QTimer::singleShot(0, this, [this] { RunStartupWork(); });
}

void TForm1::SetLabel1(const QByteArray& text) {
  Label1->setText(DecodeCp932(text));
  Label1->resize(Label1->sizeHint().width(), Label1->height());
}

void TForm1::Button1Click() {
  // A drill already running keeps the window; a second Start does not nest another.
  if (drillRunning_) return;
  ProgramRandom().SeedFrom(Clock());
  RandomDrill drill(ProgramRandom());
  DrillRecord record;
  record.Started = QDateTime::currentDateTime();
  if (!RunProblems(drill, record)) return;
  // The history file is saved first; a failed save is shown once the records have the drill.
  const std::optional<QString> saveError = ErrorMessageOf([&] { StoreSummary(record.TotalMs); });
  Record(std::move(record));
  if (saveError) ShowErrorBox(*saveError);
  FocusStart();
}

void TForm1::RunReview(const std::vector<Fact>& facts) {
  if (drillRunning_ || facts.empty()) return;
  ReviewQueue review(facts);
  DrillRecord record;
  record.Started = QDateTime::currentDateTime();
  record.Kind = DrillKind::Review;
  if (!RunProblems(review, record)) return;
  // Nothing of a review goes to the history: a line of its own closes it in the log.
  ListBox1->InsertLine(0, ReviewEndLine(int(review.FactCount()), review.AskedAgain(), record.TotalMs));
  SetLabel1("00:00.");
  Label6->setText(QStringLiteral("000"));
  Record(std::move(record));
  FocusStart();
}

bool TForm1::RunProblems(ProblemSequence& problems, DrillRecord& record) {
  RunStartupWork();
  drillRunning_ = true;
  struct Running {
    bool& flag;
    ~Running() { flag = false; }
  } running{drillRunning_};

  ListBox1->clear();
  correctCount_ = 0;
  int32_t start = GetTickCount();
  Timer1->Tag = start;
  Button1->Tag = start;
  Timer1->SetEnabled(true);
  Timer2->SetEnabled(true);

  int n = 0;
  while (const std::optional<Problem> next = problems.Next()) {
    const Problem& problem = *next;
    ++n;
    Edit30->Tag = 0;
    wrongTries_ = 0;
    Edit30->clear();
    Edit30->setFocus(Qt::OtherFocusReason);
    Edit1->setText(DecodeCp932(Format("%D", {problem.Left})));
    Edit2->setText(DecodeCp932(Format("%D", {problem.Right})));
    Edit4->setText(DecodeCp932(problem.Operator));
    // The expected answer is in place before any queued key is handled, so that an answer
    // typed ahead is judged against this problem and not the previous one.
    Label2->Tag = problem.Answer;
    ProcessMessages();

    std::optional<int> given;
    int32_t elapsed = 0;
    for (;;) {
      if (!WaitForAnswer()) return false;
      elapsed = TickDiff(GetTickCount(), Button1->Tag);
      if (Trim(Edit30->text()).isEmpty()) break;
      // An answer that is not a number is shown as an error; the problem keeps waiting.
      try {
        given = StrToInt(Edit30->text());
        break;
      } catch (const ConvertError& e) {
        Edit30->Tag = 0;
        ShowErrorBox(e.Message());
      }
    }
    Button1->Tag = GetTickCount();
    const bool right = given && *given == problem.Answer;
    if (right) ++correctCount_;
    ListBox1->InsertLine(0, ProblemLine(n, problem, given, ProblemTimeText(elapsed)));
    record.Answers.push_back({n, FactOf(problem), problem.Answer, Edit30->text(), right, elapsed,
                              CheckBox1->isChecked(), wrongTries_});
    problems.Answered(record.Answers.back().Missed());
  }

  Timer1->SetEnabled(false);
  Timer2->SetEnabled(false);
  Edit1->clear();
  Edit2->clear();
  Edit30->clear();
  Edit4->clear();
  record.TotalMs = TickDiff(GetTickCount(), Timer1->Tag);
  return true;
}

void TForm1::Record(DrillRecord record) {
  if (Records == nullptr) return;
  Records->Record(std::move(record), this, [](const QString& message) { ShowErrorBox(message); });
}

bool TForm1::WaitForAnswer() {
  // Sleeps until events arrive and handles them; the flags are tested after each batch.
  waiting_ = true;
  while (Edit30->Tag == 0) {
    if (Button2->Tag != 0) {
      waiting_ = false;
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  waiting_ = false;
  return true;
}

void TForm1::StoreSummary(int32_t elapsed) {
  // Both labels show one tick reading, so that the line records one moment.
  SetLabel1(StopwatchMinutesText(elapsed));
  Label6->setText(DecodeCp932(StopwatchMillisText(elapsed)));
  QByteArray line = BuildSummaryLine(EncodeCp932(Label1->text()), EncodeCp932(Label6->text()), correctCount_,
                                     QDateTime::currentDateTime(), separators_);
  ListBox1->InsertLine(0, line);
  // On a failed save the line stays in the log and the history list, and the labels keep the time.
  history_.AppendAndSave(ListBox1->Line(0));
  SetLabel1("00:00.");
  Label6->setText(QStringLiteral("000"));
}

void TForm1::Button2Click() {
  Button2->Tag = kFlagSet;
  ProcessMessages();
  close();
}

void TForm1::Button3Click() {
  RunStartupWork();
  if (Form2 != nullptr) Form2->ShowModal();
  activateWindow();  // the keyboard comes back to this window, where no window manager sends it
  FocusStart();
  RunRequestedReview();
}

void TForm1::OpenReview(QWidget* over) {
  if (Records == nullptr) return;
  RunStartupWork();
  ReviewWindow window(*Records, !drillRunning_, over != nullptr ? over : this);
  window.exec();
  requestedReview_ = window.RequestedReview();
}

void TForm1::Form2ReviewClick() {
  OpenReview(Form2);
  // The review runs in the main window once the result graph is closed too.
  if (requestedReview_ && Form2 != nullptr) Form2->close();
}

void TForm1::RunRequestedReview() {
  if (!requestedReview_) return;
  const std::vector<Fact> facts = std::move(*requestedReview_);
  requestedReview_.reset();
  RunReview(facts);
}

void TForm1::CheckBox1Click() { FocusStart(); }

void TForm1::Edit3KeyPress(QChar& key) {
  // Full-width digits and the full-width full stop, as a Japanese input method gives them,
  // count as their ASCII forms.
  if (key.unicode() >= 0xFF10 && key.unicode() <= 0xFF19)
    key = QChar(char16_t(u'0' + (key.unicode() - 0xFF10)));
  else if (key.unicode() == 0xFF0E)
    key = QChar(u'.');
  const char16_t c = key.unicode();
  if (c == 0x0D) {
    key = QChar();  // the Enter never reaches the box
    if (CheckBox1->isChecked()) {
      if (Trim(Edit30->text()).isEmpty()) return;
      if (StrToInt(Edit30->text()) == Label2->Tag) {
        Edit30->Tag = kFlagSet;
      } else {
        ++wrongTries_;
        Edit30->clear();
      }
    } else {
      Edit30->Tag = kFlagSet;
    }
    return;
  }
  bool passes = c == 0x08 || c == 0x2E || (c >= 0x60 && c <= 0x69) || (c >= 0x30 && c <= 0x39);
  if (!passes) key = QChar();
}

void TForm1::Timer1Timer() { SetLabel1(StopwatchMinutesText(TickDiff(GetTickCount(), Timer1->Tag))); }

void TForm1::Timer2Timer() {
  Label6->setText(DecodeCp932(StopwatchMillisText(TickDiff(GetTickCount(), Timer1->Tag))));
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) separators_ = LocaleDateTimeSeparators();
  QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Closing the window ends a running drill at once, as Quit does.
  if (drillRunning_) Button2->Tag = kFlagSet;
  event->accept();
}
