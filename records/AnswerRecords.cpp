#include "records/AnswerRecords.h"

#include <QFileInfo>

#include "history/DurableFileWriter.h"
#include "records/RecordsCsv.h"
#include "records/ReviewSnapshotReader.h"

AnswerRecords::AnswerRecords(QString path, int busyMs) : path_(std::move(path)), busyMs_(busyMs) {}

void AnswerRecords::Record(DrillRecord drill, QObject* receiver, Failed failed) {
  thread_.Post<void>(
      receiver, [path = path_, busyMs = busyMs_, drill = std::move(drill)] { WriteDrillRecord(path, drill, busyMs); },
      [] {}, std::move(failed));
}

void AnswerRecords::LoadReview(QObject* receiver, std::function<void(const ReviewSnapshot&)> done, Failed failed) {
  thread_.Post<ReviewSnapshot>(
      receiver, [path = path_, busyMs = busyMs_] { return ReadReviewSnapshot(path, busyMs); }, std::move(done),
      std::move(failed));
}

void AnswerRecords::ExportCsv(QString csvPath, QObject* receiver, std::function<void()> done, Failed failed) {
  thread_.Post<void>(
      receiver,
      [path = path_, busyMs = busyMs_, csvPath = std::move(csvPath)] {
        ReplaceFileContent(csvPath, RecordsCsv(path, busyMs), QFileInfo(csvPath).absoluteFilePath());
      },
      std::move(done), std::move(failed));
}
