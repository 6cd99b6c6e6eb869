#include <gtest/gtest.h>

#include <QDir>

#include "ScratchDir.h"
#include "history/DurableFileWriter.h"
#include "history/FileErrors.h"
#include "history/HistoryList.h"

namespace {

const QByteArray kOld = QByteArray(98, 'o') + "\r\n";
const QString kNoSpace = QStringLiteral("No space left on device");

QByteArray Content(qsizetype size) {
  QByteArray content(size, 'n');
  for (qsizetype i = 79; i < size; i += 80) content[i] = '\n';
  return content;
}

struct FullDiskCase {
  qsizetype size;
  qint64 freeBytes;
};

class FullDiskTest : public ::testing::TestWithParam<FullDiskCase> {};

// Every size fails visibly, below and above the 16 KiB that Qt would otherwise buffer, and the
// old file stays as it was with no temporary file left behind.
TEST_P(FullDiskTest, FailsVisiblyAndKeepsTheOldFile) {
  ScratchDir dir(256 * 1024);
  if (!dir.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  WriteBytes(dir.HistoryPath(), kOld);
  dir.Fill(GetParam().freeBytes);
  const QByteArray content = Content(GetParam().size);
  try {
    ReplaceFileContent(dir.HistoryPath(), content, dir.HistoryPath());
    FAIL() << "the write succeeded";
  } catch (const FileCreateError& e) {
    EXPECT_TRUE(e.Message().contains(kNoSpace)) << e.Message().toStdString();
  }
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld);
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{"HIST.DAT", "filler"}));

  QFile::remove(dir.File(QStringLiteral("filler")));
  ReplaceFileContent(dir.HistoryPath(), content, dir.HistoryPath());
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), content);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FullDiskTest,
                         ::testing::Values(FullDiskCase{1, 0}, FullDiskCase{100, 0}, FullDiskCase{16383, 0},
                                           FullDiskCase{16384, 0}, FullDiskCase{16385, 0},
                                           FullDiskCase{70000, 0}, FullDiskCase{16385, 8192},
                                           FullDiskCase{70000, 32768}),
                         [](const auto& info) {
                           return "Bytes" + std::to_string(info.param.size) + "Free" +
                                  std::to_string(info.param.freeBytes);
                         });

// Through the whole save: the drill's line stays in the list and goes to disk with the next
// save once there is room again.
TEST(FullDisk, KeepsTheDrillForTheNextSave) {
  ScratchDir dir(256 * 1024);
  if (!dir.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  WriteBytes(dir.HistoryPath(), kOld);
  HistoryList list(dir.HistoryPath());
  list.Load();
  dir.Fill(0);
  try {
    list.AppendAndSave("drill one");
    FAIL() << "the save succeeded";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(dir.HistoryPath(), kNoSpace));
  }
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld);
  QFile::remove(dir.File(QStringLiteral("filler")));
  list.AppendAndSave("drill two");
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), kOld + "drill one\r\ndrill two\r\n");
}

}  // namespace
