#pragma once
// The program's errors: exceptions of our own classes that carry the system's message.
// Every event handler is a boundary that catches AppError and shows its message in the
// error box, then goes on.
#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
 public:
  explicit AppError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};
