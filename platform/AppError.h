#pragma once
// The program's errors: exceptions of our own classes that carry the system's message.
// Every event handler is a boundary that catches AppError and shows its message in the
// error box, then goes on.
#include <QString>
#include <optional>
#include <stdexcept>

class AppError : public std::runtime_error {
 public:
  explicit AppError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

// Runs body; the message of the error that escaped it (an AppError's own, another exception's
// text), or nothing when it ran to its end.
template <class Body>
std::optional<QString> ErrorMessageOf(Body&& body) {
  try {
    body();
  } catch (const AppError& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  }
  return std::nullopt;
}
