#include "platform/ErrorBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/AppError.h"

namespace {

void ShowMessageBox(const QString& caption, const QString& text) {
  QPointer<QWidget> focus = QApplication::focusWidget();
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  if (focus) {
    focus->window()->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
  }
}

ErrorPresenter& Presenter() {
  static ErrorPresenter presenter = ShowMessageBox;
  return presenter;
}

}  // namespace

QString ApplicationTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  return name.left(1) + name.mid(1).toLower();
}

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back() > u'.') return message + u'.';
  return message;
}

void ShowErrorBox(const QString& message) {
  QString exe = QCoreApplication::instance() != nullptr ? QCoreApplication::applicationFilePath() : QString();
  Presenter()(ApplicationTitle(exe), ErrorBoxText(message));
}

ErrorPresenter SetErrorPresenter(ErrorPresenter presenter) {
  ErrorPresenter previous = Presenter();
  Presenter() = presenter ? std::move(presenter) : ErrorPresenter(ShowMessageBox);
  return previous;
}

void RunHandler(const std::function<void()>& body) {
  if (const std::optional<QString> message = ErrorMessageOf(body)) ShowErrorBox(*message);
}
