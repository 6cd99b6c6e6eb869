#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <functional>

#include "ScratchDir.h"
#include "history/FileErrors.h"
#include "history/HistoryList.h"
#include "history/HistoryText.h"

namespace {

const QByteArray kOld = "old line one\r\nold line two\r\n";

QList<QByteArray> SplitLines(const QByteArray& text) { return ToList(SplitHistoryText(text)); }

QString CreateMessage(const QString& path, const char* systemText) {
  return QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(path, QString::fromUtf8(systemText));
}

// One way a save can fail: prepares the directory (old HIST.DAT in place where there is one),
// returns the system's text the failure gives, and undoes the cause afterwards.
struct FailureCase {
  const char* name;
  std::function<const char*(ScratchDir&)> cause;
  std::function<void(ScratchDir&)> mend;
};

class SaveFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailureTest, ReportsTheErrorKeepsTheOldFileAndTheLine) {
  ScratchDir dir(1 << 20);
  const char* systemText = GetParam().cause(dir);
  if (systemText == nullptr) GTEST_SKIP() << "cannot make a read-only directory here";
  const QFileInfo before(dir.HistoryPath());
  const QByteArray oldBytes = before.isFile() ? ReadBytes(dir.HistoryPath()) : QByteArray();

  HistoryList list(dir.HistoryPath());
  list.Load();
  const qsizetype loaded = list.Count();
  try {
    list.AppendAndSave("drill one");
    FAIL() << "the save succeeded";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.Message(), CreateMessage(dir.HistoryPath(), systemText));
  }
  EXPECT_EQ(QFileInfo(dir.HistoryPath()).isDir(), before.isDir());
  if (before.isFile()) {
    EXPECT_EQ(ReadBytes(dir.HistoryPath()), oldBytes);
  }
  EXPECT_EQ(list.Count(), loaded + 1);
  EXPECT_EQ(list.Lines().last(), "drill one");

  // The next finished drill writes both lines.
  GetParam().mend(dir);
  list.AppendAndSave("drill two");
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), oldBytes + "drill one\r\ndrill two\r\n");
  EXPECT_TRUE(dir.Strays().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, SaveFailureTest,
    ::testing::Values(
        FailureCase{"ReadOnlyDirectory",
                    [](ScratchDir& dir) -> const char* {
                      if (!dir.Mounted() && ::geteuid() == 0) return nullptr;  // root writes anywhere
                      // A writable HIST.DAT in a folder that is merely closed to new files grows in
                      // place; a read-only file system refuses it too.
                      if (dir.Mounted()) WriteBytes(dir.HistoryPath(), kOld);
                      dir.SetReadOnly();
                      return dir.Mounted() ? "Read-only file system" : "Permission denied";
                    },
                    [](ScratchDir& dir) { dir.SetWritable(); }},
        FailureCase{"DirectoryNamedHistDat",
                    [](ScratchDir& dir) -> const char* {
                      QDir(dir.Path()).mkdir(QStringLiteral("HIST.DAT"));
                      return "Is a directory";
                    },
                    [](ScratchDir& dir) { QDir(dir.Path()).rmdir(QStringLiteral("HIST.DAT")); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HistorySave, KeepsASymbolicLinkAndTheFileMode) {
  ScratchDir dir;
  QDir(dir.Path()).mkdir(QStringLiteral("data"));
  const QString real = dir.File(QStringLiteral("data/hist.txt"));
  WriteBytes(real, kOld);
  ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
  ASSERT_TRUE(QFile::link(QStringLiteral("data/hist.txt"), dir.HistoryPath()));

  HistoryList list(dir.HistoryPath());
  list.Load();
  list.AppendAndSave("drill");
  const QFileInfo link(dir.HistoryPath());
  EXPECT_TRUE(link.isSymLink());
  EXPECT_EQ(link.symLinkTarget(), real);
  EXPECT_EQ(ReadBytes(real), kOld + "drill\r\n");
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(QDir(dir.File(QStringLiteral("data"))).entryList(QDir::Files), QStringList{"hist.txt"});
}

// Files beside HIST.DAT before a save, and whether the save removes them as leftovers of a
// killed save: only the temporary names, and only with the file's content plus added lines.
struct StrayCase {
  const char* test;
  const char* name;
  QByteArray content;
  bool removed;
};

class StrayTemporaryTest : public ::testing::TestWithParam<StrayCase> {};

TEST_P(StrayTemporaryTest, RemovesOnlyTheLeftoversOfSaves) {
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  const QString path = dir.File(QString::fromLatin1(GetParam().name));
  WriteBytes(path, GetParam().content);
  HistoryList list(dir.HistoryPath());
  list.Load();
  list.AppendAndSave("drill");
  EXPECT_EQ(!QFileInfo::exists(path), GetParam().removed);
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld + "drill\r\n");
}

const QByteArray kKilledSave = kOld + "killed\r\n";

INSTANTIATE_TEST_SUITE_P(
    Names, StrayTemporaryTest,
    ::testing::Values(StrayCase{"KilledSave", "HIST.DAT.AbCdEf", kKilledSave, true},
                      StrayCase{"UsersCopy", "HIST.DAT.backup", kOld, false},
                      StrayCase{"OlderCopy", "HIST.DAT.before", "old line one\r\n", false},
                      StrayCase{"OtherContent", "HIST.DAT.zzzzzz", "something else\r\n", false},
                      StrayCase{"SevenCharacters", "HIST.DAT.backup7", kKilledSave, false},
                      StrayCase{"WithADigit", "HIST.DAT.abc12z", kKilledSave, false},
                      StrayCase{"FiveLetters", "HIST.DAT.abcde", kKilledSave, false},
                      StrayCase{"OtherCase", "hist.dat.abcdef", kKilledSave, false},
                      StrayCase{"LongerName", "XHIST.DAT.abcdef", kKilledSave, false}),
    [](const auto& info) { return std::string(info.param.test); });

// Two copies of the program on one file: neither wipes the other's drills, and each list ends
// up holding the merged history in the order the drills finished.
TEST(HistoryMerge, KeepsTheLinesAnotherCopyAppended) {
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  HistoryList a(dir.HistoryPath());
  HistoryList b(dir.HistoryPath());
  a.Load();
  b.Load();
  a.AppendAndSave("a1");
  b.AppendAndSave("b1");
  a.AppendAndSave("a2");
  const QList<QByteArray> merged{"old line one", "old line two", "a1", "b1", "a2"};
  EXPECT_EQ(SplitLines(ReadBytes(dir.HistoryPath())), merged);
  EXPECT_EQ(a.Lines(), merged);
  b.AppendAndSave("b2");
  EXPECT_EQ(b.Lines(), merged + QList<QByteArray>{"b2"});
}

// A line whose save failed waits in the list; the drills other copies saved meanwhile go first.
TEST(HistoryMerge, PutsAnUnsavedLineAfterTheOthersSavedMeanwhile) {
  ScratchDir dir(1 << 20);
  if (!dir.Mounted() && ::geteuid() == 0) GTEST_SKIP() << "cannot make a read-only directory here";
  HistoryList a(dir.HistoryPath());
  a.Load();
  dir.SetReadOnly();
  EXPECT_THROW(a.AppendAndSave("a1"), FileCreateError);
  dir.SetWritable();
  HistoryList b(dir.HistoryPath());
  b.Load();
  b.AppendAndSave("b1");
  a.AppendAndSave("a2");
  EXPECT_EQ(SplitLines(ReadBytes(dir.HistoryPath())), (QList<QByteArray>{"b1", "a1", "a2"}));
}

// Something other than a running copy rewrote the file: this copy's list replaces it, as a save
// always did.
TEST(HistoryMerge, WritesItsOwnListWhenTheFileWasRewritten) {
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  HistoryList list(dir.HistoryPath());
  list.Load();
  WriteBytes(dir.HistoryPath(), "edited\r\n");
  list.AppendAndSave("drill");
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld + "drill\r\n");
}

// A zero byte ends the reading, but the bytes after it stay in the file: the new line goes
// before them, where the next reading finds it.
TEST(HistorySave, KeepsTheBytesAfterAZeroByte) {
  ScratchDir dir;
  const QByteArray damaged = QByteArray("one\r\ntw") + QByteArray(1, '\0') + "o\r\nthree\r\n";
  WriteBytes(dir.HistoryPath(), damaged);
  HistoryList list(dir.HistoryPath());
  list.Load();
  EXPECT_EQ(list.Lines(), (QList<QByteArray>{"one", "tw"}));
  list.AppendAndSave("drill");
  const QByteArray saved = ReadBytes(dir.HistoryPath());
  EXPECT_EQ(saved, QByteArray("one\r\ntw\r\ndrill\r\n") + QByteArray(1, '\0') + "o\r\nthree\r\n");
  EXPECT_EQ(SplitLines(saved), (QList<QByteArray>{"one", "tw", "drill"}));
}

// A lock left by a dead process, with its id or cut off before the id was written, is taken over.
TEST(HistoryLock, TakesOverTheLocksOfDeadProcesses) {
  ScratchDir dir;
  const QString lockPath = dir.HistoryPath() + ".lock";
  const pid_t child = ::fork();
  if (child == 0) {
    QLockFile lock(lockPath);
    ::_exit(lock.lock() ? 0 : 1);  // leaves without unlocking
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(QFileInfo::exists(lockPath));
  HistoryList list(dir.HistoryPath());
  list.AppendAndSave("after a dead holder");

  WriteBytes(lockPath, "");
  const struct utimbuf old {::time(nullptr) - 10, ::time(nullptr) - 10};
  ASSERT_EQ(::utime(QFile::encodeName(lockPath).constData(), &old), 0);
  list.AppendAndSave("after an empty lock");
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), "after a dead holder\r\nafter an empty lock\r\n");
  EXPECT_FALSE(QFileInfo::exists(lockPath));
}

// Any regular file named HIST.DAT is the history, whatever its time stamp.
class HistoryTimeStampTest : public ::testing::TestWithParam<time_t> {};

TEST_P(HistoryTimeStampTest, LoadsTheFile) {
  ScratchDir dir;
  WriteBytes(dir.HistoryPath(), kOld);
  const struct utimbuf stamp {GetParam(), GetParam()};
  ASSERT_EQ(::utime(QFile::encodeName(dir.HistoryPath()).constData(), &stamp), 0);
  HistoryList list(dir.HistoryPath());
  list.Load();
  EXPECT_EQ(list.Count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Stamps, HistoryTimeStampTest,
                         ::testing::Values(time_t{0}, time_t{315532799} /* 1979-12-31 */,
                                           time_t{1139821832}, time_t{4354819200} /* 2108 */));

}  // namespace
