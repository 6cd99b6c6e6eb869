// A finished drill goes to HIST.DAT at once and to the answer records in the background: records
// another copy holds locked for a moment hold up neither the window nor the drill, records that
// cannot be written show their error with the drill kept in HIST.DAT, and a drill left by Quit
// leaves no record.
#include <QFile>

#include "records/ReviewSnapshotReader.h"
#include "records/SqliteDatabase.h"
#include "tests/app/DrillHarness.h"

namespace {

class Recording : public DrillHarness {
 protected:
  void SetUp() override {
    DrillHarness::SetUp();
    form->Records = &records;
  }
  // Waits up to ten seconds for the condition, handling events meanwhile.
  static bool Eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000 && !condition(); ++i) QTest::qWait(10);
    return condition();
  }
  QByteArray History() const {
    QFile file(dir.filePath(QStringLiteral("HIST.DAT")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  const QString path = dir.filePath(QStringLiteral("ANSWERS.DB"));
  AnswerRecords records{path};
};

TEST_F(Recording, LockedRecordsHoldUpNothingAndGetTheDrillOnceFree) {
  auto holder = std::make_unique<SqliteDatabase>(path, SqliteDatabase::Access::Write, 0);
  holder->Execute("BEGIN EXCLUSIVE");
  for (int n = 1; n <= 100; ++n) Answer(1000, n <= 3 ? std::optional<QString>(QStringLiteral("200")) : std::nullopt);
  RunDrill();
  // The drill has ended and is in HIST.DAT while the records are still locked.
  EXPECT_FALSE(form->DrillRunning());
  EXPECT_EQ(History().count("\r\n"), 1);
  holder.reset();
  EXPECT_TRUE(Eventually([this] { return ReadReviewSnapshot(path).Drills == 1; }));
  const ReviewSnapshot snapshot = ReadReviewSnapshot(path);
  EXPECT_EQ(snapshot.Answers, 100);
  EXPECT_EQ(snapshot.LastDrillMistakes.size(), 3u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Recording, UnwritableRecordsShowTheirErrorAndTheDrillStaysInHistory) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("not a database\n").repeated(100));
  file.close();
  for (int n = 1; n <= 100; ++n) Answer(1000);
  RunDrill();
  EXPECT_EQ(History().count("\r\n"), 1);
  ASSERT_TRUE(Eventually([this] { return !errors.empty(); }));
  EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
  EXPECT_TRUE(errors[0].contains(QStringLiteral("HIST.DAT に保存されています"))) << errors[0].toStdString();
}

TEST_F(Recording, DrillLeftByQuitLeavesNoRecord) {
  Answer(100);
  Answer(100);
  Then([this] { form->Button2->click(); });
  RunDrill();
  QTest::qWait(50);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(errors.empty());
}

}  // namespace
