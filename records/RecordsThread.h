#pragma once
// The thread on which the answer records are read and written, one job after another, so that
// a database another running copy keeps locked for a while never stops the window's thread.
// A job's result is posted back to the thread that made this object, to a receiver there, and
// dropped when the receiver is gone by then.
#include <QObject>
#include <QThread>
#include <functional>
#include <optional>
#include <type_traits>

#include "platform/AppError.h"

class RecordsThread {
 public:
  RecordsThread();
  // Runs the jobs posted so far, then ends the thread.
  ~RecordsThread();
  RecordsThread(const RecordsThread&) = delete;
  RecordsThread& operator=(const RecordsThread&) = delete;

  // What is called with a job's result.
  template <class Result>
  struct DoneOf {
    using Type = std::function<void(const Result&)>;
  };
  template <class Result>
  using Done = typename DoneOf<Result>::Type;

  // Runs job on the thread after the jobs posted before it; then, on this object's thread and
  // only while receiver lives, calls done with its result, or failed with the message of the
  // error it threw.
  template <class Result>
  void Post(QObject* receiver, std::function<Result()> job, Done<Result> done,
            std::function<void(const QString&)> failed) {
    Run(receiver, [job = std::move(job), done = std::move(done), failed = std::move(failed)]() -> std::function<void()> {
      std::function<void()> deliver;
      const std::optional<QString> message = ErrorMessageOf([&] {
        if constexpr (std::is_void_v<Result>) {
          job();
          deliver = done;
        } else {
          deliver = [result = job(), done] { done(result); };
        }
      });
      if (message) return [message = *message, failed] { failed(message); };
      return deliver;
    });
  }

 private:
  // Runs work on the thread and what it gives back on this object's thread, for the receiver.
  void Run(QObject* receiver, std::function<std::function<void()>()> work);

  QThread thread_;
  QObject* worker_;  // lives on thread_
  QObject mailbox_;  // lives on the thread that made this object
};

template <>
struct RecordsThread::DoneOf<void> {
  using Type = std::function<void()>;
};
