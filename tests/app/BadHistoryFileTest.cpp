// Damaged and unusual history files, each taken through the program's start-up, the result
// graph window, the graph program and the save of the next finished drill: what is shown,
// what is plotted, and that no byte of the old file is lost.
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>

#include "ResultGraphProbe.h"
#include "tests/app/DrillHarness.h"

namespace {

// The child's exit code when it cannot give up the right to ignore permission bits.
constexpr int kCannotDropRights = 97;
constexpr qsizetype kMiB = 1024 * 1024;

// While it lives, permission bits bind this thread as they bind a user without privileges: the
// capabilities that override them are dropped from its effective set (for root only).
class PermissionBitsBind {
 public:
  PermissionBitsBind() {
    if (::geteuid() != 0 || ::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~PermissionBitsBind() {
    if (dropped_) ::syscall(SYS_capset, &header_, saved_);
  }
  PermissionBitsBind(const PermissionBitsBind&) = delete;
  PermissionBitsBind& operator=(const PermissionBitsBind&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool dropped_ = false;
};

// In a child before it runs a program: the program gets no right to ignore permission bits.
void DropOverrideRightsForProgram() {
  if (::geteuid() != 0) return;
  if (::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0 ||
      ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0) {
    ::_exit(kCannotDropRights);
  }
}

QByteArray Padded(const QByteArray& line, qsizetype size) { return line + QByteArray(size - line.size(), ' '); }

// Built when first asked for: the summary line's format is a constant of another file.
const QByteArray& Drill() {
  static const QByteArray line = DrillLine(3, 27, 418, 95);  // 95 % in 207 s
  return line;
}
QByteArray TwoDrills() { return HistoryText({Drill(), DrillLine(2, 0, 0, 50)}); }

// One kind of bad file and what the program does with it.
struct BadFile {
  const char* name;
  std::function<void(const QDir&)> make;  // creates HIST.DAT, or what stands in its place, in the directory
  int mode = -1;                          // permission bits HIST.DAT gets; -1 leaves them
  const char* openError = nullptr;        // the system's text of the start-up error, or none
  int lines = 0;                          // lines loaded
  int plotted = 0;                        // points of each series
  int firstRate = 95;                     // the first bar's height (a plotted line is always 207 s)
  const char* graphError = nullptr;       // the field the graph reports as no integer, or none
  int programExit = 0;                    // of the graph program
  const char* programMessage = "";        // text its stderr holds ("" when it is silent)
  const char* saveError = nullptr;        // the system's text of the save error, or none
};

void Write(const QDir& dir, const QByteArray& bytes) { WriteFile(dir.filePath(QStringLiteral("HIST.DAT")), bytes); }

// HIST.DAT as a symbolic link to target; the directory "data" exists.
void Link(const QDir& dir, const char* target) {
  dir.mkdir(QStringLiteral("data"));
  QFile::link(QString::fromLatin1(target), dir.filePath(QStringLiteral("HIST.DAT")));
}

// What a successful save writes over old: the lines the reading gives, then the drill, then the
// bytes from a zero byte on, which the reading ignores.
QByteArray Saved(const QByteArray& old, const QByteArray& drill) {
  const qsizetype zero = old.indexOf('\0');
  const QByteArray head = zero < 0 ? old : old.left(zero);
  const QByteArray tail = zero < 0 ? QByteArray() : old.mid(zero);
  const bool ended = head.isEmpty() || head.endsWith("\r\n");
  return head + (ended ? "" : "\r\n") + drill + "\r\n" + tail;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry under the directory, as paths relative to it, sorted; links are not followed.
QStringList Entries(const QDir& dir) {
  QStringList names;
  QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) names.push_back(dir.relativeFilePath(it.next()));
  names.sort();
  return names;
}

// The graph program on HIST.DAT of the directory, without the right to ignore permission bits.
ProgramRun RunGraphProgram(const QString& directory, const QString& png) {
  return RunProgram(QStringLiteral(PIKUTORA_GRAPH), {QStringLiteral("-o"), png}, directory, DropOverrideRightsForProgram);
}

class BadHistoryFile : public DrillHarness, public testing::WithParamInterface<BadFile> {};

TEST_P(BadHistoryFile, IsShownPlottedAndKeptAsDocumented) {
  const BadFile& c = GetParam();
  const QDir here(dir.path());
  const QString path = here.filePath(QStringLiteral("HIST.DAT"));
  c.make(here);
  const QFileInfo before(path);
  const bool wasLink = before.isSymLink();
  const QString linkTarget = before.symLinkTarget();
  const QByteArray old = FileBytes(path);
  QStringList entries = Entries(here);
  std::optional<PermissionBitsBind> bits;
  if (c.mode >= 0) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.mode), 0);
    bits.emplace();
    if (QFile file(path); file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "permission bits do not bind here";
  }

  // Start-up: the graph window is created hidden after the main window and loads the history.
  TForm2 graph(*history);
  form->Form2 = &graph;
  RunHandler([&] { graph.FormCreate(); });
  if (c.openError != nullptr) {
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("ファイル \"%1\". %2 は開けません.").arg(path, c.openError)});
  } else {
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
  }
  EXPECT_EQ(history->Count(), c.lines);
  errors.clear();

  // The graph window plots what it can read and reports the first field it cannot.
  graph.show();
  QApplication::processEvents();
  EXPECT_EQ(graph.Series1->PointCount(), c.plotted);
  EXPECT_EQ(graph.Series2->PointCount(), c.plotted);
  if (c.plotted > 0 && graph.Series1->PointCount() > 0 && graph.Series2->PointCount() > 0) {
    EXPECT_EQ(graph.Series1->YValue(0), c.firstRate);
    EXPECT_EQ(graph.Series2->YValue(0), 207);
  }
  if (c.graphError != nullptr) {
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("'%1' は整数ではありません.").arg(QString::fromUtf8(c.graphError))});
  } else {
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
  }
  graph.hide();
  errors.clear();

  // The graph program draws the same file, or says why not and writes nothing.
  QTemporaryDir out;
  const QString png = out.filePath(QStringLiteral("chart.png"));
  const ProgramRun run = RunGraphProgram(dir.path(), png);
  if (run.exitCode == kCannotDropRights) {
    ADD_FAILURE() << "the graph program could not be run without the right to ignore permission bits";
  } else {
    EXPECT_EQ(run.exitCode, c.programExit) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.programMessage).replace(QStringLiteral("%D"), dir.path())))
        << run.err.toStdString();
    EXPECT_EQ(*c.programMessage == '\0', run.err.isEmpty()) << run.err.toStdString();
    const QImage chart(png);
    if (c.programExit == 0) {
      EXPECT_EQ(chart.size(), QSize(601, 449));
    } else {
      EXPECT_TRUE(chart.isNull());
    }
  }

  // The next finished drill is saved after the old content, or the save refuses and leaves it.
  for (int n = 1; n <= 100; ++n) Answer(100);
  RunDrill();
  bits.reset();
  EXPECT_EQ(history->Count(), c.lines + 1);
  EXPECT_EQ(QByteArrayView(history->At(c.lines)).toByteArray(), Line(0));
  if (c.saveError != nullptr) {
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("ファイル \"%1\". %2 を作成できません.").arg(path, c.saveError)});
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QFileInfo(path).isDir(), before.isDir());
    EXPECT_EQ(form->Label1->text(), QStringLiteral("00:10."));  // the labels keep the drill's time
  } else {
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
    const QByteArray saved = FileBytes(path);
    EXPECT_TRUE(saved == Saved(old, Line(0))) << "saved " << saved.size() << " bytes over " << old.size();
    EXPECT_EQ(form->Label1->text(), QStringLiteral("00:00."));
    // A save through a dangling link creates the file the link names.
    const QString written = here.relativeFilePath(QFileInfo(path).canonicalFilePath());
    if (!entries.contains(written)) {
      entries.push_back(written);
      entries.sort();
    }
  }
  EXPECT_EQ(QFileInfo(path).isSymLink(), wasLink);
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), linkTarget);
  EXPECT_EQ(Entries(here), entries);  // and no temporary or lock file is left
}

const char* const kNoReadableLine = "ファイル \"%D/HIST.DAT\" には読める履歴の行がありません";
const char* const kDenied = "Permission denied";

INSTANTIATE_TEST_SUITE_P(
    Files, BadHistoryFile,
    testing::Values(
        BadFile{.name = "Empty", .make = [](const QDir& d) { Write(d, ""); }},
        BadFile{.name = "OnlyCrLf",
                .make = [](const QDir& d) { Write(d, "\r\n"); },
                .lines = 1,
                .graphError = "",
                .programExit = 1,
                .programMessage = kNoReadableLine},
        BadFile{.name = "OneZeroByte", .make = [](const QDir& d) { Write(d, QByteArray(1, '\0')); }},
        BadFile{.name = "OneMiBWithoutALineEnd",
                .make = [](const QDir& d) { Write(d, Padded(Drill(), kMiB)); },
                .lines = 1,
                .plotted = 1},
        BadFile{.name = "HundredMiB",
                .make =
                    [](const QDir& d) {
                      const QByteArray line = Padded(Drill(), 100 * 1024 - 2) + "\r\n";
                      QByteArray text;
                      text.reserve(100 * kMiB);
                      for (int i = 0; i < 1024; ++i) text.append(line);
                      Write(d, text);
                    },
                .lines = 1024,
                .plotted = 1024},
        BadFile{.name = "InvalidCp932",
                .make =
                    [](const QDir& d) {
                      Write(d, HistoryText({QByteArray("\x80\xa0\xfd\xfe\xff\x81\x20\x82") + Drill().mid(8),
                                            Drill() + "\x81", QByteArray(Drill()).replace(26, 3, "\x81\xff\x80")}));
                    },
                .lines = 3,
                .plotted = 2,
                .graphError = "\uFFFD\uFFFD\uFFFD",
                .programMessage = "(1 of 3 lines not drawn)"},
        // A rate cut short by the line's end is read as far as it goes: " 9" of " 95".
        BadFile{.name = "LinesShorterThan29Bytes",
                .make = [](const QDir& d) { Write(d, HistoryText({Drill().left(18), Drill().left(28), "x", Drill().left(12)})); },
                .lines = 4,
                .plotted = 1,
                .firstRate = 9,
                .graphError = "",
                .programMessage = "(3 of 4 lines not drawn)"},
        BadFile{.name = "LettersInTheFields",
                .make =
                    [](const QDir& d) {
                      Write(d, HistoryText({Drill(), QByteArray(Drill()).replace(26, 3, " ab"),
                                            QByteArray(Drill()).replace(9, 2, "ab"), QByteArray(Drill()).replace(12, 2, "x7"),
                                            QByteArray(Drill()).replace(26, 3, " \x82\x58")}));
                    },
                .lines = 5,
                .plotted = 1,
                .graphError = " ab",
                .programMessage = "(4 of 5 lines not drawn)"},
        BadFile{.name = "DirectoryNamedHistDat",
                .make = [](const QDir& d) { d.mkdir(QStringLiteral("HIST.DAT")); },
                .programExit = 1,
                .programMessage = "ファイル \"%D/HIST.DAT\". Is a directory は開けません",
                .saveError = "Is a directory"},
        BadFile{.name = "NoPermissionAtAll",
                .make = [](const QDir& d) { Write(d, TwoDrills()); },
                .mode = 0,
                .openError = kDenied,
                .programExit = 1,
                .programMessage = "ファイル \"%D/HIST.DAT\". Permission denied は開けません",
                .saveError = kDenied},
        BadFile{.name = "WriteOnly",
                .make = [](const QDir& d) { Write(d, TwoDrills()); },
                .mode = 0200,
                .openError = kDenied,
                .programExit = 1,
                .programMessage = "ファイル \"%D/HIST.DAT\". Permission denied は開けません",
                .saveError = kDenied},
        BadFile{.name = "LinkToAnotherFile",
                .make =
                    [](const QDir& d) {
                      Link(d, "data/hist.txt");
                      WriteFile(d.filePath(QStringLiteral("data/hist.txt")), TwoDrills());
                    },
                .lines = 2,
                .plotted = 2},
        BadFile{.name = "DanglingLink",
                .make = [](const QDir& d) { Link(d, "data/hist.txt"); },
                .programExit = 1,
                .programMessage = "ファイル \"%D/HIST.DAT\". No such file or directory は開けません"},
        BadFile{.name = "LinkToItself",
                .make = [](const QDir& d) { Link(d, "HIST.DAT"); },
                .programExit = 1,
                .programMessage = "ファイル \"%D/HIST.DAT\". Too many levels of symbolic links は開けません",
                .saveError = "Too many levels of symbolic links"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

}  // namespace
