// Saves in child processes: injected system-call failures, kills at random moments, and several
// running copies on one file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <memory>
#include <vector>

#include "ScratchDir.h"
#include "history/HistoryList.h"
#include "history/HistoryText.h"

namespace {

const QByteArray kOld = "old line one\r\nold line two\r\n";

struct ChildResult {
  int exitCode = -1;
  QByteArray errors;
};

ChildResult RunChild(const QString& program, const QStringList& arguments) {
  QProcess child;
  child.start(program, arguments);
  if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit) return {};
  return {child.exitCode(), child.readAllStandardError()};
}

QStringList SaverArguments(const ScratchDir& dir, const QString& tag, int count) {
  return {dir.Path(), tag, QString::number(count)};
}

QByteArray Message(const char* format, const QString& path, const char* systemText) {
  return QString::fromUtf8(format).arg(path, QString::fromUtf8(systemText)).toUtf8() + "\n";
}

const char* const kCreateFormat = "ファイル \"%1\". %2 を作成できません";
const char* const kOpenFormat = "ファイル \"%1\". %2 は開けません";

// A failure injected into one system call of a child's two saves ("T 0", "T 1") or its load.
struct InjectionCase {
  const char* name;
  QStringList strace;      // the trace and inject options; "%H" stands for HIST.DAT's path
  const char* format;      // the message shown
  const char* systemText;
};

class InjectedFailureTest : public ::testing::TestWithParam<InjectionCase> {};

// The failing save reports the system's text and leaves the old file; the second save writes
// both drills once each; no temporary file is left.
TEST_P(InjectedFailureTest, IsReportedAndLosesNothing) {
  const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
  if (strace.isEmpty()) GTEST_SKIP() << "strace is not installed";
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  QStringList arguments{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                        dir.File(QStringLiteral("trace"))};
  for (const QString& option : GetParam().strace) {
    arguments << QString(option).replace(QStringLiteral("%H"), dir.HistoryPath());
  }
  const ChildResult result = RunChild(strace, arguments + QStringList{QStringLiteral(HISTORY_SAVER)} +
                                                     SaverArguments(dir, QStringLiteral("T"), 2));
  const QByteArray trace = ReadBytes(dir.File(QStringLiteral("trace")));
  if (!trace.contains("(INJECTED)")) GTEST_SKIP() << "strace cannot inject faults here";
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.errors, Message(GetParam().format, dir.HistoryPath(), GetParam().systemText));
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld + "T 0\r\nT 1\r\n");
  EXPECT_TRUE(dir.Strays().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, InjectedFailureTest,
    ::testing::Values(
        // The lock file's id is the first write, the new content the second.
        InjectionCase{"Write", {"-e", "trace=write", "-e", "inject=write:error=ENOSPC:when=2"},
                      kCreateFormat, "No space left on device"},
        InjectionCase{"FlushToDisk", {"-e", "trace=fsync", "-e", "inject=fsync:error=EIO:when=1"},
                      kCreateFormat, "Input/output error"},
        InjectionCase{"Rename", {"-e", "trace=rename", "-e", "inject=rename:error=EIO:when=1"},
                      kCreateFormat, "Input/output error"},
        // The rename went through: the file already holds "T 0", which must not come twice.
        InjectionCase{"DirectoryFlush", {"-e", "trace=fsync", "-e", "inject=fsync:error=EIO:when=2"},
                      kCreateFormat, "Input/output error"},
        // Unreadable at start-up: the list starts empty, and the save reads the file again.
        InjectionCase{"OpenAtStartUp", {"-P", "%H", "-e", "trace=openat", "-e", "inject=openat:error=EACCES:when=1"},
                      kOpenFormat, "Permission denied"},
        InjectionCase{"ReadAtStartUp", {"-P", "%H", "-e", "trace=read", "-e", "inject=read:error=EIO:when=1"},
                      kOpenFormat, "Input/output error"}),
    [](const auto& info) { return std::string(info.param.name); });

// A writable HIST.DAT in a folder that refuses new files, saved by a user to whom file
// permissions apply: the drills are added to the file in place (it keeps its inode), with no lock
// or temporary file beside it. Root runs the child without the capabilities that bypass file
// permissions, dropped from the bounding set an exec as root takes its capabilities from.
TEST(HistoryInPlace, AFolderRefusingNewFilesStillGetsTheDrills) {
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  const QByteArray path = QFile::encodeName(dir.HistoryPath());
  struct stat before {};
  ASSERT_EQ(::stat(path.constData(), &before), 0);
  QString program = QStringLiteral(HISTORY_SAVER);
  QStringList arguments = SaverArguments(dir, QStringLiteral("T"), 2);
  if (::geteuid() == 0) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    ASSERT_FALSE(setpriv.isEmpty()) << "setpriv is needed to save without the capabilities";
    const QString dropped = QStringLiteral("-dac_override,-dac_read_search");
    arguments = QStringList{QStringLiteral("--inh-caps=") + dropped, QStringLiteral("--bounding-set=") + dropped,
                            program} + arguments;
    program = setpriv;
  }
  dir.SetReadOnly();
  const ChildResult result = RunChild(program, arguments);
  dir.SetWritable();
  EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld + "T 0\r\nT 1\r\n");
  struct stat after {};
  ASSERT_EQ(::stat(path.constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("HIST.DAT")});
}

// The lines a child with the given tag saved, checked to be its drills 0, 1, 2, ... in order.
::testing::AssertionResult AreDrillsInOrder(const QList<QByteArray>& lines, const QByteArray& tag) {
  qsizetype next = 0;
  for (const QByteArray& line : lines) {
    if (!line.startsWith(tag + ' ')) continue;
    if (line != tag + ' ' + QByteArray::number(next)) {
      return ::testing::AssertionFailure() << "line " << line.toStdString() << " where drill " << next << " was due";
    }
    ++next;
  }
  return ::testing::AssertionSuccess() << next << " drills";
}

// Killed at random moments of its saves, a child never leaves a torn file: the file is always
// the previous one plus whole lines of the child's drills in order. A leftover temporary file of
// a kill between link and rename is gone after the next save.
TEST(HistoryKill, NeverLeavesATornFile) {
  ScratchDir dir(64 << 20);
  QRandomGenerator random(4242);
  QByteArray expected;
  int killsWithStray = 0;
  int killsAfterASave = 0;
  for (int i = 0; i < 200; ++i) {
    QProcess child;
    child.start(QStringLiteral(HISTORY_SAVER), SaverArguments(dir, QStringLiteral("K%1").arg(i), 0));
    // The moments count from the start of the saves, not of the process, whose start-up takes
    // longer on a busy machine.
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(child.waitForReadyRead(30000));
    QThread::usleep(random.bounded(0, 30000));
    child.kill();
    ASSERT_TRUE(child.waitForFinished());

    const QByteArray now = QFileInfo::exists(dir.HistoryPath()) ? ReadBytes(dir.HistoryPath()) : QByteArray();
    ASSERT_TRUE(now.startsWith(expected)) << "kill " << i << " changed earlier lines";
    const QByteArray added = now.mid(expected.size());
    ASSERT_TRUE(added.isEmpty() || added.endsWith("\r\n")) << "kill " << i << " left a torn line";
    const QList<QByteArray> lines = ToList(SplitHistoryText(added));
    ASSERT_TRUE(AreDrillsInOrder(lines, "K" + QByteArray::number(i)));
    ASSERT_EQ(JoinHistoryText(lines), added);
    killsAfterASave += !lines.isEmpty();
    killsWithStray += !dir.Strays().isEmpty();

    HistoryList list(dir.HistoryPath());
    list.Load();
    list.AppendAndSave("P" + QByteArray::number(i));
    ASSERT_TRUE(dir.Strays().isEmpty());
    expected = now + "P" + QByteArray::number(i) + "\r\n";
    ASSERT_EQ(ReadBytes(dir.HistoryPath()), expected);
  }
  RecordProperty("KillsAfterASave", killsAfterASave);
  RecordProperty("KillsWithStray", killsWithStray);
  EXPECT_GT(killsAfterASave, 100);
}

// Four copies finishing 300 drills each in one directory: every drill is in the file once, each
// copy's in the order it finished them.
TEST(HistoryCopies, FourCopiesKeepEveryDrill) {
  ScratchDir dir(64 << 20);
  std::vector<std::unique_ptr<QProcess>> children;
  for (int k = 0; k < 4; ++k) {
    children.push_back(std::make_unique<QProcess>());
    children.back()->start(QStringLiteral(HISTORY_SAVER),
                           SaverArguments(dir, QStringLiteral("C%1").arg(k), 300));
  }
  for (auto& child : children) {
    ASSERT_TRUE(child->waitForFinished(120000));
    EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
  }
  const QList<QByteArray> lines = ToList(SplitHistoryText(ReadBytes(dir.HistoryPath())));
  EXPECT_EQ(lines.size(), 1200);
  EXPECT_EQ(QSet<QByteArray>(lines.cbegin(), lines.cend()).size(), 1200);
  for (int k = 0; k < 4; ++k) {
    const QByteArray tag = "C" + QByteArray::number(k);
    EXPECT_TRUE(AreDrillsInOrder(lines, tag));
    EXPECT_EQ(std::count_if(lines.cbegin(), lines.cend(), [&](const QByteArray& l) { return l.startsWith(tag + ' '); }),
              300);
  }
}

}  // namespace
