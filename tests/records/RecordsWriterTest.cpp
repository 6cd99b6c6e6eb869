// Recording finished drills: what a drill leaves in the database (read back as CSV), two
// writers at once, and every way the database can refuse the drill.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <thread>

#include "records/RecordsCsv.h"
#include "records/RecordsError.h"
#include "records/RecordsWriter.h"
#include "records/ReviewSnapshotReader.h"
#include "records/SqliteDatabase.h"
#include "tests/history/ScratchDir.h"
#include "tests/records/RecordSamples.h"

namespace {

const Fact k12Plus5{Operation::Plus, 12, 5};
const Fact k6Times9{Operation::Times, 6, 9};
const Fact k15Minus3{Operation::Minus, 15, 3};

TEST(RecordsWriter, DrillAndReviewReadBackAsCsvRows) {
  ScratchDir dir;
  const QString path = dir.File(QStringLiteral("ANSWERS.DB"));
  WriteDrillRecord(path, DrillOf({AnswerTo(1, k12Plus5, 17, 2418), AnswerTo(2, k6Times9, 56, 5003),
                                  AnswerTo(3, k15Minus3, std::nullopt, 9120)}));
  WriteDrillRecord(path, DrillOf({AnswerTo(1, k6Times9, 54, 3100, 2)}, DrillKind::Review, 5));
  EXPECT_EQ(RecordsCsv(path),
            "started,kind,number,left,operator,right,expected,typed,verdict,time_ms,until_correct,wrong_tries\r\n"
            "2024-05-01T09:10:32.123+09:00,drill,1,12,+,5,17,17,OK,2418,0,0\r\n"
            "2024-05-01T09:10:32.123+09:00,drill,2,6,\xC3\x97,9,54,56,NG,5003,0,0\r\n"
            "2024-05-01T09:10:32.123+09:00,drill,3,15,-,3,12,,NG,9120,0,0\r\n"
            "2024-05-01T09:15:32.123+09:00,review,1,6,\xC3\x97,9,54,54,OK,3100,1,2\r\n");
  const ReviewSnapshot snapshot = ReadReviewSnapshot(path);
  EXPECT_EQ(snapshot.Drills, 1);
  EXPECT_EQ(snapshot.Reviews, 1);
  EXPECT_EQ(snapshot.Answers, 4);
}

TEST(RecordsWriter, TwoCopiesWritingAtOnceAreBothRecorded) {
  ScratchDir dir;
  const QString path = dir.File(QStringLiteral("ANSWERS.DB"));
  constexpr int kEach = 20;
  const auto writeSome = [&path] {
    for (int i = 0; i < kEach; ++i) WriteDrillRecord(path, DrillOf({AnswerTo(1, k12Plus5, 17, 1000)}));
  };
  std::thread other(writeSome);
  writeSome();
  other.join();
  EXPECT_EQ(ReadReviewSnapshot(path).Drills, 2 * kEach);
}

// A database that refuses the drill: the error names the file and the cause, says the drill is
// in HIST.DAT, and the file keeps what it had.
struct Refusal {
  const char* name;
  const char* cause;
  // Makes the database at path refuse, holding what keeps it so in holder; false when it cannot
  // be done here.
  std::function<bool(ScratchDir& dir, const QString& path, std::unique_ptr<SqliteDatabase>& holder)> arrange;
};

class RecordsRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(RecordsRefusal, NamesTheFileAndKeepsItsContent) {
  ScratchDir dir(1 << 20);
  const QString path = dir.File(QStringLiteral("ANSWERS.DB"));
  std::unique_ptr<SqliteDatabase> holder;
  if (!GetParam().arrange(dir, path, holder)) GTEST_SKIP() << "cannot be arranged here";
  const QByteArray before = QFileInfo(path).isFile() ? ReadBytes(path) : QByteArray();
  try {
    WriteDrillRecord(path, DrillOf({AnswerTo(1, k12Plus5, 17, 1000)}), 200);
    FAIL() << "the drill was recorded";
  } catch (const RecordsWriteError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("答えの記録 \"%1\" に書き込めません。").arg(path))) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(QString::fromUtf8(GetParam().cause))) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().endsWith(QStringLiteral("ドリルの結果は HIST.DAT に保存されています")));
  }
  holder.reset();
  dir.SetWritable();
  if (QFileInfo(path).isFile()) {
    EXPECT_EQ(ReadBytes(path), before);
  }
}

bool WithOneDrill(const QString& path) {
  WriteDrillRecord(path, DrillOf({AnswerTo(1, k6Times9, 54, 1000)}));
  return true;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RecordsRefusal,
    testing::Values(
        Refusal{"NotADatabase", "答えの記録のファイルではありません",
                [](ScratchDir&, const QString& path, auto&) {
                  WriteBytes(path, QByteArray("所要時間 03:27.418\r\n").repeated(200));
                  return true;
                }},
        Refusal{"Damaged", "壊れています",
                [](ScratchDir&, const QString& path, auto&) {
                  WithOneDrill(path);
                  QByteArray bytes = ReadBytes(path);
                  bytes.replace(100, 400, QByteArray(400, '\xA5'));  // the first page's table of tables
                  WriteBytes(path, bytes);
                  return true;
                }},
        Refusal{"LockedByAnotherCopy", "ほかのピクトラが使っていて",
                [](ScratchDir&, const QString& path, auto& holder) {
                  WithOneDrill(path);
                  holder = std::make_unique<SqliteDatabase>(path, SqliteDatabase::Access::Write, 0);
                  holder->Execute("BEGIN EXCLUSIVE");
                  return true;
                }},
        Refusal{"ReadOnlyDirectory", "ファイルを開けません",
                [](ScratchDir& dir, const QString&, auto&) {
                  if (!dir.Mounted()) return false;  // root writes anywhere else
                  dir.SetReadOnly();
                  return true;
                }},
        Refusal{"ReadOnlyFile", "書き込みが許されていません",
                [](ScratchDir& dir, const QString& path, auto&) {
                  if (!dir.Mounted()) return false;
                  WithOneDrill(path);
                  dir.SetReadOnly();
                  return true;
                }},
        Refusal{"DiskFull", "ディスクがいっぱいです",
                [](ScratchDir& dir, const QString& path, auto&) {
                  if (!dir.Mounted()) return false;
                  WithOneDrill(path);
                  dir.Fill(0);
                  return true;
                }},
        Refusal{"ADirectory", "ファイルを開けません",
                [](ScratchDir& dir, const QString&, auto&) { return QDir(dir.Path()).mkdir(QStringLiteral("ANSWERS.DB")); }},
        Refusal{"NewerVersion", "新しい版のピクトラの記録",
                [](ScratchDir&, const QString& path, auto&) {
                  WithOneDrill(path);
                  SqliteDatabase(path, SqliteDatabase::Access::Write, 0).Execute("UPDATE schema_version SET version = 2");
                  return true;
                }}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
