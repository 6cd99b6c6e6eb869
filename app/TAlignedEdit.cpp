#include "app/TAlignedEdit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "platform/ErrorBox.h"

TAlignedEdit::TAlignedEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setInputMethodHints(Qt::ImhPreferNumbers);
}

void TAlignedEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  // Delete edits the text like the cursor keys; it is not a typed character.
  if (OnKeyPress && text.size() == 1 && event->key() != Qt::Key_Delete) {
    QChar key = text[0];
    RunHandler([&] { OnKeyPress(key); });
    if (key != text[0]) {
      if (!key.isNull()) insert(QString(key));
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TAlignedEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!OnKeyPress || event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // The committed text reaches the box as the characters the handler lets through; the
  // composition still in progress is shown unchanged.
  QString admitted;
  for (QChar c : event->commitString()) {
    QChar key = c;
    RunHandler([&] { OnKeyPress(key); });
    if (!key.isNull()) admitted += key;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->accept();
}

void TAlignedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  bool leftClick = event->reason() == Qt::MouseFocusReason &&
                   (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
  if (!leftClick) selectAll();
}
