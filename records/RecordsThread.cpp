#include "records/RecordsThread.h"

#include <QPointer>

RecordsThread::RecordsThread() : worker_(new QObject) {
  worker_->moveToThread(&thread_);
  thread_.setObjectName(QStringLiteral("records"));
  thread_.start();
}

RecordsThread::~RecordsThread() {
  // The quit is a job of its own, so that the jobs before it still run.
  QMetaObject::invokeMethod(worker_, [this] { thread_.quit(); }, Qt::QueuedConnection);
  thread_.wait();
  delete worker_;
}

void RecordsThread::Run(QObject* receiver, std::function<std::function<void()>()> work) {
  // Looked at only on this object's thread, where the receiver lives.
  QPointer<QObject> alive(receiver);
  QMetaObject::invokeMethod(
      worker_,
      [this, alive, work = std::move(work)] {
        std::function<void()> deliver = work();
        QMetaObject::invokeMethod(
            &mailbox_, [alive, deliver = std::move(deliver)] {
              if (alive) deliver();
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}
